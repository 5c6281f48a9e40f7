// The shapes of the lines a subtitle reader meets, and the small text rules of reading.
// Pure functions: they judge and cut texts and touch no row.
//
// Positions in the comments count from 1, as the file formats are described.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "timecode/timecode.h"

namespace files {

// ---- SubRip time lines ------------------------------------------------------------------
// "00:00:01,000 --> 00:00:02,000": ":" at 3, 6, 20 and 23, "-->" at 14-16, a separator at 9
// and at 26; the line must be long enough to hold both times (29 characters).
inline constexpr std::size_t kTimeLineLength = 29;

// The wide form: the separators at 9 and 26 may be ",", "." or ":".
bool IsWideTimeLine(std::string_view line);
// The narrow form: only "," or ":" at 9 and 26.
bool IsNarrowTimeLine(std::string_view line);

struct TimeLineTimes {
  std::string start;
  std::string end;
  // timecode::TimeCodeMs of each (timecode::kNoTimeCode for a time of another shape).
  std::int64_t start_ms = timecode::kNoTimeCode;
  std::int64_t end_ms = timecode::kNoTimeCode;
};
// The two times of a time line (of either form), written back with ":" and ",":
// characters 1-2, 4-5, 7-8, 10-12 and 18-19, 21-22, 24-25, 27-29. The digits are not judged
// (a position past the end of a line of another shape reads as a NUL byte).
TimeLineTimes ReadTimeLine(std::string_view line);
// One of them, from `from` (0-based: 0 or 17), into `time`; gives its milliseconds.
std::int64_t ReadTimeLineTime(std::string_view line, std::size_t from, std::string& time);

// ---- Frame-based lines ------------------------------------------------------------------
// {start}{end}text. A "{" met while a frame value is collected is skipped ("{{10}{20}x" is
// 10, 20, "x"); the text is the rest of the line after the second "}", braces included.
enum class FrameLineShape {
  kRefused,      // does not begin with "{", or a frame value is not a frame number
  kNoFrame,      // no "}" at all: nothing to read
  kStartOnly,    // one "}"
  kStartAndEnd,  // two "}"
};
struct FrameLine {
  FrameLineShape shape = FrameLineShape::kRefused;
  std::string start;
  std::string end;
  std::string text;
};
FrameLine ParseFrameLine(std::string_view line);

// A frame value as written in a file: decimal digits only, at most 2147483647.
bool IsFrameValue(std::string_view value);

// ---- SubViewer-like time lines -------------------------------------------------------
// "00:00:01.50,00:00:03.00" as two time codes, the hundredths made milliseconds by a trailing
// "0"; nullopt for a line of another form.
std::optional<TimeLineTimes> ReadSubViewerTimes(std::string_view line);

// Every "[br]" becomes "|".
std::string ReplaceBrTags(std::string_view text);

// The option `Max2`'s rule: a row text without up to two leading line breaks ("|").
std::string_view WithoutLeadingBreaks(std::string_view text);

// ---- Row texts ---------------------------------------------------------------------------
// One round of the blank rules: the first "  " loses a blank, the first " ," loses its blank,
// the first " |" loses its blank, the first "| " loses its blank. True when anything changed.
bool TrimSubtitleText(std::string& text);
// TrimSubtitleText repeated until nothing changes, in one pass: runs of blanks become one
// blank, and no blank stays before "," or "|" or after "|".
void TrimSubtitleTextFully(std::string& text);
// The same for a text whose first `trimmed` characters were already trimmed fully (a text
// that grew since its last trim): only the part from there on is looked at, so trimming a
// growing text after every addition stays linear in its length.
void TrimSubtitleTextFrom(std::string& text, std::size_t trimmed);

// The first 9 characters followed by "...".
std::string ShortenForDisplay(std::string_view text);

}  // namespace files
