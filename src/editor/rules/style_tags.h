// Style tags and the internal clipboard on row texts.
//
// A row text holds its lines joined by "|". The style tags are "<i>", "<b>", "<u>" and their
// closing forms; the internal clipboard holds a piece of a row text. These transforms need no
// window: the editor's commands read the row, call one of them and store the result.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace editor {

struct TagPair {
  std::string_view open;
  std::string_view close;
};
inline constexpr TagPair kItalicTags{"<i>", "</i>"};
inline constexpr TagPair kBoldTags{"<b>", "</b>"};
inline constexpr TagPair kUnderlineTags{"<u>", "</u>"};

// Every opening and every closing tag of the pair goes, paired or not: «<i>A</i>|</i>B»
// gives «A|B».
std::string StripTagPair(std::string_view text, TagPair tags);
// Whether StripTagPair would change the text.
bool HoldsTagOf(std::string_view text, TagPair tags);

// The tags around the first occurrence of `piece`: «Hello world» with «world» and bold gives
// «Hello <b>world</b>». Nothing when `piece` is empty or not in the text.
std::optional<std::string> WrapFirstOccurrence(std::string_view text, std::string_view piece,
                                               TagPair tags);

// A closing italic tag left dangling at the end of a text without any opening one is dropped:
// «A</i>» gives «A», «<i>A</i>» stays. The cut and the paste store their result through it.
std::string DropDanglingItalic(std::string_view text);

// The row text after cutting `piece` out of it: its first occurrence goes (nothing when it is
// empty or absent), then a trailing "|".
std::string CutFirstOccurrence(std::string_view text, std::string_view piece);

// The row-text position of a text box's caret: the characters before it in row-text form
// (each CR LF line break of the box is one "|").
int RowPositionOfCaret(std::string_view memo_text, int caret);

// `piece` inserted into the row text at `position` (at the end when the position is beyond
// it).
std::string InsertAtPosition(std::string_view text, int position, std::string_view piece);

}  // namespace editor
