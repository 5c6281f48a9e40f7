// Rules of the passes that retime many rows at once: the Frame/Time switch, the shifts and the
// frame-rate conversion. Each takes a row's stored value and gives the value to store; none
// needs a window. Times are whole milliseconds, rates exact fractions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "timecode/timecode.h"

namespace editor {

// A row's start and end as stored.
struct RowSpan {
  std::string start;
  std::string end;

  bool operator==(const RowSpan&) const = default;
};

// The Frame/Time switch of one row. A missing value takes the other one's; a row with neither
// becomes "0" to "0" (frames) or "00:00:00,000" to "00:00:00,000" (times). A frame value that
// is not a number counts as missing.
RowSpan SwitchedToFrames(std::string_view start, std::string_view end, timecode::FrameRate rate);
RowSpan SwitchedToTimes(std::string_view start, std::string_view end, timecode::FrameRate rate);

// A stored frame number moved by `amount` frames (back when negative), written as
// ClampedFrameNumber. A value that is empty or not a number has nothing to move and is
// given back as it is.
std::string ShiftedFrameValue(std::string_view value, int64_t amount);

// The frames of a shift box that passed the frame-number check (digits only): its number, or,
// for a run of digits too long to read, a number past every frame number, so that the shift
// saturates as the number itself would.
int64_t FrameShiftAmount(std::string_view digits);

// A stored time code moved by `amount_ms` (back when negative), written as
// DayClampedTimeCode; an empty value counts as 0.
std::string ShiftedTimeValue(std::string_view value, int64_t amount_ms);

// A stored frame number scaled from one rate to another: a value above 0 becomes
// floor(value x to / from); 0 stays 0; an empty value, and one that is not a number, is
// given back as it is.
std::string ConvertedFrameValue(std::string_view value, timecode::FrameRate from,
                                timecode::FrameRate to);

// The largest time the time-code check accepts, 23:59:59,999.
inline constexpr int64_t kLargestCheckedTimeMs = timecode::kDayEndMs - 1;

// A stored time code scaled from one rate to another: a time above 0 becomes
// floor(ms x to / from) milliseconds, at most kLargestCheckedTimeMs; an empty value and a zero
// time are given back as they are.
std::string ConvertedTimeValue(std::string_view value, timecode::FrameRate from,
                               timecode::FrameRate to);

// The target rates offered for a source rate: the source list in its order without the
// chosen entry.
std::vector<std::string> TargetRates(const std::vector<std::string>& sources,
                                     std::string_view chosen);

// A pass's gauge position after `processed` of `expected` rows: processed div
// (expected div 100), and 0 while fewer than 100 rows are expected.
int GaugePosition(int processed, int expected);

// The shift box holds zero: "0" or "00:00:00,000".
bool IsZeroShift(std::string_view value);

// The detailed shift's range of rows, from the current row towards row 1 (`upwards`) or the
// last row: every row in that direction (`to_row` 0), or up to row `to_row`, both ends
// included. `refusal` is the message line when the range box is wrong, else empty.
struct DetailedRange {
  int first = 0;  // the lower row number of the range
  int last = 0;   // the higher one
  std::string refusal;
};
inline constexpr std::string_view kAskLargerRow = "Kérem nagyobb számot üssön be a darabhoz!";
inline constexpr std::string_view kAskSmallerRow = "Kérem kisebb számot üssön be a darabhoz!";
// `to_row_text` is the range box's text, read only when `bounded`.
DetailedRange DetailedShiftRange(int current_row, int row_count, bool upwards, bool bounded,
                                 std::string_view to_row_text);

}  // namespace editor
