// The matching rules of the editor's three searches and of the replacement, on one row text.
//
// Positions are 1-based, as the row texts are measured elsewhere; 0 means "no match". Ignoring
// case means the ASCII letters A-Z only, except in the editor's own search box, which also
// folds the nine accented capitals. None of these needs a window.
#pragma once

#include <string>
#include <string_view>

namespace editor {

// The 70 letters of the whole-word test: the 35 small letters of the Hungarian alphabet
// (with q, w, x, y) followed by their 35 capitals.
inline constexpr std::string_view kHungarianLetters =
    "aábcdeéfghiíjklmnoóöőpqrstuúüűvwxyzAÁBCDEÉFGHIÍJKLMNOÓÖŐPQRSTUÚÜŰVWXYZ";
bool IsHungarianLetter(char c);

// True when the match of `length` characters at `pos` in `text` is a whole word: neither the
// character before it nor the one after it is a letter of kHungarianLetters. The edges of the
// text bound a word.
bool IsWholeWordMatch(int pos, int length, std::string_view text);

// Every "|" (line break) of a row text as a blank; the length stays.
std::string BreaksAsBlanks(std::string_view row_text);

// ---- The editor's search box ---------------------------------------------------------------

// Position of `search` in `row_text` with both folded (ASCII case and the accented
// capitals), line breaks as blanks when `ignore_breaks`; 0 when absent or `search` is empty.
int EditorSearchPos(std::string_view row_text, std::string_view search, bool ignore_breaks);

// Where "Ugrás a szóra" selects the match in the text memo, whose line breaks are CR LF.
struct MemoSelection {
  int start = 0;  // 0-based, in the memo's characters
  int length = 0;
};
// The selection of the first match of `search` in `row_text` found by the editor's search.
// The plain lower-cased match is taken when there is one; a row found only through the
// accent folding or the ignored line breaks gets its folded match, a break inside it
// counted as the memo's two characters.
MemoSelection EditorSearchSelection(std::string_view row_text, std::string_view search,
                                    bool ignore_breaks);

// ---- The detailed search -----------------------------------------------------------------

struct DetailedSearchOptions {
  bool case_sensitive = false;  // "Kis- és nagybetű megkülönböztetése"
  bool whole_word = false;      // "Csak teljes szó"
  bool ignore_breaks = false;   // "Sortörés figyelmen kívül hagyása"
};
// Only the first occurrence in the row is tested: a row whose first occurrence is part of a
// longer word does not match in whole-word mode.
bool DetailedSearchMatches(std::string_view row_text, std::string_view search,
                           const DetailedSearchOptions& options);

// ---- Search and replace ------------------------------------------------------------------

// Position of `search` in `row_text` from position `from`, ASCII case ignored unless
// `case_sensitive`.
int ReplaceSearchPos(std::string_view row_text, std::string_view search, bool case_sensitive,
                     int from = 1);

// "Keresés" of the replace window: the row holds `search` (at its very start when
// `at_row_start`).
bool FindNextMatches(std::string_view row_text, std::string_view search, bool case_sensitive,
                     bool at_row_start);

// `text` with the `length` characters at `pos` replaced by `replacement`.
std::string ReplaceAt(std::string_view text, int pos, int length, std::string_view replacement);

// "Csere": `row_text` with the first occurrence of `search` (ASCII case always ignored)
// replaced; false when there is none.
bool ReplaceFirst(std::string_view row_text, std::string_view search, std::string_view replacement,
                  std::string& result);

// How much of a row the replace-all replaces. A replacement that begins or ends with the
// search text (or equals it) replaces only the first occurrence of each row; any other
// replaces every occurrence, from left to right, the search going on after the inserted text.
enum class ReplaceAllScope { kEveryOccurrence, kFirstOnly };
ReplaceAllScope ReplaceAllScopeFor(std::string_view search, std::string_view replacement,
                                   bool case_sensitive);

}  // namespace editor
