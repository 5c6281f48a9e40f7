// Rules of the translation workspace's line editors that need no window: which characters typed
// into a grid are handed to a line editor, the key filter of the start and end editors, the
// checks a value passes before it is stored, and the row a table follows the other one to.
#pragma once

#include <optional>
#include <string_view>

#include "timecode/checks.h"

namespace translation::rows {

// Grid columns and the line editors under them; kStoredColumn once a line editor stored a value.
inline constexpr int kStartColumn = 0;
inline constexpr int kEndColumn = 1;
inline constexpr int kTextColumn = 2;
inline constexpr int kStoredColumn = 4;

// One of "0123456789:,".
bool IsTimeChar(char ch);
// One of "0123456789".
bool IsFrameChar(char ch);

// The column whose line editor takes a character typed into the grid: the start and end take
// what the side's mode allows (time characters in "Time", digits otherwise), the text takes
// every printable character. nullopt when the character goes nowhere (also control characters,
// which the grid keeps for itself, and any column other than 0, 1, 2).
// With no character typed yet (0) the editor of the column is focused and keeps its content.
std::optional<int> RedirectTarget(int column, char ch, std::string_view mode);

// The character a start or end editor receives for a typed key: the time filter in "Time", the
// digit filter in "Frame", the key itself for any other mode. Escape means refused.
char FilterTimeEditorKey(char key, std::string_view mode);

// The check of a value about to be stored from the editor of `column`: a start or end is a time
// code ("Time") or a frame number (any other mode) of at most 12 characters; a text fits its
// 220 characters. A value that fails is not stored, so nothing is cut silently.
timecode::Check CheckStoredValue(int column, std::string_view text, std::string_view mode);

// The record number the other table moves to when this table's cursor stands on `rec_no`, or
// nullopt when it stays: it does not follow, is empty, or has fewer rows.
std::optional<int> CoupledRecNo(int rec_no, int other_count, bool follows);

}  // namespace translation::rows
