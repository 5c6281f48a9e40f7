// Line breaking: the text routines that re-break, join and cut a row's lines at the letter
// limit, and the aggressive breaking and four-line splitting of one row, with the re-timing of
// the rows a split makes.
//
// A row text holds its lines joined by "|". Positions are 1-based; a position outside the text
// reads as no character, so no search goes below position 1 or past the end. `limit` is the
// letter limit T (the editor's `SEbetu`). The routines that name a counter add 1 to it for
// every line break they place.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "corrections/rules/change_list.h"

namespace corrections {

// ---- Text routines ----------------------------------------------------------------------------

// A one-line text longer than T and shorter than 2T - 1 gets a line break at the blank nearest
// its middle where both lines fit (or, failing that, the nearest blank).
void BreakAtBlankNearMiddle(std::string& text, int limit, int& counter);
// The first line break becomes a blank and the text is broken as BreakAtBlankNearMiddle does;
// when no break is placed the text is left as it was.
void RebreakAtBlankNearMiddle(std::string& text, int limit, int& counter);
// A text longer than T and shorter than 2T - 1 gets one line break near its middle, after a
// punctuation mark in preference to at a blank, before the middle in preference to after it.
void BreakOnceNearMiddle(std::string& text, int limit, int& counter);
// Cuts a one-line text into two pieces after a punctuation mark near its middle, else after a
// blank; a piece longer than T is broken once. Without a place to cut both pieces stay empty.
void SplitAtPunctuation(std::string& text, int limit, std::string& piece1, std::string& piece2,
                        int& counter);
// The first two line breaks become blanks.
void JoinFirstTwoBreaks(std::string& text);
// Lines 1 and 2 joined, when the joined line is shorter than T; else the text stays.
bool TryJoinLines12(std::string& text, int limit);
// Lines 2 and 3 joined, when the joined line is at most T long; else the text stays.
bool TryJoinLines23(std::string& text, int limit);

// ---- Rows -------------------------------------------------------------------------------------

// A row as the line breaking sees it: its start and end time codes and its main text.
struct RowView {
  std::string start;
  std::string end;
  std::string text;
};

struct BreakCounters {
  int one_line = 0;
  int two_line = 0;
  int three_line = 0;
  int unbreakable = 0;
};

// What becomes of one row: nothing (no rows), its text changed in place (one row with the same
// times), or a split into two or three consecutive rows with their new times.
struct RowBreak {
  std::vector<RowView> rows;
};

// Integer length ratio of a piece, in hundredths: Trunc(piece / whole × 100).
int LengthRatio(std::string_view piece, std::string_view whole);

// The two rows of a split with the ratio in hundredths: the cut shares the row's span in that
// ratio, moved so that neither part lasts less than half a second when the other can spare it.
// The entry ("Javítás jellege: KIND soros" and both parts' times and texts) goes to `list`.
RowBreak RetimeTwoRowSplit(const RowView& row, int row_number, std::string_view kind,
                           std::string piece1, std::string piece2, ChangeList& list);
// The three rows of a split, the first two sharing the span by their ratios; no half-second
// adjustment.
RowBreak RetimeThreeRowSplit(const RowView& row, int row_number, std::string piece1,
                             std::string piece2, std::string piece3, ChangeList& list);

// The aggressive breaking of one row.
RowBreak BreakRowAggressively(const RowView& row, int row_number, int limit,
                              BreakCounters& counters, ChangeList& list);
// A row of exactly four lines (a fourth line, no fifth) becomes two rows of two lines.
RowBreak SplitFourLineRow(const RowView& row, int row_number, ChangeList& list);

}  // namespace corrections
