// The row and text commands' rules without a window: insert positions, style tags, the line
// separator and the search with ASCII folding.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "translation/rows/text_commands.h"

namespace {

namespace rows = translation::rows;
using rows::InsertCommand;

TEST(TranslationInsert, EachCommandPlacesTheNewRowOnEmptyFirstMiddleAndLastRows) {
  struct Case {
    InsertCommand command;
    const char* name;
    // On an empty table, and with the cursor on row 1, 3 and 5 of 5.
    std::optional<int> empty, first, middle, last;
  };
  const std::vector<Case> cases = {
      {InsertCommand::kPopupAfter, "után", std::nullopt, 2, 4, 5},
      {InsertCommand::kPopupBefore, "elé (popup)", std::nullopt, 1, 2, 4},
      {InsertCommand::kBefore, "elé", 1, 1, 3, 5},
      {InsertCommand::kAfter, "mögé", 1, 2, 4, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(rows::InsertedRowPosition(c.command, 0, 0), c.empty);
    EXPECT_EQ(rows::InsertedRowPosition(c.command, 1, 5), c.first);
    EXPECT_EQ(rows::InsertedRowPosition(c.command, 3, 5), c.middle);
    EXPECT_EQ(rows::InsertedRowPosition(c.command, 5, 5), c.last);
  }
}

TEST(TranslationTags, AStyleItemWrapsOrUnwrapsByItsCheckMark) {
  struct Case {
    std::string text;
    rows::TagPair tags;
    bool checked;
    std::optional<std::string> result;
    bool checked_after;
    bool refused;
  };
  const std::vector<Case> cases = {
      {"Hello", rows::kItalicTags, false, "<i>Hello</i>", true, false},
      {"a <i>b</i> c", rows::kItalicTags, true, "a b c", false, false},
      {"plain", rows::kItalicTags, true, std::nullopt, false, false},
      {"x</i>", rows::kItalicTags, true, std::nullopt, false, false},
      {"</i>a<i>b", rows::kItalicTags, true, "ab", false, false},
      {"<b>x", rows::kBoldTags, true, "x", false, false},
      {"<i>x</i>", rows::kBoldTags, false, "<b><i>x</i></b>", true, false},
      {"", rows::kUnderlineTags, false, "<u></u>", true, false},
      {std::string(213, 'x'), rows::kBoldTags, false, "<b>" + std::string(213, 'x') + "</b>", true,
       false},
      {std::string(214, 'x'), rows::kBoldTags, false, std::nullopt, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 20));
    const rows::TagToggle toggle = rows::ToggleTag(c.text, c.tags, c.checked);
    EXPECT_EQ(toggle.text, c.result);
    EXPECT_EQ(toggle.checked, c.checked_after);
    EXPECT_EQ(toggle.refused, c.refused);
  }
}

TEST(TranslationTags, RemovingAllFormattingTakesTheFirstPairOfEachStyle) {
  const std::vector<std::pair<std::string_view, std::string_view>> cases = {
      {"<b><i>x</i></b> <i>y</i>", "x <i>y</i>"},
      {"<u>a</u><b>b</b><i>c</i>", "abc"},
      {"plain", "plain"},
      {"</i>only closing", "</i>only closing"},
  };
  for (const auto& [text, plain] : cases)
    EXPECT_EQ(rows::WithoutStyleTags(text), plain) << text;
}

TEST(TranslationLineSeparator, TheBarIsAppendedWhileItFits) {
  EXPECT_EQ(rows::WithLineSeparator("Hello"), "Hello|");
  EXPECT_EQ(rows::WithLineSeparator(""), "|");
  EXPECT_EQ(rows::WithLineSeparator(std::string(219, 'x')), std::string(219, 'x') + "|");
  EXPECT_EQ(rows::WithLineSeparator(std::string(220, 'x')), std::nullopt);
}

TEST(TranslationSearch, FindsTheNextRowFoldingOnlyAsciiLetters) {
  const std::vector<std::string> texts = {"egy", "ALMA fa", "körte", "ÁLOM", "alma"};
  const auto text_of = [&texts](int row) { return std::string_view(texts.at(row - 1)); };
  const int count = static_cast<int>(texts.size());
  struct Case {
    int current;
    const char* needle;
    std::optional<int> found;
  };
  const std::vector<Case> cases = {
      {1, "alma", 2},
      {2, "alma", 5},
      {5, "alma", std::nullopt},
      {4, "ALMA", 5},
      {1, "álom", std::nullopt},
      {1, "ÁLOM", 4},
      {1, "lom", 4},
      {1, "", std::nullopt},
      {0, "EGY", 1},
      {1, "KÖRTE", std::nullopt},
      {1, "kÖrte", std::nullopt},
      {1, "Körte", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.needle) + " after " + std::to_string(c.current));
    EXPECT_EQ(rows::FindNextRow(c.current, count, text_of, c.needle), c.found);
  }
  EXPECT_FALSE(rows::ContainsIgnoringAsciiCase("anything", ""));
  EXPECT_TRUE(rows::ContainsIgnoringAsciiCase("ALMA fa", "a F"));
}

}  // namespace
