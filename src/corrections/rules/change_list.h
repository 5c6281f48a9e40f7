// The change list: what a correction did, entry by entry, as the result list shows it.
//
// An entry is a group of lines that begins with an empty line (the general fixer's tag-span
// removal begins its entries with a line holding one blank). A text-change entry reads
//
//   (empty)
//   Melyik sorban volt: ROW
//   Miből: TEXT BEFORE        (or "Kritikus sor: " / "Törölve a sor: " + the text)
//   Mire:   TEXT AFTER        (changed rows only; the label differs between writers)
#pragma once

#include <string>
#include <string_view>

#include "platform/text/line_list.h"

namespace corrections {

using ChangeList = text::LineList;

// What happened to the row an entry names.
enum class EntryKind {
  kChanged,   // "Miből: " + the text before the change
  kCritical,  // "Kritikus sor: " + the text, left unchanged
  kDeleted,   // "Törölve a sor: " + the text of the deleted row
};

// The "Mire" labels of the writers.
inline constexpr std::string_view kAfterLabel = "Mire:   ";
inline constexpr std::string_view kAfterLabelWide = "Mire  : ";

// The longest text a row holds; an edit that would grow a text past it is not made.
inline constexpr int kRowTextLimit = 220;

// Starts an entry: an empty line, "Melyik sorban volt: " + row, then the kind's line.
void LogRowChange(ChangeList& list, EntryKind kind, int row, std::string_view text);

// Adds the line "Melyik sorban volt: " + row.
void AddRowLine(ChangeList& list, int row);

}  // namespace corrections
