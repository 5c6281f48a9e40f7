#include "formats/read_session.h"

#include <algorithm>
#include <optional>

#include "formats/line_parsers.h"
#include "formats/subtitle_kind.h"
#include "platform/text/text.h"
#include "timecode/timecode.h"

namespace files {

namespace {

std::string_view Cut(std::string_view value, std::size_t width) {
  return width > 0 && value.size() > width ? value.substr(0, width) : value;
}

}  // namespace

ReadSession::ReadSession(const ReadInput& input_in, ReadResult& result_in)
    : input(input_in),
      result(result_in),
      second_text(input_in.second_text),
      input_end_ms(timecode::TimeCodeToMs(input_in.current_end)),
      second_row(input_in.second_text ? input_in.current_row : 0) {
  result.rows = ReadRows(input.layout);
}

void ReadSession::AddEntry(std::initializer_list<std::string_view> lines) {
  result.entries.push_back("");
  for (std::string_view line : lines)
    result.entries.push_back(line);
}

void ReadSession::StoreSecondText(std::string_view text) {
  if (second_complete || input.row_count == 0) {
    second_complete = true;
    return;
  }
  const std::string_view kept = Cut(text, input.second_width);
  result.second_texts.emplace_back(kept);
  if (kept.size() != text.size())
    AddCutTextEntry(text.substr(kept.size()), input.second_width);
  if (second_row >= input.row_count)
    second_complete = true;
  else
    ++second_row;
}

int ReadSession::CurrentRow() const {
  if (second_text)
    return second_row;
  return result.rows.empty() ? input.current_row
                             : input.row_count + static_cast<int>(result.rows.size());
}

std::string ReadSession::RowNumberText() const {
  return text::IntToStr(CurrentRow());
}

std::string_view ReadSession::CurrentEnd() const {
  if (!result.rows.empty())
    return result.rows.back().end;
  return input.current_row > 0 ? std::string_view(input.current_end) : std::string_view();
}

std::int64_t ReadSession::CurrentEndMs() const {
  if (!result.rows.empty())
    return result.rows.back().end_ms;
  return input.current_row > 0 ? input_end_ms : 0;
}

ReadRow& ReadSession::AppendRow() {
  return result.rows.Append();
}

void ReadSession::SetStart(std::string_view value) {
  ReadRow& row = result.rows.back();
  row.start.assign(Cut(value, input.start_width));
  row.start_ms = timecode::TimeCodeToMs(row.start);
}

void ReadSession::SetEnd(std::string_view value) {
  ReadRow& row = result.rows.back();
  row.end.assign(Cut(value, input.end_width));
  row.end_ms = timecode::TimeCodeToMs(row.end);
}

void ReadSession::CutTimes(std::int64_t start_ms, std::int64_t end_ms) {
  ReadRow& row = result.rows.back();
  row.start_ms = start_ms;
  row.end_ms = end_ms;
  if (Cut(row.start, input.start_width).size() != row.start.size())
    SetStart(std::string(row.start));
  if (Cut(row.end, input.end_width).size() != row.end.size())
    SetEnd(std::string(row.end));
}

void ReadSession::SetText(std::string_view value) {
  if (input.drop_leading_breaks)
    value = WithoutLeadingBreaks(value);
  ReadRow& row = result.rows.back();
  const std::string_view kept = Cut(value, input.text_width);
  row.text.assign(kept);
  row.text_set = true;
  if (kept.size() != value.size())
    AddCutTextEntry(value.substr(kept.size()), input.text_width);
}

void ReadSession::AddCutTextEntry(std::string_view cut_off, std::size_t width) {
  AddEntry({"Hiba oka: a szöveg hosszabb mint " + text::IntToStr(static_cast<std::int64_t>(width)) +
                " karakter->levágva a vége",
            "Ebben a sorban fordult elő a hiba: " + RowNumberText(), "A levágott rész:", cut_off});
}

// ---- Row checks ---------------------------------------------------------------------------

std::int64_t ValidateAndFixTimeCode(ReadSession& session, std::string& code, std::int64_t ms) {
  // Minutes and seconds below 60 keep the code as it is.
  if (ms == timecode::kNoTimeCode || (code[3] < '6' && code[6] < '6'))
    return ms;
  const std::string fixed = timecode::MsToTimeCode(ms);
  if (fixed != code) {
    session.AddEntry({"Hiba oka: időeltérés",
                      "Ebben a sorban fordult elő a hiba: " + session.RowNumberText(),
                      "Beolvasott idő: " + code, "Javított idő:      " + fixed});
    code = fixed;
  }
  return timecode::TimeCodeToMs(code);
}

void CheckReadRow(ReadSession& session) {
  const int row = session.CurrentRow();
  const ReadRow& current = session.result.rows.back();
  const std::string& start = current.start;
  const std::string& end = current.end;
  const std::int64_t start_ms = current.start_ms;
  const std::int64_t end_ms = current.end_ms;
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
  const std::string_view row_text = current.text;
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
        session.AppendRow();
        session.SetStart(WithOffset(frame.start, join_offset));
      }
      return false;
    case FrameLineShape::kStartAndEnd:
      if (session.second_text) {
        session.StoreSecondText(frame.text);
      } else {
        session.AppendRow();
        session.SetStart(WithOffset(frame.start, join_offset));
        session.SetEnd(WithOffset(frame.end, join_offset));
        session.SetText(frame.text);
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
  if (session.CurrentRow() == 0)
    return;
  session.prev_row_end_text = session.CurrentEnd();
  session.prev_row_end_ms = session.CurrentEndMs();
}

// A time code read from a time line, from `written` on, with its milliseconds, as
// ValidateAndFixTimeCode leaves it; the common code, of the time-code shape with minutes and
// seconds below 60 (judged on the line's own bytes), without a call.
std::int64_t CheckedTimeCode(ReadSession& session, std::string_view written, std::string& code,
                             std::int64_t ms) {
  // A code of the shape was read whole from the line.
  if (ms != timecode::kNoTimeCode && written[3] < '6' && written[6] < '6')
    return ms;
  return ValidateAndFixTimeCode(session, code, ms);
}

// A time line starts a new row of the main text, waiting for its text.
void AcceptTimeLine(ReadSession& session, std::string_view line, SubRipContext& context) {
  RememberRowEnd(session);
  // The times are read straight into the new row.
  ReadRow& row = session.AppendRow();
  std::int64_t start_ms = ReadTimeLineTime(line, 0, row.start);
  std::int64_t end_ms = ReadTimeLineTime(line, 17, row.end);
  context.empty_after_time_line = false;
  context.pending = true;
  start_ms = CheckedTimeCode(session, line, row.start, start_ms);
  if (start_ms == timecode::kNoTimeCode) {
    row.start = timecode::kZeroTimeCode;
    start_ms = 0;
  }
  end_ms = CheckedTimeCode(session, line.substr(std::min<std::size_t>(17, line.size())), row.end,
                           end_ms);
  if (end_ms == timecode::kNoTimeCode) {
    row.end = timecode::kZeroTimeCode;
    end_ms = 0;
  }
  if (context.offset_ready && context.join_offset_ms != 0) {
    const timecode::RowTimes moved =
        timecode::ShiftRowTimes(row.start, row.end, context.join_offset_ms);
    session.SetStart(moved.start);
    session.SetEnd(moved.end);
    return;
  }
  session.CutTimes(start_ms, end_ms);
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
void StoreText(ReadSession& session, SubRipContext& context) {
  if (session.second_text) {
    session.StoreSecondText(context.text);
  } else {
    session.SetText(context.text);
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
  std::string end(session.CurrentRow() > 0 ? session.CurrentEnd() : std::string_view());
  if (end.empty())
    end = timecode::kZeroTimeCode;
  RememberRowEnd(session);
  session.AppendRow();
  session.SetStart(end);
  session.SetEnd(end);
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
  StoreText(session, context);
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
      StoreText(session, context);
    context.pending = false;
    SetGatheredText(context, {});
    context.state = '1';
    return;
  }
  if (IsNarrowTimeLine(line)) {
    // The block number is missing.
    if (context.pending)
      StoreText(session, context);
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
    session.result.error = "Az idő intervalluma rosszul van megadva a sorban!";
    return true;
  }
  session.AppendRow();
  session.SetStart(times->start);
  session.SetEnd(times->end);
  if (!text_line.empty()) {
    ReadRow& row = session.result.rows.back();
    row.text.assign(ReplaceBrTags(text_line).substr(
        0, session.input.text_width > 0 ? session.input.text_width : std::string::npos));
  }
  return false;
}

}  // namespace files
