// Text rules of the second-text column that need no window: italics on and off, cutting a
// selection out of a cell, and merging a cell into the one above.
#pragma once

#include <string>
#include <string_view>

namespace editor {

// Italics of a second text: `italic` (the item ticked) takes the first "<i>" and then the first
// "</i>" of what is left away when the text holds either tag; otherwise the text is wrapped
// in "<i>" and "</i>".
std::string ToggleSecondTextItalics(std::string_view text, bool italic);

// A text box's selection as a row text: LF becomes "|", CR and NUL are dropped.
std::string SelectionToRowText(std::string_view selection);

// A closing "</i>" at the end of a text that holds no "<i>" is dropped.
std::string DropLoneClosingItalic(std::string_view text);

// What a cell keeps after `part` was cut out of it: the first occurrence of `part` goes, then
// a trailing "|", then a lone closing "</i>".
std::string TextAfterCut(std::string_view text, std::string_view part);

// The cell above merged with the current one: "above|current", or with `dialogue`
// "- above|- current" (whatever the texts already begin with).
std::string MergedSecondTextCell(std::string_view above, std::string_view current, bool dialogue);

}  // namespace editor
