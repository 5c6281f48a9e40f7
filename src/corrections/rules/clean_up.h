// The clean-up commands' rules, each over one row's working text (corrections/rules/
// logged_edits.h). A rule that changes the text writes its change-list entry and counts its
// findings; storing the text in the row is the command's business.
#pragma once

#include <string>
#include <string_view>

#include "corrections/rules/logged_edits.h"

namespace corrections {

// The accented capitals and small vowels and their plain counterparts.
inline constexpr std::string_view kAccentedUpperVowels = "ÁÉÍÓÖŐÚÜŰ";
inline constexpr std::string_view kPlainUpperVowels = "AEIOOOUUU";
inline constexpr std::string_view kAccentedLowerVowels = "áéíóöőúüű";
inline constexpr std::string_view kPlainLowerVowels = "aeiooouuu";

// The dialogue dashes of one row; gives the dash count and the move count of the row.
struct DialogueDashCounts {
  int dashes = 0;
  int moves = 0;
};
DialogueDashCounts FixDialogueDashes(WorkingText& working);

// A blank after ".", ",", "!" and "?" where a sentence goes on; one finding per blank.
void InsertBlanksAfterPunctuation(WorkingText& working);
// The walk of one mark from `start` (1-based): "." or "," with their exceptions.
void InsertSpaceAfterPeriodComma(char mark, WorkingText& working, int start);
// The same for "!" or "?".
void InsertSpaceAfterExclamQuestion(char mark, WorkingText& working, int start);

// A short row of two or more lines without a dash becomes one line.
void JoinShortRow(WorkingText& working);

// "l'" and a lone "l" at a word start become "I" (the first two of each).
void LowerLToCapitalI(WorkingText& working);

// Accented vowels to plain ones; one finding per character, no entry.
void RemoveAccents(WorkingText& working);
// Capitals (accented ones too) to small letters; one finding per character, no entry.
void LowerAllLetters(WorkingText& working);

// A one-line row of 38 to 72 characters is broken at the blank nearest its middle.
void HalveLine(WorkingText& working);

// One turn of the blank removal before "?", "!" and "." (each on its first occurrence).
void RemoveBlanksBeforeMarks(WorkingText& working);

}  // namespace corrections
