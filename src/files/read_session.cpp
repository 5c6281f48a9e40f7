#include "files/read_session.h"

#include <algorithm>
#include <optional>

#include "editor/felirat.h"
#include "editor/rules/row_text.h"
#include "files/line_parsers.h"
#include "files/read_rows.h"
#include "files/subtitle_kind.h"
#include "platform/text/text.h"
#include "shell/hibaki.h"
#include "shell/program.h"
#include "timecode/timecode.h"

namespace files {

namespace field = dataset::subtitle_field;

namespace {

// A value of the current row (with its pending changes), without a copy.
std::string_view CurrentCell(const dataset::RowTable& table, int field_index) {
  return table.Cell(table.RecNo(), field_index);
}

}  // namespace

ReadSession::ReadSession(shell::Program& program_in)
    : program(program_in),
      editor(*program_in.Felirat),
      table(program_in.Felirat->cds),
      second_text(program_in.state.TextSlot == "2") {}

void ReadSession::AddEntry(std::initializer_list<std::string_view> lines) {
  shell::THibaki& list = *program.Hibaki;
  list.AddLine("");
  for (std::string_view line : lines)
    list.AddLine(line);
  listed = true;
}

void ReadSession::StoreSecondText(std::string_view text) {
  if (second_complete || table.IsEmpty()) {
    second_complete = true;
    return;
  }
  table.Edit();
  table.SetValue(field::kSzoveg2, text);
  table.Post();
  ++program.state.SecondTextRowCount;
  last_second_row = table.RecNo();
  if (last_second_row >= table.RecordCount())
    second_complete = true;
  else
    table.Next();
}

std::string ReadSession::RowNumberText() const {
  return text::IntToStr(table.RecNo());
}

// ---- Row checks ---------------------------------------------------------------------------

bool ValidateAndFixTimeCode(ReadSession& session, std::string& code) {
  if (!timecode::IsTimeCodeShape(code))
    return false;
  // Minutes and seconds below 60 keep the code as it is.
  if (code[3] < '6' && code[6] < '6')
    return true;
  const std::string fixed = timecode::MsToTimeCode(timecode::TimeCodeToMs(code));
  if (fixed != code) {
    session.AddEntry({"Hiba oka: időeltérés",
                      "Ebben a sorban fordult elő a hiba: " + session.RowNumberText(),
                      "Beolvasott idő: " + code, "Javított idő:      " + fixed});
    code = fixed;
  }
  return true;
}

void CheckReadRow(ReadSession& session) {
  dataset::RowTable& table = session.table;
  const int row = table.RecNo();
  const std::string start(CurrentCell(table, field::kKezdes));
  const std::string end(CurrentCell(table, field::kBefejezes));
  const std::int64_t start_ms = timecode::TimeCodeToMs(start);
  const std::int64_t end_ms = timecode::TimeCodeToMs(end);
  if (start_ms > end_ms && row != session.last_reported_row) {
    session.AddEntry({"Hiba oka: a kezdő idő nagyobb mint a befejező idő",
                      "Ebben a sorban fordult elő a hiba: " + text::IntToStr(row),
                      "A hibás sor: " + start + " --> " + end});
    session.last_reported_row = row;
  }
  if (start_ms < session.prev_row_end_ms && row != session.last_reported_row) {
    session.AddEntry(
        {"Hiba oka: a kezdő idő kevesebb mint az előző sor befejező ideje",
         "A/Az " + text::IntToStr(row - 1) + ". sor Befejező ideje: " + session.prev_row_end_text,
         "A/Az " + text::IntToStr(row) + ". sor Kezdő ideje:     " + start});
    session.last_reported_row = row;
  }
  const std::string_view row_text = CurrentCell(table, field::kSzoveg);
  if (row_text.starts_with('|')) {
    session.AddEntry({"Hiba oka: sorelválasztó probléma",
                      "Ebben a sorban fordult elő a hiba: " + text::IntToStr(row),
                      "A sor: " + std::string(row_text)});
  }
}

// ---- Frame-based lines --------------------------------------------------------------------

namespace {

// A join moves part 2's frames either way; none goes below frame 0.
std::string WithOffset(const std::string& frame, std::int64_t offset) {
  if (offset == 0)
    return frame;
  const std::optional<std::int64_t> value = timecode::ParseFrameNumber(frame);
  if (!value)
    return frame;
  return text::IntToStr(std::max<std::int64_t>(*value + offset, 0));
}

}  // namespace

bool ParseMicroDvdLine(ReadSession& session, std::string_view line, std::int64_t join_offset) {
  const FrameLine frame = ParseFrameLine(line);
  switch (frame.shape) {
    case FrameLineShape::kRefused:
      return true;
    case FrameLineShape::kNoFrame:
      return false;
    case FrameLineShape::kStartOnly:
      if (!session.second_text) {
        session.table.Append();
        session.table.SetValue(field::kKezdes, WithOffset(frame.start, join_offset));
        session.table.Post();
      }
      return false;
    case FrameLineShape::kStartAndEnd:
      if (session.second_text) {
        session.StoreSecondText(frame.text);
      } else {
        session.table.Append();
        session.table.SetValue(field::kKezdes, WithOffset(frame.start, join_offset));
        session.table.SetValue(field::kBefejezes, WithOffset(frame.end, join_offset));
        session.editor.SetRowText1(frame.text, editor::RowWrite::kInEditStateWithReaderFlags);
      }
      return false;
  }
  return false;
}

FrameJoinOffset ComputeFrameJoinOffset(std::string_view line, std::int64_t typed_start) {
  FrameJoinOffset result;
  const FrameLine frame = ParseFrameLine(line);
  if (frame.shape == FrameLineShape::kRefused) {
    result.stop = true;
  } else if (frame.shape != FrameLineShape::kNoFrame) {
    result.offset = typed_start - *text::TryStrToInt(frame.start);
    result.done = true;
  }
  return result;
}

// ---- SubRip lines -------------------------------------------------------------------------

namespace {

void RememberRowEnd(ReadSession& session) {
  if (session.table.RecNo() == 0)
    return;
  session.prev_row_end_text = CurrentCell(session.table, field::kBefejezes);
  session.prev_row_end_ms = timecode::TimeCodeToMs(session.prev_row_end_text);
}

// A time line starts a new row of the main text, waiting for its text.
void AcceptTimeLine(ReadSession& session, std::string_view line, SubRipContext& context) {
  RememberRowEnd(session);
  dataset::RowTable& table = session.table;
  table.Append();
  TimeLineTimes times = ReadTimeLine(line);
  context.empty_after_time_line = false;
  context.pending = true;
  if (!ValidateAndFixTimeCode(session, times.start))
    times.start = timecode::kZeroTimeCode;
  if (!ValidateAndFixTimeCode(session, times.end))
    times.end = timecode::kZeroTimeCode;
  if (context.offset_ready && context.join_offset_ms != 0) {
    timecode::RowTimes moved =
        timecode::ShiftRowTimes(times.start, times.end, context.join_offset_ms);
    times.start = std::move(moved.start);
    times.end = std::move(moved.end);
  }
  table.SetValue(field::kKezdes, times.start);
  table.SetValue(field::kBefejezes, times.end);
}

// The gathered text under the blank rules; only what was added since the last trim is looked at.
void TrimGatheredText(SubRipContext& context) {
  TrimSubtitleTextFrom(context.text, context.trimmed);
  context.trimmed = context.text.size();
}

void SetGatheredText(SubRipContext& context, std::string_view line) {
  context.text.assign(line);
  context.trimmed = 0;
}

// The gathered text goes into the waiting row.
void StoreText(ReadSession& session, SubRipContext& context, bool do_edit) {
  if (session.second_text) {
    session.StoreSecondText(context.text);
  } else {
    session.editor.SetRowText1(context.text, do_edit
                                                 ? editor::RowWrite::kEditWithReaderFlags
                                                 : editor::RowWrite::kInEditStateWithReaderFlags);
    CheckReadRow(session);
  }
}

// State '1': a time line, or a line that should have been one. The broken line becomes the
// first text line of a new row that takes the previous row's end as its start and end.
void HandleExpectedTimeLine(ReadSession& session, std::string_view line, SubRipContext& context) {
  if (session.second_text) {
    context.state = '2';
    return;
  }
  if (IsWideTimeLine(line)) {
    AcceptTimeLine(session, line, context);
    context.state = '2';
    return;
  }
  dataset::RowTable& table = session.table;
  std::string end = table.RecNo() > 0 ? table.Value(field::kBefejezes) : std::string();
  if (end.empty())
    end = timecode::kZeroTimeCode;
  RememberRowEnd(session);
  table.Append();
  table.SetValue(field::kKezdes, end);
  table.SetValue(field::kBefejezes, end);
  session.AddEntry(
      {"Hiba oka: számformátumhiba",
       "Ebben a sorban fordult elő a hiba: " + session.RowNumberText(),
       std::string("Ezelőtt a sor előtt rossz volt a számformátum/Pl.:0:00:01,135/: ") +
           std::string(line),
       "Javítás utáni sor így néz ki: " + end + " --> " + end});
  SetGatheredText(context, line);
  context.pending = true;
  context.empty_after_time_line = false;
  context.state = '3';
}

void HandleFirstTextLine(ReadSession& session, std::string_view line, SubRipContext& context) {
  if (line.front() == ' ') {
    const std::string_view without_blank = line.substr(1);
    session.AddEntry({"Hiba oka: sor elején space van->törölve a space",
                      "Ebben a sorban fordult elő a hiba: " + session.RowNumberText(),
                      "A hibás sor:", line, "Új sor:", without_blank});
    line = without_blank;
  }
  SetGatheredText(context, line);
  context.pending = true;
  context.state = '3';
}

void HandleFurtherTextLine(ReadSession& session, std::string_view line, SubRipContext& context) {
  if (!IsNarrowTimeLine(line)) {
    context.text += '|';
    context.text += line;
    context.pending = true;
    return;
  }
  // The blank line and the block number are missing: the time line starts the next row.
  TrimGatheredText(context);
  StoreText(session, context, false);
  SetGatheredText(context, {});
  context.pending = false;
  context.empty_after_time_line = false;
  if (!session.second_text) {
    AcceptTimeLine(session, line, context);
    CheckReadRow(session);
  }
  context.state = '2';
}

void HandleLineAfterBlank(ReadSession& session, std::string_view line, SubRipContext& context) {
  if (IsWholeNumber(line)) {
    if (context.pending)
      StoreText(session, context, true);
    context.pending = false;
    SetGatheredText(context, {});
    context.state = '1';
    return;
  }
  if (IsNarrowTimeLine(line)) {
    // The block number is missing.
    if (context.pending)
      StoreText(session, context, false);
    SetGatheredText(context, {});
    context.empty_after_time_line = false;
    context.pending = false;
    if (!session.second_text) {
      AcceptTimeLine(session, line, context);
      session.AddEntry({"Hiba oka: sorszámprobléma",
                        "Ebben a sorban fordult elő a hiba: " + session.RowNumberText(),
                        std::string("Ezelőtt a sor előtt nem volt sorszám: ") + std::string(line)});
    }
    context.state = '2';
    return;
  }
  if (!context.pending && !session.second_text) {
    // No row is waiting (a block number came, then a blank line): the rows stored so far keep
    // their texts, and the line is taken where a time line was expected.
    HandleExpectedTimeLine(session, line, context);
    return;
  }
  // A blank line inside a row's text stays an empty line of the text.
  context.text += context.empty_after_time_line ? "|" : "||";
  context.text += line;
  context.pending = true;
  context.state = '3';
}

}  // namespace

void ProcessSubRipLine(ReadSession& session, std::string_view line, SubRipContext& context) {
  if (line.empty()) {
    if (context.state == '2')
      context.empty_after_time_line = true;
    if (context.state == '3')
      TrimGatheredText(context);
    context.previous_state = context.state;
    context.state = '4';
    return;
  }
  const char handled_in = context.state;
  switch (context.state) {
    case '1':
      HandleExpectedTimeLine(session, line, context);
      break;
    case '2':
      HandleFirstTextLine(session, line, context);
      break;
    case '3':
      HandleFurtherTextLine(session, line, context);
      break;
    default:
      HandleLineAfterBlank(session, line, context);
      break;
  }
  context.previous_state = handled_in;
}

// ---- SubViewer-like entries ---------------------------------------------------------------

bool ParseSubViewerEntry(ReadSession& session, std::string_view time_line,
                         std::string_view text_line) {
  const std::optional<TimeLineTimes> times = ReadSubViewerTimes(time_line);
  if (!times) {
    session.program.state.ReadErrorDetail = "Az idő intervalluma rosszul van megadva a sorban!";
    return true;
  }
  dataset::RowTable& table = session.table;
  table.Append();
  table.SetValue(field::kKezdes, times->start);
  table.SetValue(field::kBefejezes, times->end);
  if (!text_line.empty())
    table.SetValue(field::kSzoveg, ReplaceBrTags(text_line));
  table.Post();
  return false;
}

// ---- Row helpers ----------------------------------------------------------------------------

void UpdateRowFlagFields(shell::Program& program) {
  editor::TFelirat& editor = *program.Felirat;
  dataset::RowTable& table = editor.cds;
  shell::SharedState& state = program.state;
  state.LineLengths = editor::SplitLineLengths(CurrentCell(table, field::kSzoveg));
  const editor::RowFlags flags = editor::MeasureRowFlags(state.LineLengths, editor.LetterLimit());
  const bool was_long = CurrentCell(table, field::kBetu38) == "t";
  if (flags.long_line != was_long) {
    table.SetValue(field::kBetu38, editor::FlagValue(flags.long_line));
    state.LongLineRowCount += flags.long_line ? 1 : -1;
  }
  const bool was_many = CurrentCell(table, field::kSor3) == "t";
  if (flags.many_lines != was_many) {
    table.SetValue(field::kSor3, editor::FlagValue(flags.many_lines));
    state.ManyLineRowCount += flags.many_lines ? 1 : -1;
  }
}

void SetRowTimes(shell::Program& program, std::string_view start, std::string_view end) {
  dataset::RowTable& table = program.Felirat->cds;
  table.Edit();
  table.SetValue(field::kKezdes, start);
  table.SetValue(field::kBefejezes, end);
}

}  // namespace files
