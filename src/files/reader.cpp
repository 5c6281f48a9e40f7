#include "files/reader.h"

#include <algorithm>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/felirat.h"
#include "editor/rules/row_text.h"
#include "files/ertek2cd.h"
#include "files/kereses.h"
#include "formats/document_path.h"
#include "formats/subtitle_kind.h"
#include "formats/subtitle_parse.h"
#include "platform/dataset/packed_rows.h"
#include "platform/desktop/line_reader.h"
#include "platform/text/text.h"
#include "shell/hibaki.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "timecode/time_base.h"

namespace files {

namespace field = dataset::subtitle_field;

namespace {

// The editor's rule for a row's flags, as a read measures them.
ReadRowFlags MeasureFlagsOfText(std::string_view text, int letter_limit) {
  const editor::RowFlags flags = editor::MeasureRowFlags(text, letter_limit);
  return {flags.long_line, flags.many_lines};
}

// What a read needs of the editor, as plain values.
ReadInput InputOf(shell::Program& program, int join_flag) {
  editor::TFelirat& editor = *program.Felirat;
  const dataset::RowTable& table = editor.cds;
  ReadInput input;
  input.second_text = program.state.TextSlot == shell::text_slot::kSecond;
  input.row_count = table.RecordCount();
  input.current_row = table.RecNo();
  if (input.current_row > 0)
    input.current_end = table.Value(field::kBefejezes);
  input.join = join_flag != 0;
  if (input.join)
    input.join_start = program.Ertek2cd->Edit2.Text();
  input.drop_leading_breaks = editor.Max2.Checked();
  input.start_width = static_cast<std::size_t>(table.Field(field::kKezdes).width);
  input.end_width = static_cast<std::size_t>(table.Field(field::kBefejezes).width);
  input.text_width = static_cast<std::size_t>(table.Field(field::kSzoveg).width);
  input.second_width = static_cast<std::size_t>(table.Field(field::kSzoveg2).width);
  ReadRowLayout& layout = input.layout;
  layout.fields = table.Fields();
  layout.start = field::kKezdes;
  layout.end = field::kBefejezes;
  layout.text = field::kSzoveg;
  layout.measure = MeasureFlagsOfText;
  layout.letter_limit = editor.LetterLimit();
  layout.flag_value = editor::FlagValue(true);
  layout.long_line = field::kBetu38;
  layout.many_lines = field::kSor3;
  return input;
}

// The kind's time base in the editor's time-base box and the boxes' limits.
void ShowTimeBaseOfKind(editor::TFelirat& editor, std::string_view kind) {
  const std::string_view time_base = TimeBaseOfKind(kind);
  if (time_base.empty())
    return;
  editor.beosztas.SetItemIndex(editor.beosztas.IndexOf(time_base));
  editor.SetTimeBaseLimits(time_base);
}

// The main text's new rows after the last row, in one batch, with their flag fields and the
// counters kept as the main-text rule keeps them row by row.
void AppendReadRows(shell::Program& program, ReadRows& rows) {
  editor::TFelirat& editor = *program.Felirat;
  shell::SharedState& state = program.state;
  dataset::PackedRows packed = rows.TakePacked();
  const std::optional<std::size_t> last_text_set = rows.LastTextSet();
  // The lengths of the last row whose text was stored, as measuring it left them.
  const editor::LineLengthArray line_lengths =
      last_text_set ? editor::SplitLineLengths(packed.Value(*last_text_set, field::kSzoveg))
                    : editor::LineLengthArray{};
  if (!editor.cds.AppendPackedRows(std::move(packed)) || !last_text_set)
    return;
  state.LineLengths = line_lengths;
  state.LongLineRowCount += static_cast<int>(rows.LongLineRows());
  state.ManyLineRowCount += static_cast<int>(rows.ManyLineRows());
  editor.MarkModified();
}

// The second texts from the current row on, as the rows already there.
void StoreSecondTexts(shell::Program& program, const std::vector<std::string>& texts) {
  dataset::RowTable& table = program.Felirat->cds;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i > 0)
      table.Next();
    table.Edit();
    table.SetValue(field::kSzoveg2, texts[i]);
    table.Post();
    ++program.state.SecondTextRowCount;
  }
}

void ShowFrameStop(shell::Program& program) {
  program.Felirat->Fszazalek.SetVisible(false);
  shell::ShowError(program, "Hiba", "Hiba a file-ban!", "Csak eddig tudtam betölteni a file-t!");
}

// A second text that came to an end before the last row leaves the rows after it without
// one: old second texts there would be saved with the new ones.
void ClearOldSecondTexts(editor::TFelirat& editor, const ReadInput& input, std::size_t stored) {
  dataset::RowTable& table = editor.cds;
  const int first =
      stored > 0 ? input.current_row + static_cast<int>(stored) : std::max(input.current_row, 1);
  const int rows = table.RecordCount();
  if (first > rows)
    return;
  ui::Gauge& gauge = editor.Fszazalek;
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

// Puts a read into the editor: the rows, then the result list, the stop message, the
// counters and the commands, in the order the editor has always shown them.
void ApplyRead(shell::Program& program, const ReadInput& input, ReadResult& read, int join_flag) {
  shell::SharedState& state = program.state;
  editor::TFelirat& editor = *program.Felirat;
  shell::THibaki& list = *program.Hibaki;
  const std::string& kind = read.kind;
  const bool main_kind = IsEditorKind(kind);
  // A SubViewer-like second text is not read: the rows stay as they are.
  const bool subviewer = kind == kSubViewerKind && !input.second_text;
  if (main_kind && !input.second_text && join_flag == 0) {
    state.LongLineRowCount = 0;
    state.ManyLineRowCount = 0;
  }
  if (subviewer)
    editor.beosztas.SetItemIndex(editor.beosztas.IndexOf(timecode::kTimeBaseTime));
  if (input.second_text)
    StoreSecondTexts(program, read.second_texts);
  else
    AppendReadRows(program, read.rows);
  list.AddLines(std::move(read.entries));
  if (kind == kFrameKind)
    state.CurrentTimeBase = timecode::kTimeBaseFrame;
  else if (main_kind || subviewer)
    state.CurrentTimeBase = timecode::kTimeBaseTime;
  if (read.stopped) {
    if (!read.error.empty())
      state.ReadErrorDetail = read.error;
    ShowFrameStop(program);
  }
  if (main_kind || subviewer)
    editor.MentM1.SetEnabled(true);
  if (main_kind && (kind != kFrameKind || !input.second_text))
    editor.ShowFlagCounters();
  if (input.second_text && main_kind)
    ClearOldSecondTexts(editor, input, read.second_texts.size());
}

SubtitleRead ReadWhole(shell::Program& program, const std::filesystem::path& file, int join_flag) {
  shell::SharedState& state = program.state;
  editor::TFelirat& editor = *program.Felirat;
  shell::THibaki& list = *program.Hibaki;

  state.SecondTextRowCount = 0;
  shell::InternalUpdateGuard internal(state);
  // A join's second part adds to what the first part listed.
  if (join_flag == 0)
    list.ClearLines();
  editor.Fszazalek.SetProgress(0);
  editor.Fszazalek.SetVisible(true);

  desktop::FileBytes file_bytes = desktop::ReadFileBytes(file);
  if (!file_bytes.ok()) {
    state.ReadErrorDetail = file_bytes.detail;
    program.Kereses->ReadErrorsListed = false;
    return {"", file_bytes.error};
  }
  const ReadInput input = InputOf(program, join_flag);
  ReadResult read = ParseSubtitle(std::move(file_bytes.bytes), input, [&editor](int position) {
    editor.Fszazalek.SetProgress(position);
  });
  ShowTimeBaseOfKind(editor, read.kind);
  const bool listed = !read.entries.empty();
  ApplyRead(program, input, read, join_flag);

  program.Kereses->ReadErrorsListed = listed;
  if (listed) {
    list.SetCaption(shell::kReadProblemsCaption);
    list.SetLabelsVisible(true);
    if (!editor.Beolvas.Checked())
      list.ShowReport();
  }
  return {read.kind, desktop::FileError::kNone};
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
