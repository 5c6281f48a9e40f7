// The rules behind the editor's row commands that need no window: the times of a new row, the
// division of a row's span, the texts of merged rows, dialogue dashes and the word moves across
// a row's first line break, and the checks of a range of rows to delete.
//
// Times are the texts a row stores: frame numbers in the "Frame" time base, time codes in the
// "Time" base. An empty or malformed value counts as 0 wherever a new value is computed from it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "timecode/timecode.h"

namespace editor {

// Start and end of a row inserted before the current row, from the current row's start K:
// "Frame": K - 10 (or "0" when that is not above 0) to K; any other base: K to K.
timecode::RowTimes NewRowTimesBefore(std::string_view time_base, std::string_view current_start);

// Start and end of a row inserted after the current row, from its end E. At the last row:
// "Frame" gives E to E + 10 (the end stays empty when E is), "Time" gives E to E + 1 second.
// Elsewhere "Frame" and "Time" give E to E. Another time base gives two empty values.
timecode::RowTimes NewRowTimesAfter(std::string_view time_base, std::string_view current_end,
                                    bool at_last);

// The values an appended row takes where NewRowTimesAfter left one empty: "0" in "Frame",
// "00:00:00,000" in "Time"; another base keeps the empty values.
timecode::RowTimes FillEmptyTimes(std::string_view time_base, timecode::RowTimes times);

// The time code at `part` / `parts` of the span from `start` to `end` (time codes), cut to whole
// milliseconds: "00:00:10,000" to "00:00:13,000" at 1/3 gives "00:00:11,000". A point before 0
// gives "00:00:00,000".
std::string DividedTime(std::string_view start, std::string_view end, int part, int parts);

// A line spoken in a dialogue: "- " in front, or right after a leading "<i>".
std::string DialogueLine(std::string_view text);

// "ÖV": the previous row's text, a line break and the merged row's text.
std::string MergedText(std::string_view previous, std::string_view merged);
// "ÖV-": both made dialogue lines: "A" and "B" give "- A|- B".
std::string MergedDialogueText(std::string_view previous, std::string_view merged);
// The second texts of two merged rows: joined by a line break as the row texts are (each as a
// dialogue line with `dialogue`), or the non-empty one alone.
std::string MergedSecondText(std::string_view previous, std::string_view merged, bool dialogue);

// "-|-": a dash in front of the text and after its first line break ("A|B|C" gives
// "- A|- B|C"). Nothing when the text has no line break.
enum class TextEdit { kDone, kNoBreak, kNoBlank };
struct TextEditResult {
  TextEdit outcome = TextEdit::kDone;
  std::string text;  // the new text when done
};
TextEditResult DialogueDashes(std::string_view text);

// "1. sor utolsó szava": the last word of line 1 goes to the front of line 2 ("abc def|ghi"
// gives "abc|def ghi"). kNoBreak without a line break, kNoBlank when line 1 has no blank.
TextEditResult MoveLastWordDown(std::string_view text);
// "2. sor első szava": the first word after the first line break goes to the end of line 1
// ("abc|def ghi" gives "abc def|ghi"; "abc|def" gives "abc def"). kNoBreak without a line
// break.
TextEditResult MoveFirstWordUp(std::string_view text);

// A row number typed by the user (range window, jump box, detailed shift), read in 64 bits so
// that a number past the int range still compares as the number it is: a whole number as
// StrToInt reads it, or a run of up to 18 digits. nullopt for anything else.
std::optional<int64_t> ParseRowNumber(std::string_view text);

// The rows to delete as typed into the range window: both whole numbers with
// 1 <= first <= last <= row_count.
struct RowRange {
  int first = 0;
  int last = 0;
};
bool ValidRowRange(std::string_view first, std::string_view last, int row_count, RowRange& range);

// The jump box: the row to go to for its text, or 0 for none (not a number, below 1, or an
// empty table). A number above the row count gives the last row.
int JumpTarget(std::string_view text, int row_count);

}  // namespace editor
