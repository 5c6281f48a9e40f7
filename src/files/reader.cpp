#include "files/reader.h"

#include <algorithm>
#include <new>
#include <string>

#include "editor/felirat.h"
#include "files/ertek2cd.h"
#include "files/kereses.h"
#include "files/line_parsers.h"
#include "files/read_rows.h"
#include "files/read_session.h"
#include "files/subtitle_kind.h"
#include "formats/document_path.h"
#include "platform/desktop/line_reader.h"
#include "platform/text/text.h"
#include "shell/hibaki.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "timecode/timecode.h"

namespace files {

namespace field = dataset::subtitle_field;

namespace {

// The lines of a read, handed out one at a time; past the end a read gives "".
class LineSource {
 public:
  LineSource(const desktop::TextLines& lines, std::size_t next) : lines_(lines), next_(next) {}
  bool AtEnd() const { return next_ >= lines_.size(); }
  std::string_view Next() { return AtEnd() ? std::string_view() : lines_[next_++]; }

 private:
  const desktop::TextLines& lines_;
  std::size_t next_;
};

// The gauge moves once per hundredth of the file's lines, and never for fewer than 100.
class ReadGauge {
 public:
  ReadGauge(ui::Gauge& gauge, std::size_t line_count)
      : gauge_(gauge), step_(static_cast<std::int64_t>(line_count / 100)) {}

  // One more line handled; `lines_per_count` lines stand behind each count.
  void Count(std::int64_t lines_per_count = 1) {
    ++counter_;
    if (step_ >= 1)
      gauge_.SetProgress(static_cast<int>(lines_per_count * counter_ / step_));
  }

 private:
  ui::Gauge& gauge_;
  std::int64_t step_;
  std::int64_t counter_ = 1;
};

constexpr std::string_view kUtf16Bom = "\xFF\xFE";

void ShowStop(shell::Program& program, std::string_view line1, std::string_view line2) {
  program.Felirat->Fszazalek.SetVisible(false);
  shell::ShowBox(program, "Hiba", shell::kIconError, line1, line2, true, false, false);
}

void ShowFrameStop(shell::Program& program) {
  ShowStop(program, "Hiba a file-ban!", "Csak eddig tudtam betölteni a file-t!");
}

// The notices of a file that was not Windows-1250 text.
void AddUtf16Notice(ReadSession& session) {
  const std::string bangs(49, '!');
  session.AddEntry({bangs, "Ez a felirat Unicode-os file-ból lett betöltve!!!",
                    "Kérem mentse el a file-t!", bangs});
}

void AddUtf8Notice(ReadSession& session) {
  const std::string bangs(49, '!');
  session.AddEntry({bangs, "Ez a felirat UTF-8-as file-ból lett betöltve!!!",
                    "Kérem mentse el a file-t!", "Mentéskor Windows-1250-es kódolású lesz!",
                    bangs});
}

void ResetCounters(shell::SharedState& state) {
  state.LongLineRowCount = 0;
  state.ManyLineRowCount = 0;
}

void ReadFrameBased(ReadSession& session, std::string_view kind_line, LineSource& source,
                    ReadGauge& gauge, int join_flag) {
  shell::Program& program = session.program;
  if (!session.second_text && join_flag == 0)
    ResetCounters(program.state);
  bool stop = false;
  std::int64_t offset = 0;
  if (join_flag != 0 && !session.second_text) {
    const FrameJoinOffset join = ComputeFrameJoinOffset(
        kind_line, timecode::ParseFrameNumber(program.Ertek2cd->Edit2.Text()).value_or(0));
    stop = join.stop;
    offset = join.offset;
  }
  if (!stop)
    stop = ParseMicroDvdLine(session, kind_line, offset);
  program.state.CurrentTimeBase = "Frame";
  if (stop)
    ShowFrameStop(program);
  while (!stop && !source.AtEnd()) {
    const std::string_view line = source.Next();
    if (!line.empty())
      stop = ParseMicroDvdLine(session, line, offset);
    gauge.Count();
    if (stop)
      ShowFrameStop(program);
  }
  session.editor.MentM1.SetEnabled(true);
  if (!session.second_text)
    session.editor.ShowFlagCounters();
}

void ReadSubRip(ReadSession& session, std::string_view kind, LineSource& source, ReadGauge& gauge,
                int join_flag) {
  shell::Program& program = session.program;
  dataset::RowTable& table = session.table;
  SubRipContext context;
  program.state.CurrentTimeBase = "Time";
  session.prev_row_end_ms = 0;
  session.prev_row_end_text.clear();
  session.last_reported_row = 0;
  if (!session.second_text && join_flag == 0)
    ResetCounters(program.state);
  if (kind == kUnicodeSubRipKind)
    AddUtf16Notice(session);
  bool join_pending = join_flag != 0 && !session.second_text;
  while (!source.AtEnd()) {
    std::string_view line = source.Next();
    if (line == " ")
      line = {};
    if (session.second_text && (session.second_complete ||
                                (table.RecNo() == table.RecordCount() && context.state == '4'))) {
      break;
    }
    ProcessSubRipLine(session, line, context);
    if (join_pending && context.state == '2') {
      // The first row starts at the typed value; every later row moves with it.
      join_pending = false;
      const std::int64_t offset = timecode::TimeCodeToMs(table.Value(field::kKezdes)) -
                                  timecode::TimeCodeToMs(program.Ertek2cd->Edit2.Text());
      const timecode::RowTimes moved = timecode::ShiftRowTimes(
          table.Value(field::kKezdes), table.Value(field::kBefejezes), offset);
      SetRowTimes(program, moved.start, moved.end);
      context.join_offset_ms = offset;
      context.offset_ready = true;
    }
    gauge.Count();
  }
  if (context.pending) {
    if (session.second_text)
      session.StoreSecondText(context.text);
    else
      session.editor.SetRowText1(context.text, editor::RowWrite::kEditWithReaderFlags);
  }
  session.editor.MentM1.SetEnabled(true);
  session.editor.ShowFlagCounters();
}

void ReadSubViewer(ReadSession& session, std::string_view kind_line, LineSource& source,
                   ReadGauge& gauge) {
  shell::Program& program = session.program;
  editor::TFelirat& editor = session.editor;
  editor.beosztas.SetItemIndex(editor.beosztas.IndexOf("Time"));
  program.state.CurrentTimeBase = "Time";
  std::string_view time_line = kind_line;
  bool stop = false;
  while (!stop && !source.AtEnd()) {
    const std::string_view text_line = source.Next();
    stop = ParseSubViewerEntry(session, time_line, text_line);
    gauge.Count(3);
    if (stop) {
      ShowFrameStop(program);
    } else {
      source.Next();
      time_line = source.Next();
    }
  }
  editor.MentM1.SetEnabled(true);
}

// A second text that came to an end before the last row leaves the rows after it without
// one: old second texts there would be saved with the new ones.
void ClearOldSecondTexts(ReadSession& session) {
  dataset::RowTable& table = session.table;
  const int first = session.last_second_row > 0 ? session.last_second_row + 1
                                                : std::max(session.first_second_row, 1);
  const int rows = table.RecordCount();
  if (first > rows)
    return;
  ui::Gauge& gauge = session.editor.Fszazalek;
  gauge.SetProgress(0);
  const int to_clear = rows - first + 1;
  const int d = to_clear / 100;
  table.SetRecNo(first);
  for (int row = first; row <= rows; ++row) {
    if (d > 0)
      gauge.SetProgress(100 - (rows - row + 1) / d);
    if (!table.Value(field::kSzoveg2).empty()) {
      table.Edit();
      table.SetValue(field::kSzoveg2, "");
      table.Post();
    }
    table.Next();
  }
}

// The lines after the kind line of a UTF-16LE file, decoded; the kind line is their first.
desktop::TextLines DecodedLinesFrom(const desktop::TextLines& raw, std::string_view kind_line) {
  const std::size_t offset = static_cast<std::size_t>(kind_line.data() - raw.bytes().data());
  return desktop::TextLines(
      DecodeUtf16Le(std::string_view(raw.bytes()).substr(offset + kUtf16Bom.size())));
}

SubtitleRead ReadWhole(shell::Program& program, const std::filesystem::path& file, int join_flag) {
  shell::SharedState& state = program.state;
  editor::TFelirat& editor = *program.Felirat;
  shell::THibaki& list = *program.Hibaki;
  ReadSession session(program);

  state.SecondTextRowCount = 0;
  shell::InternalUpdateGuard internal(state);
  // A join's second part adds to what the first part listed.
  if (join_flag == 0)
    list.ClearLines();
  editor.Fszazalek.SetProgress(0);
  editor.Fszazalek.SetVisible(true);
  session.first_second_row = session.table.RecNo();

  desktop::FileBytes file_bytes = desktop::ReadFileBytes(file);
  if (!file_bytes.ok()) {
    state.ReadErrorDetail = file_bytes.detail;
    program.Kereses->ReadErrorsListed = false;
    return {"", file_bytes.error};
  }
  const std::size_t bom = file_bytes.bytes.size() - StripUtf8Bom(file_bytes.bytes).size();
  file_bytes.bytes.erase(0, bom);
  // UTF-8 text is read as the Windows-1250 text it holds.
  const bool utf8 = bom > 0 || IsUtf8Text(file_bytes.bytes);
  if (utf8)
    file_bytes.bytes = DecodeUtf8(file_bytes.bytes);
  const desktop::TextLines raw(std::move(file_bytes.bytes));

  std::string kind;
  std::size_t next = 0;
  std::string_view kind_line;
  while (kind.empty() && next < raw.size()) {
    kind_line = raw[next++];
    kind = DetectSubtitleKind(program, kind_line);
  }

  if (!kind.empty()) {
    // A UTF-16LE file is read as the text it holds, from its kind line on.
    desktop::TextLines decoded;
    const bool utf16 = IsUtf16LeLine(kind_line);
    if (utf16) {
      decoded = DecodedLinesFrom(raw, kind_line);
      kind_line = decoded.empty() ? std::string_view() : decoded[0];
    }
    const desktop::TextLines& lines = utf16 ? decoded : raw;
    LineSource source(lines, utf16 ? 1 : next);
    ReadGauge gauge(editor.Fszazalek, utf16 ? next - 1 + lines.size() : raw.size());
    if (utf8 && IsEditorKind(kind))
      AddUtf8Notice(session);
    if (kind == kFrameKind) {
      ReadFrameBased(session, kind_line, source, gauge, join_flag);
    } else if (kind == kSubRipKind || kind == kUnicodeSubRipKind) {
      ReadSubRip(session, kind, source, gauge, join_flag);
    } else if (!session.second_text) {
      // A second text of this kind is not read: the rows stay as they are.
      ReadSubViewer(session, kind_line, source, gauge);
    }
    if (session.second_text && IsEditorKind(kind))
      ClearOldSecondTexts(session);
  }

  program.Kereses->ReadErrorsListed = session.listed;
  if (session.listed) {
    list.SetCaption(shell::kReadProblemsCaption);
    list.SetLabelsVisible(true);
    if (!editor.Beolvas.Checked())
      list.ShowReport();
  }
  return {kind, desktop::FileError::kNone};
}

}  // namespace

SubtitleRead ReadSubtitle(shell::Program& program, const std::filesystem::path& file,
                          int join_flag) {
  try {
    return ReadWhole(program, file, join_flag);
  } catch (const std::bad_alloc&) {
    // What was listed goes, so that the message can be shown; the caller drops the rows.
    program.Hibaki->ClearLines();
    program.Kereses->ReadErrorsListed = false;
    program.state.ReadErrorDetail = "Nincs elég memória a file beolvasásához!";
    SubtitleRead read;
    read.out_of_memory = true;
    return read;
  }
}

std::string ReadSubtitleFile(shell::Program& program, const std::filesystem::path& file,
                             int join_flag) {
  return ReadSubtitle(program, file, join_flag).kind;
}

std::string ReadSubtitleFile(shell::Program& program, int join_flag) {
  return ReadSubtitleFile(program, program.state.CurrentFilePath.Path(), join_flag);
}

std::string DetectKindOfBytes(std::string_view bytes) {
  // Line by line as the reader splits them, without a copy of the file.
  bytes = StripUtf8Bom(bytes);
  while (!bytes.empty()) {
    const std::size_t newline = bytes.find('\n');
    std::string_view line = bytes.substr(0, newline);
    if (newline != std::string_view::npos && line.ends_with('\r'))
      line.remove_suffix(1);
    std::string kind = ClassifySubtitleLine(line);
    if (!kind.empty() || newline == std::string_view::npos)
      return kind;
    bytes.remove_prefix(newline + 1);
  }
  return "";
}

std::string DetectFileKind(const std::filesystem::path& path) {
  const desktop::FileBytes file = desktop::ReadFileBytes(path);
  return file.ok() ? DetectKindOfBytes(file.bytes) : std::string();
}

}  // namespace files
