#include "editor/rules/row_command_rules.h"

#include <cstdint>
#include <optional>

#include "platform/text/text.h"
#include "timecode/time_base.h"

namespace editor {

namespace {

constexpr int64_t kNewRowFrames = 10;
constexpr int64_t kNewRowMs = 1000;
constexpr std::string_view kItalicOpen = "<i>";
constexpr std::string_view kDash = "- ";

int64_t FrameValue(std::string_view text) {
  return timecode::ParseFrameNumber(text).value_or(0);
}

}  // namespace

timecode::RowTimes NewRowTimesBefore(std::string_view time_base, std::string_view current_start) {
  const std::string start(current_start);
  if (time_base != timecode::kTimeBaseFrame)
    return {start, start};
  const int64_t earlier = FrameValue(current_start) - kNewRowFrames;
  return {earlier > 0 ? text::IntToStr(earlier) : "0", start};
}

timecode::RowTimes NewRowTimesAfter(std::string_view time_base, std::string_view current_end,
                                    bool at_last) {
  const std::string end(current_end);
  if (time_base != timecode::kTimeBaseFrame && time_base != timecode::kTimeBaseTime)
    return {};
  if (!at_last)
    return {end, end};
  if (time_base == timecode::kTimeBaseFrame)
    return {end, end.empty() ? "" : text::IntToStr(FrameValue(end) + kNewRowFrames)};
  return {end, timecode::MsToTimeCode(timecode::TimeCodeToMs(end) + kNewRowMs)};
}

timecode::RowTimes FillEmptyTimes(std::string_view time_base, timecode::RowTimes times) {
  std::string_view zero;
  if (time_base == timecode::kTimeBaseFrame)
    zero = "0";
  else if (time_base == timecode::kTimeBaseTime)
    zero = timecode::kZeroTimeCode;
  else
    return times;
  for (std::string* value : {&times.start, &times.end}) {
    if (value->empty())
      *value = zero;
  }
  return times;
}

std::string DividedTime(std::string_view start, std::string_view end, int part, int parts) {
  const int64_t s = timecode::TimeCodeToMs(start);
  const int64_t e = timecode::TimeCodeToMs(end);
  if (parts <= 0)
    return timecode::MsToTimeCode(s);
  // s + (e - s) * part / parts, truncated toward zero as a whole; below 0 is 0.
  const int64_t scaled = s * parts + (e - s) * part;
  return timecode::MsToTimeCode(scaled <= 0 ? 0 : scaled / parts);
}

std::string DialogueLine(std::string_view text) {
  if (text.starts_with(kItalicOpen))
    return std::string(kItalicOpen) + std::string(kDash) +
           std::string(text.substr(kItalicOpen.size()));
  return std::string(kDash) + std::string(text);
}

std::string MergedText(std::string_view previous, std::string_view merged) {
  return std::string(previous) + "|" + std::string(merged);
}

std::string MergedDialogueText(std::string_view previous, std::string_view merged) {
  return DialogueLine(previous) + "|" + DialogueLine(merged);
}

std::string MergedSecondText(std::string_view previous, std::string_view merged, bool dialogue) {
  if (merged.empty())
    return std::string(previous);
  if (previous.empty())
    return std::string(merged);
  return dialogue ? MergedDialogueText(previous, merged) : MergedText(previous, merged);
}

TextEditResult DialogueDashes(std::string_view text) {
  const std::size_t bar = text.find('|');
  if (bar == std::string_view::npos)
    return {TextEdit::kNoBreak, {}};
  std::string result(kDash);
  result += text.substr(0, bar + 1);
  result += kDash;
  result += text.substr(bar + 1);
  return {TextEdit::kDone, std::move(result)};
}

TextEditResult MoveLastWordDown(std::string_view text) {
  const std::size_t bar = text.find('|');
  if (bar == std::string_view::npos)
    return {TextEdit::kNoBreak, {}};
  const std::size_t blank = bar == 0 ? std::string_view::npos : text.rfind(' ', bar - 1);
  if (blank == std::string_view::npos)
    return {TextEdit::kNoBlank, {}};
  std::string result(text.substr(0, blank));
  result += '|';
  result += text.substr(blank + 1, bar - blank - 1);
  result += ' ';
  result += text.substr(bar + 1);
  return {TextEdit::kDone, std::move(result)};
}

TextEditResult MoveFirstWordUp(std::string_view text) {
  const std::size_t bar = text.find('|');
  if (bar == std::string_view::npos)
    return {TextEdit::kNoBreak, {}};
  const std::size_t blank = text.find(' ', bar + 1);
  std::string result(text);
  if (blank == std::string_view::npos) {
    result[bar] = ' ';
  } else {
    result = std::string(text.substr(0, bar));
    result += ' ';
    result += text.substr(bar + 1, blank - bar - 1);
    result += '|';
    result += text.substr(blank + 1);
  }
  if (result.ends_with('|'))
    result.pop_back();
  return {TextEdit::kDone, std::move(result)};
}

std::optional<int64_t> ParseRowNumber(std::string_view text) {
  if (const std::optional<int32_t> n = text::TryStrToInt(text))
    return *n;
  return timecode::ParseFrameNumber(text);
}

bool ValidRowRange(std::string_view first, std::string_view last, int row_count, RowRange& range) {
  const std::optional<int64_t> f = ParseRowNumber(first);
  const std::optional<int64_t> l = ParseRowNumber(last);
  if (!f || !l || *f < 1 || *f > *l || *l > row_count)
    return false;
  range = {static_cast<int>(*f), static_cast<int>(*l)};
  return true;
}

int JumpTarget(std::string_view text, int row_count) {
  const std::optional<int64_t> n = ParseRowNumber(text);
  if (!n || *n < 1 || row_count < 1)
    return 0;
  return *n > row_count ? row_count : static_cast<int>(*n);
}

}  // namespace editor
