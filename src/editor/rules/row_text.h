// Row texts as the row panel measures and shows them.
//
// A row text holds a subtitle's lines joined by "|". These helpers measure its lines, build
// the letter-count label of the panel, convert between a text box's lines and a row text,
// and decide the two row flags. They need no window.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace editor {

// Lengths of lines 1 to 5 of a row text; 0 for an absent line, a sixth line is not recorded.
// A length above 255 is held as 255.
using LineLengthArray = std::array<std::uint8_t, 5>;
LineLengthArray SplitLineLengths(std::string_view row_text);

// The lines of a row text (an empty text is one empty line).
std::vector<std::string> RowTextLines(std::string_view row_text);

// The letter-count label: "Hi" gives "2 betű", "Hello|world" gives "5+5=10 betű", "a||b"
// gives "1+0+1=2 betű", the empty text "0 betű". The separators are not counted; style tags
// are.
std::string LetterCountLabel(std::string_view row_text);
// The label of a row without text.
inline constexpr std::string_view kEmptyRowLabel = "0=0 betű";

// A text box's text as a row text: CR is dropped, LF becomes "|".
std::string MemoTextToRowText(std::string_view memo_text);
// A row text as a text box shows it after loading: its lines joined by CR LF.
std::string RowTextToMemoText(std::string_view row_text);

// The rule of the option "Ha (max.2) sortöréssel kezdődik a sor->sortörés törlése": at most
// two leading "|" are removed.
std::string DropLeadingBreaks(std::string_view row_text);

struct RowFlags {
  bool long_line = false;   // `betu38`: one of the first five lines is longer than the limit
  bool many_lines = false;  // `sor3`: line 3, 4 or 5 is not empty
};
RowFlags MeasureRowFlags(const LineLengthArray& lengths, int letter_limit);
// The same as MeasureRowFlags(SplitLineLengths(row_text), letter_limit).
RowFlags MeasureRowFlags(std::string_view row_text, int letter_limit);

// The flag field's value for a flag.
inline std::string_view FlagValue(bool on) {
  return on ? "t" : "";
}

}  // namespace editor
