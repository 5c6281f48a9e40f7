// Building blocks of the export layouts: splitting a row text into lines, removing and
// converting style tags, and the renderings of a row's start and end times.
//
// Texts are Windows-1250 bytes; positions are 1-based. A row text holds its lines joined by
// "|" and the style tags "<i>", "</i>", "<b>", "</b>", "<u>", "</u>" (only these exact
// lower-case spellings are tags).
//
// Times come in as time codes "HH:MM:SS,mmm". An empty time, and a text that is not a time
// code, is taken as "00:00:00,000". Every rendering works in whole milliseconds.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace files {

// ---- Row text ----------------------------------------------------------------------------

// The first three lines of a row text and how many of them there are (0 to 3).
struct RowLines {
  std::string line1;
  std::string line2;
  std::string line3;
  int count = 0;

  bool operator==(const RowLines&) const = default;
};

// Splits at "|": "" gives count 0; a text without "|" is line 1 (count 1); "a|b" gives
// count 2; "a|b|c" and longer give count 3 with the pieces after the third "|" dropped.
// Pieces may be empty ("a||b", "a|").
RowLines SplitRowText(std::string_view text);

// Line 1, then `separator` and line 2 when the count is above 1, then `separator` and
// line 3 when it is above 2. Empty for the count 0.
std::string JoinRowLines(const RowLines& lines, std::string_view separator);

// Deletes `count` characters from `position` on, at most to the end of the text; a position
// outside the text or a count below 1 deletes nothing.
void DeleteChars(std::string& text, int position, int count);

// Inserts `piece` before character 34; a text shorter than 33 characters gets it appended.
void InsertAt34(std::string_view piece, std::string& text);

// ---- Style tags ----------------------------------------------------------------------------

// Removes "</i>", "</b>" and "</u>", repeating until none is left; opening tags stay.
std::string StripClosingTags(std::string_view text);

// Removes all six tags, repeating until none is left (so "<<i>i>" loses both).
std::string StripFormatTags(std::string_view text);

// "<i>" -> "{\i1}", "</i>" -> "{\i0}", "<b>" -> "{\b1}", "</b>" -> "{\b0}"; the underline
// tags stay.
std::string TagsToSsaCodes(std::string_view text);

// As TagsToSsaCodes, and "<u>" -> "{\u1}", "</u>" -> "{\u0}".
std::string TagsToAssCodes(std::string_view text);

// ---- Time forms ----------------------------------------------------------------------------

// The renderings of a time code, shown for 01:02:03,456. The "H" forms write the hours
// without a leading zero, and all of their digits from 10 hours on (12:00:00 stays 12:00:00).
// FF is the frame inside the second at a fixed 25 frames a second: the three millisecond
// digits divided by 40, two digits (00 to 24).
enum class TimeForm {
  kHhMmSs,             // 01:02:03
  kHMmSs,              // 1:02:03
  kHhMmSsColonCc,      // 01:02:03:45
  kHhMmSsDotCc,        // 01:02:03.45
  kHMmSsDotCc,         // 1:02:03.45
  kHhMmSsDotD,         // 01:02:03.4
  kHMmSsDotD,          // 1:02:03.4
  kHhMmSsFf,           // 01:02:03:11
  kHhMmSsFfSemicolon,  // 01;02;03;11
  kHMmSsMmm,           // 10203456
  kTimeCode,           // 01:02:03,456
  kMsText,             // 3723456 (SecondsToMsText)
  kDeciseconds,        // 37234 (SecondsToDecisecondsText)
  kCentiseconds,       // 372345 (SecondsToCentisecondsText)
  kPanimator,          // 3723 45 (SecondsToPanimatorTime)
  kLrc,                // 62:03.45 (SecondsToLrcTime)
};

// The time code in the given form.
std::string ExportTime(std::string_view time_code, TimeForm form);

// Whole milliseconds of a time code, the fields read as written; 0 for an empty text.
int64_t ExportTimeCodeToMs(std::string_view time_code);

// Renderings of a time held in whole milliseconds (0 or more). W is the whole seconds,
// mmm the three millisecond digits.
std::string SecondsToMsText(int64_t ms);            // W + mmm; exactly "0" for 0
std::string SecondsToDecisecondsText(int64_t ms);   // W + the first digit of mmm
std::string SecondsToCentisecondsText(int64_t ms);  // W + the first two digits of mmm
std::string SecondsToPanimatorTime(int64_t ms);     // W (at least 2 digits), " ", 2 digits
// Total minutes (at least 2 digits, as many as needed), ":", seconds (2 digits), ".",
// the first two digits of mmm.
std::string SecondsToLrcTime(int64_t ms);

// The frame digits FF of a start and an end time code.
struct FramePair {
  std::string start;
  std::string end;

  bool operator==(const FramePair&) const = default;
};
FramePair MsDigitsToFramePair(std::string_view start, std::string_view end);

}  // namespace files
