// The logged edits: small changes to a correction's working copy of a row text, each of which
// writes one complete change-list entry.
//
// A correction reads a row's text into a WorkingText and hands it to its rules; each logged
// edit changes the text, sets `changed`, adds one finding and writes its entry (the text
// before, then "Mire:   " + the text after). Storing the result in the row is the correction
// frame's business: it stores the working text once the rules are through with it.
//
// Positions are 1-based. Deleting from a position outside the text deletes nothing, a count
// that runs past the end deletes to the end; inserting past the end appends, at 0 or below
// inserts at the front. An edit that would make the text longer than kRowTextLimit is not
// made (it gives false): the row could not hold it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "corrections/rules/change_list.h"

namespace corrections {

struct WorkingText {
  std::string text;
  int row = 0;                 // the row number the entries name
  ChangeList* list = nullptr;  // where the entries go
  bool changed = false;        // set by every edit
  int findings = 0;            // one per edit (a deleted row counts two in the fixer)
  bool row_deleted = false;    // the row is to go: the frame deletes it
};

// The character at `pos`; '\0' outside the text, so a test of the character before the
// first or after the last one reads as "no character".
char CharAt(const WorkingText& working, int pos);
// The first occurrence of `pattern` (1-based), 0 when absent.
int Find(const WorkingText& working, std::string_view pattern);
// The occurrence at `pos` of a pattern of `length` characters ends the text.
bool EndsText(const WorkingText& working, int pos, int length);

bool LoggedDeleteChar(WorkingText& working, int pos);
bool LoggedReplaceChar(WorkingText& working, int pos, char ch);
// The character at `pos` becomes `ch` and a blank is inserted after it.
bool LoggedReplaceCharAddBlank(WorkingText& working, int pos, char ch);
bool LoggedInsertBlank(WorkingText& working, int pos);
bool LoggedDeleteSpan(WorkingText& working, int pos, int count);
// Deletes `count` characters from `pos`; then a blank or line break now at `pos` goes too.
bool LoggedDeleteSpanWithBlank(WorkingText& working, int pos, int count);
// The same edit unlogged: only `changed` is set.
bool DeleteSpanWithBlank(WorkingText& working, int pos, int count);
// Deletes `count` characters from `pos` and inserts `replacement` there (count 0 inserts).
bool LoggedReplaceSpan(WorkingText& working, int pos, int count, std::string_view replacement);
// Deletes the character at `pos`, then a blank now at `pos`, then a line break left at the
// end of the text just before `pos`.
bool LoggedDeleteCharTidy(WorkingText& working, int pos);
// Deletes the "." at `pos` and every "." that follows it.
bool LoggedDeleteDots(WorkingText& working, int pos);
// The blank at `pos` becomes a line break and the line break at `pos` + 2 a blank: the
// one-character word between them opens the next line.
bool MoveDashToNextLine(WorkingText& working, int pos);
// Counts first, then logs `text`, puts a line break at `pos` and writes the entry with the
// "Mire  : " label; the working text becomes the broken text.
bool ApplyLineBreakAt(WorkingText& working, std::string_view text, int pos);
// Logs the row as deleted ("Törölve a sor: ") and marks it to go; the working text empties.
void LoggedDeleteRow(WorkingText& working);

// Lengths of lines 1 to 5 of a row text, as the row panel measures them: 0 for an absent
// line; a sixth or later line is not recorded.
using LineLengths = std::array<int, 5>;
LineLengths MeasureLines(std::string_view text);
// Exactly two lines: lines 1 and 2 are not empty, lines 3 to 5 are.
bool HasExactlyTwoLines(const LineLengths& lengths);

}  // namespace corrections
