// The matching rules of the searches and of the replacement, without a window.
#include "editor/rules/search_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace editor {
namespace {

TEST(SearchRules, LetterTableHoldsTheSeventyLetters) {
  EXPECT_EQ(kHungarianLetters.size(), 70u);
  for (char c : std::string("aZőŰáÉ"))
    EXPECT_TRUE(IsHungarianLetter(c)) << c;
  for (char c : std::string("19 .,|-'\"ä"))
    EXPECT_FALSE(IsHungarianLetter(c)) << c;
}

TEST(SearchRules, WholeWord) {
  struct Case {
    std::string text;
    std::string word;
    bool whole;
  };
  const std::vector<Case> cases = {
      {"ma este", "ma", true},  {"este ma", "ma", true},  {"ma", "ma", true},
      {"alma", "ma", false},    {"maga", "ma", false},    {"almaZ", "alma", false},
      {"Zalma", "alma", false}, {"alma1", "alma", true},  {"(alma)", "alma", true},
      {"őalma", "alma", false}, {"almaű", "alma", false}, {"alma|körte", "alma", true},
  };
  for (const Case& c : cases) {
    const int pos = static_cast<int>(c.text.find(c.word)) + 1;
    EXPECT_EQ(IsWholeWordMatch(pos, static_cast<int>(c.word.size()), c.text), c.whole) << c.text;
  }
}

TEST(SearchRules, EditorSearchFoldsAccentedCapitalsAndBreaks) {
  struct Case {
    std::string row;
    std::string search;
    bool ignore_breaks;
    int pos;
  };
  const std::vector<Case> cases = {
      {"Nagy ÁRVÍZ", "árvíz", false, 6},
      {"Árvíz volt", "árvíz", false, 1},
      {"Ő kéré", "KÉRÉ", false, 3},
      {"alma|körte", "alma körte", true, 1},
      {"alma|körte", "alma körte", false, 0},
      {"alma|körte", "alma|körte", false, 1},
      {"alma", "", false, 0},
      {"alma", "körte", false, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(EditorSearchPos(c.row, c.search, c.ignore_breaks), c.pos) << c.row << "/" << c.search;
}

TEST(SearchRules, SelectionInTheMemoCountsBreaksAsTwoCharacters) {
  struct Case {
    std::string row;
    std::string search;
    bool ignore_breaks;
    int start;
    int length;
  };
  const std::vector<Case> cases = {
      {"Egy|két alma", "alma", false, 9, 4},
      {"alma", "ALMA", false, 0, 4},
      {"a|b|alma", "alma", false, 6, 4},
      // Found only through the accent folding: the folded match is selected.
      {"x ÁRVÍZ", "árvíz", false, 2, 5},
      // Found only across a break: the break's two characters are selected with it.
      {"Egy|alma|körte", "alma körte", true, 5, 11},
      {"alma|körte", "alma körte", true, 0, 11},
  };
  for (const Case& c : cases) {
    const MemoSelection selection = EditorSearchSelection(c.row, c.search, c.ignore_breaks);
    EXPECT_EQ(selection.start, c.start) << c.row;
    EXPECT_EQ(selection.length, c.length) << c.row;
  }
}

TEST(SearchRules, DetailedSearch) {
  struct Case {
    std::string row;
    std::string search;
    DetailedSearchOptions options;
    bool matches;
  };
  const DetailedSearchOptions plain;
  const DetailedSearchOptions exact{.case_sensitive = true};
  const DetailedSearchOptions word{.whole_word = true};
  const DetailedSearchOptions breaks{.ignore_breaks = true};
  const std::vector<Case> cases = {
      {"ÁRVÍZ", "árvíz", plain, false},  // ASCII folding only
      {"ÁrVÍZ", "Árvíz", plain, false},
      {"Árvíz", "árvíz", plain, false},
      {"Hello", "hello", plain, true},
      {"Hello", "hello", exact, false},
      {"Hello", "Hello", exact, true},
      {"alma este", "ma", word, false},  // only the first occurrence is tested
      {"ma este", "ma", word, true},
      {"Ma este", "ma", word, true},
      {"alma|körte", "alma körte", breaks, true},
      {"alma|körte", "alma|körte", breaks, false},
      {"alma", "", plain, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DetailedSearchMatches(c.row, c.search, c.options), c.matches)
        << c.row << "/" << c.search;
}

TEST(SearchRules, FindNextAtTheRowStart) {
  EXPECT_TRUE(FindNextMatches("Ki az?", "Ki", false, true));
  EXPECT_FALSE(FindNextMatches("Aki ki?", "Ki", false, true));
  EXPECT_TRUE(FindNextMatches("Aki ki?", "Ki", false, false));
  EXPECT_FALSE(FindNextMatches("aki ki?", "Ki", true, false));
  EXPECT_FALSE(FindNextMatches("alma", "", false, false));
}

TEST(SearchRules, ReplaceFirstAlwaysIgnoresCase) {
  struct Case {
    std::string row;
    std::string search;
    std::string replacement;
    bool replaced;
    std::string result;
  };
  const std::vector<Case> cases = {
      {"Abc abc", "abc", "x", true, "x abc"}, {"alma", "a", "", true, "lma"},
      {"alma", "ma", "MA!", true, "alMA!"},   {"alma", "z", "x", false, ""},
      {"alma", "", "x", false, ""},
  };
  for (const Case& c : cases) {
    std::string result;
    EXPECT_EQ(ReplaceFirst(c.row, c.search, c.replacement, result), c.replaced) << c.row;
    EXPECT_EQ(result, c.result) << c.row;
  }
}

TEST(SearchRules, ReplaceAllScope) {
  struct Case {
    std::string search;
    std::string replacement;
    bool case_sensitive;
    ReplaceAllScope scope;
  };
  using enum ReplaceAllScope;
  const std::vector<Case> cases = {
      {"a", "e", false, kEveryOccurrence}, {"a", "", false, kEveryOccurrence},
      {"a", "ab", false, kFirstOnly},      {"a", "ba", false, kFirstOnly},
      {"a", "a", false, kFirstOnly},       {"a", "bab", false, kEveryOccurrence},
      {"a", "bA", false, kFirstOnly},      {"a", "bA", true, kEveryOccurrence},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReplaceAllScopeFor(c.search, c.replacement, c.case_sensitive), c.scope)
        << c.search << "->" << c.replacement;
}

}  // namespace
}  // namespace editor
