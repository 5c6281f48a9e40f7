#include "editor/rules/retime_rules.h"

#include <algorithm>
#include <optional>

#include "editor/rules/row_command_rules.h"
#include "platform/text/text.h"

namespace editor {

namespace {

std::optional<int64_t> StoredFrames(std::string_view value) {
  return timecode::ParseFrameNumber(value);
}

}  // namespace

RowSpan SwitchedToFrames(std::string_view start, std::string_view end, timecode::FrameRate rate) {
  auto frames = [rate](std::string_view own, std::string_view other) {
    if (!own.empty())
      return timecode::TimeCodeToFrames(own, rate);
    if (!other.empty())
      return timecode::TimeCodeToFrames(other, rate);
    return std::string("0");
  };
  return {frames(start, end), frames(end, start)};
}

RowSpan SwitchedToTimes(std::string_view start, std::string_view end, timecode::FrameRate rate) {
  const std::optional<int64_t> s = StoredFrames(start);
  const std::optional<int64_t> e = StoredFrames(end);
  auto time = [rate](std::optional<int64_t> own, std::optional<int64_t> other) {
    if (own)
      return timecode::FramesToTimeCode(*own, rate);
    if (other)
      return timecode::FramesToTimeCode(*other, rate);
    return std::string(timecode::kZeroTimeCode);
  };
  return {time(s, e), time(e, s)};
}

std::string ShiftedFrameValue(std::string_view value, int64_t amount) {
  const std::optional<int64_t> frames = StoredFrames(value);
  if (!frames)
    return std::string(value);
  // Stored frames and shifts have at most 18 digits: the sum cannot overflow.
  return timecode::ClampedFrameNumber(*frames + amount);
}

int64_t FrameShiftAmount(std::string_view digits) {
  // Past the largest frame number and any stored one (at most 12 digits), far from overflow.
  constexpr int64_t kPastEveryFrame = 1'000'000'000'000'000;
  return StoredFrames(digits).value_or(kPastEveryFrame);
}

std::string ShiftedTimeValue(std::string_view value, int64_t amount_ms) {
  return timecode::DayClampedTimeCode(timecode::TimeCodeToMs(value) + amount_ms);
}

std::string ConvertedFrameValue(std::string_view value, timecode::FrameRate from,
                                timecode::FrameRate to) {
  const std::optional<int64_t> frames = StoredFrames(value);
  if (!frames || *frames <= 0)
    return std::string(value);
  return text::IntToStr(timecode::ConvertFrameRate(*frames, from, to));
}

std::string ConvertedTimeValue(std::string_view value, timecode::FrameRate from,
                               timecode::FrameRate to) {
  const int64_t ms = timecode::TimeCodeToMs(value);
  if (value.empty() || ms <= 0)
    return std::string(value);
  return timecode::MsToTimeCode(
      std::min(timecode::ConvertFrameRate(ms, from, to), kLargestCheckedTimeMs));
}

std::vector<std::string> TargetRates(const std::vector<std::string>& sources,
                                     std::string_view chosen) {
  std::vector<std::string> targets;
  for (const std::string& rate : sources) {
    if (rate != chosen)
      targets.push_back(rate);
  }
  return targets;
}

int GaugePosition(int processed, int expected) {
  const int step = expected / 100;
  return step > 0 ? processed / step : 0;
}

bool IsZeroShift(std::string_view value) {
  return value == timecode::kZeroTimeCode || value == "0";
}

DetailedRange DetailedShiftRange(int current_row, int row_count, bool upwards, bool bounded,
                                 std::string_view to_row_text) {
  DetailedRange range;
  int first = upwards ? 1 : current_row;
  int last = upwards ? current_row : row_count;
  if (bounded) {
    const std::optional<int64_t> to_row = ParseRowNumber(to_row_text);
    if (!to_row || *to_row <= 0) {
      range.refusal = kAskLargerRow;
    } else if (upwards && *to_row > current_row) {
      range.refusal = kAskSmallerRow;
    } else if (!upwards && *to_row <= current_row) {
      range.refusal = kAskLargerRow;
    } else if (upwards) {
      first = static_cast<int>(*to_row);  // at most the current row
    } else {
      last = static_cast<int>(std::min<int64_t>(*to_row, row_count));
    }
  }
  range.first = std::max(first, 1);
  range.last = std::min(last, row_count);
  return range;
}

}  // namespace editor
