#include "editor/rules/search_rules.h"

#include "platform/text/text.h"

namespace editor {

bool IsHungarianLetter(char c) {
  return kHungarianLetters.find(c) != std::string_view::npos;
}

bool IsWholeWordMatch(int pos, int length, std::string_view text) {
  if (pos < 1)
    return false;
  const int before = pos - 1;
  const int after = pos + length;
  if (before >= 1 && IsHungarianLetter(text::CharAt(text, before)))
    return false;
  if (after <= text::Length(text) && IsHungarianLetter(text::CharAt(text, after)))
    return false;
  return true;
}

std::string BreaksAsBlanks(std::string_view row_text) {
  std::string result(row_text);
  for (char& c : result) {
    if (c == '|')
      c = ' ';
  }
  return result;
}

namespace {

std::string EditorFolded(std::string_view row_text, bool ignore_breaks) {
  return text::FoldHungarianCapitals(ignore_breaks ? BreaksAsBlanks(row_text)
                                                   : std::string(row_text));
}

std::string CaseFolded(std::string_view s, bool case_sensitive) {
  return case_sensitive ? std::string(s) : text::LowerCase(s);
}

int CountBreaks(std::string_view row_text, int from, int count) {
  int breaks = 0;
  for (int i = from; i < from + count; ++i) {
    if (text::CharAt(row_text, i) == '|')
      ++breaks;
  }
  return breaks;
}

}  // namespace

int EditorSearchPos(std::string_view row_text, std::string_view search, bool ignore_breaks) {
  return text::Pos(text::FoldHungarianCapitals(search), EditorFolded(row_text, ignore_breaks));
}

MemoSelection EditorSearchSelection(std::string_view row_text, std::string_view search,
                                    bool ignore_breaks) {
  const int length = text::Length(search);
  int pos = text::Pos(text::LowerCase(search), text::LowerCase(row_text));
  int spanned_breaks = 0;
  if (pos == 0) {
    // Both foldings keep the length, so the folded position is the row text's position.
    pos = EditorSearchPos(row_text, search, ignore_breaks);
    if (pos == 0)
      return {};
    spanned_breaks = CountBreaks(row_text, pos, length);
  }
  const int breaks_before = CountBreaks(row_text, 1, pos - 1);
  return {pos + breaks_before - 1, length + spanned_breaks};
}

bool DetailedSearchMatches(std::string_view row_text, std::string_view search,
                           const DetailedSearchOptions& options) {
  const std::string s = CaseFolded(search, options.case_sensitive);
  std::string t = CaseFolded(row_text, options.case_sensitive);
  if (options.ignore_breaks)
    t = BreaksAsBlanks(t);
  const int pos = text::Pos(s, t);
  if (pos == 0)
    return false;
  return !options.whole_word || IsWholeWordMatch(pos, text::Length(s), t);
}

int ReplaceSearchPos(std::string_view row_text, std::string_view search, bool case_sensitive,
                     int from) {
  return text::PosFrom(CaseFolded(search, case_sensitive), CaseFolded(row_text, case_sensitive),
                       from);
}

bool FindNextMatches(std::string_view row_text, std::string_view search, bool case_sensitive,
                     bool at_row_start) {
  const int pos = ReplaceSearchPos(row_text, search, case_sensitive);
  return at_row_start ? pos == 1 : pos > 0;
}

std::string ReplaceAt(std::string_view text, int pos, int length, std::string_view replacement) {
  std::string result(text);
  text::Delete(result, pos, length);
  text::Insert(replacement, result, pos);
  return result;
}

bool ReplaceFirst(std::string_view row_text, std::string_view search, std::string_view replacement,
                  std::string& result) {
  const int pos = ReplaceSearchPos(row_text, search, false);
  if (pos == 0)
    return false;
  result = ReplaceAt(row_text, pos, text::Length(search), replacement);
  return true;
}

ReplaceAllScope ReplaceAllScopeFor(std::string_view search, std::string_view replacement,
                                   bool case_sensitive) {
  const std::string s = CaseFolded(search, case_sensitive);
  const std::string r = CaseFolded(replacement, case_sensitive);
  if (!s.empty() && (r.starts_with(s) || r.ends_with(s)))
    return ReplaceAllScope::kFirstOnly;
  return ReplaceAllScope::kEveryOccurrence;
}

}  // namespace editor
