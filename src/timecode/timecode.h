// Time codes, frame numbers and frame rates.
//
// A subtitle row keeps its times as text: a time code "HH:MM:SS,mmm" (exactly 12 characters,
// ':' at positions 3 and 6, ',' at 9, digits elsewhere) in a time-based subtitle, a frame
// number (decimal, no leading zero) in a frame-based one. Everything here counts in whole
// milliseconds and exact fractions of frames; floating point never decides a millisecond or
// a frame. Conversions truncate, nothing rounds.
//
// A text that is not a well-formed time code converts as 0; no conversion reads outside its
// text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace timecode {

inline constexpr std::string_view kZeroTimeCode = "00:00:00,000";
inline constexpr std::string_view kDayEndTimeCode = "24:00:00,000";
inline constexpr int64_t kDayEndMs = 86'400'000;
// The largest time a time code can hold with two hour digits, 99:59:59,999. Longer times
// are written as this value.
inline constexpr int64_t kMaxTimeCodeMs = 359'999'999;
// Frame numbers are typed with at most 6 digits; shifts stop here.
inline constexpr int64_t kMaxFrameNumber = 999'999;

// ---- Frame rates ------------------------------------------------------------------------

// A frame rate as an exact fraction of frames per second: "23,976" is 23976/1000.
struct FrameRate {
  int64_t numerator = 0;
  int64_t denominator = 1;
};

// Reads a rate text with a decimal comma ("25", "23,976", "12,5"): digits, optionally ','
// and more digits, at most 6 on each side. nullopt for anything else and for a zero rate.
std::optional<FrameRate> ParseFrameRate(std::string_view text);

// ---- Time codes ---------------------------------------------------------------------------

// True when the text has the shape of a time code (any two digits in every field).
bool IsTimeCodeShape(std::string_view text);

// Whole milliseconds of a text of the time-code shape, as TimeCodeToMs reads them; kNoTimeCode
// for a text of another shape. (A plain number: it is asked for on every row a file holds.)
inline constexpr int64_t kNoTimeCode = -1;
int64_t TimeCodeMs(std::string_view text);
// TimeCodeMs of the time code that twelve bytes make once their separators are ":", ":" and
// ","; kNoTimeCode for a text of another length or a digit's place that holds none.
int64_t TimeCodeDigitsMs(std::string_view text);

// Whole milliseconds of a time code; the fields are taken as written, so "00:99:00,000" is
// 99 minutes. The empty text, "00:00:00,000" and a text of another shape give 0.
int64_t TimeCodeToMs(std::string_view time_code);

// Seconds of a time code: TimeCodeToMs / 1000, the double nearest to the exact value.
double TimeCodeToSeconds(std::string_view time_code);

// The time code of a number of milliseconds. Below 0 gives "00:00:00,000", above
// kMaxTimeCodeMs gives "99:59:59,999".
std::string MsToTimeCode(int64_t ms);

// Whole milliseconds of a number of seconds, cut after the third decimal of the number as it
// prints with 15 significant digits: 5.3 (held as a hair below 5.3) gives 5300, 4.1708375
// gives 4170, a value a hair below 5 that prints as "5" gives 5000. Negative values, values
// below a millisecond and NaN give 0; large values stop at kMaxTimeCodeMs.
int64_t SecondsToMs(double seconds);

// MsToTimeCode(SecondsToMs(seconds)).
std::string SecondsToTimeCode(double seconds);

// The time code of a shifted time: below 0 gives "00:00:00,000", above kDayEndMs gives
// "24:00:00,000", otherwise MsToTimeCode.
std::string DayClampedTimeCode(int64_t ms);

// The start and end of a row moved back by `shift_ms` (forward when negative), each clamped
// as DayClampedTimeCode. The texts are read with TimeCodeToMs, so an empty one counts as 0.
struct RowTimes {
  std::string start;
  std::string end;
};
RowTimes ShiftRowTimes(std::string_view start, std::string_view end, int64_t shift_ms);

// ---- Frame numbers --------------------------------------------------------------------------

// The value of a text of decimal digits only (at most 18); nullopt for anything else,
// including the empty text. Leading zeros are read, not judged (see ValidateFrameNumber).
std::optional<int64_t> ParseFrameNumber(std::string_view text);

// The text of a shifted frame number: below 0 gives "0", above kMaxFrameNumber "999999".
std::string ClampedFrameNumber(int64_t frames);

// The frame shown at a time: floor(ms x rate / 1000). 0 for a rate that is not positive.
int64_t MsToFrames(int64_t ms, FrameRate rate);

// The time of a frame in whole milliseconds: floor(frames x 1000 / rate). 0 for a rate that
// is not positive.
int64_t FramesToMs(int64_t frames, FrameRate rate);

// The frame number text of a time code: MsToFrames(TimeCodeToMs(time_code)) as decimal text.
std::string TimeCodeToFrames(std::string_view time_code, FrameRate rate);

// The time code of a frame number: MsToTimeCode(FramesToMs(frames)).
std::string FramesToTimeCode(int64_t frames, FrameRate rate);

// A frame count or a time moved from one frame rate to another: floor(value x to / from).
// 0 when either rate is not positive.
int64_t ConvertFrameRate(int64_t value, FrameRate from, FrameRate to);

}  // namespace timecode
