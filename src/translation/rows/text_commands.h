// Rules of the translation workspace's row and text commands that need no window: where an
// inserted row lands, the style tags a toggle adds or removes, the line separator, and the
// search through one side's texts.
//
// Every text stays within its 220 characters: a command whose result would be longer is refused
// (nullopt, or `refused`) rather than cut.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "editor/rules/style_tags.h"

namespace translation::rows {

// ---- Inserting an empty row -------------------------------------------------------------------

enum class InsertCommand {
  kPopupAfter,   // "Sor beillesztése az aktuális sor után": next row, then insert
  kPopupBefore,  // "Sor beillesztése az aktuális sor elé": previous row, then insert
  kBefore,       // "Egy sor beszúrása az aktuális sor elé": insert
  kAfter,  // "Egy sor beszúrása az aktuális sor mögé": append on the last row, else next, insert
};

// The record number the new row has once inserted, with the cursor on `rec_no` of `row_count`
// rows; row_count + 1 means appended. nullopt when the command does nothing (the two popup items
// on an empty table).
std::optional<int> InsertedRowPosition(InsertCommand command, int rec_no, int row_count);

// ---- Style tags ------------------------------------------------------------------------------

// The editor's style tag pairs.
using editor::kBoldTags;
using editor::kItalicTags;
using editor::kUnderlineTags;
using editor::TagPair;

// The text without the first opening tag and then the first closing tag left; nullopt when the
// text holds no opening tag (the row is not touched, a closing tag in it stays).
std::optional<std::string> WithoutTagPair(std::string_view text, TagPair tags);

// "Minden formázás eltávolítása": the first pair of italic, then bold, then underline removed.
std::string WithoutStyleTags(std::string_view text);

struct TagToggle {
  std::optional<std::string> text;  // the row's new text; nullopt: the row is not touched
  bool checked = false;             // the style item's check mark afterwards
  bool refused = false;             // the wrapped text would not fit: nothing changed
};

// A style item used on a row's text: a ticked item removes its pair and is unticked (also when
// the text had none), an unticked one wraps the whole text and is ticked.
TagToggle ToggleTag(std::string_view text, TagPair tags, bool checked);

// ---- Texts ------------------------------------------------------------------------------------

// Whether a text fits the row's text field.
bool FitsRowText(std::string_view text);

// The "|" button: the text with the line separator appended; nullopt when it would not fit.
std::optional<std::string> WithLineSeparator(std::string_view text);

// ---- Search -------------------------------------------------------------------------------------

// Whether `text` holds `needle`, with A-Z folded to a-z on both sides (no other letter is
// folded). An empty needle is never found.
bool ContainsIgnoringAsciiCase(std::string_view text, std::string_view needle);

// The first row after `current`, up to `row_count` (rows counted from 1), whose text holds
// `needle` as ContainsIgnoringAsciiCase finds it; nullopt when none does. There is no
// wrap-around.
std::optional<int> FindNextRow(int current, int row_count,
                               const std::function<std::string_view(int row)>& text_of,
                               std::string_view needle);

}  // namespace translation::rows
