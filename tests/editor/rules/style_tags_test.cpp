// Style-tag and clipboard transforms of row texts.
#include "editor/rules/style_tags.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace editor {
namespace {

TEST(StyleTags, StripTagPairRemovesEveryTagOfThePair) {
  struct Case {
    std::string text;
    TagPair tags;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"<i>Hello</i>", kItalicTags, "Hello"},
      {"<i>Hello", kItalicTags, "Hello"},
      {"Hello</i>", kItalicTags, "Hello"},
      {"<i>A</i>|<i>B</i>|</i>", kItalicTags, "A|B|"},
      {"<i><b>A</b></i>|<u>B</u>", kBoldTags, "<i>A</i>|<u>B</u>"},
      {"A</b>", kBoldTags, "A"},
      // Deleting a tag can join its neighbours into another one, which goes too.
      {"</<i>i>A", kItalicTags, "A"},
      {"<<u>u>A", kUnderlineTags, "A"},
      {"Hello", kItalicTags, "Hello"},
      {"", kBoldTags, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StripTagPair(c.text, c.tags), c.expected) << c.text;
    EXPECT_EQ(HoldsTagOf(c.text, c.tags), c.text != c.expected) << c.text;
  }
}

TEST(StyleTags, WrapFirstOccurrence) {
  struct Case {
    std::string text;
    std::string piece;
    TagPair tags;
    std::optional<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"Hello world", "world", kBoldTags, "Hello <b>world</b>"},
      {"Hello world", "Hello", kItalicTags, "<i>Hello</i> world"},
      {"ab|ab", "ab", kUnderlineTags, "<u>ab</u>|ab"},
      {"A|B", "A|B", kItalicTags, "<i>A|B</i>"},
      {"Hello", "", kBoldTags, std::nullopt},
      {"Hello", "xyz", kBoldTags, std::nullopt},
      {"", "a", kBoldTags, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WrapFirstOccurrence(c.text, c.piece, c.tags), c.expected) << c.text;
}

TEST(StyleTags, DropDanglingItalic) {
  struct Case {
    std::string text;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"B</i>", "B"},
      {"</i>", ""},
      {"<i>A</i>", "<i>A</i>"},
      {"A</i>B", "A</i>B"},
      {"A</i></i>", "A</i></i>"},
      {"B", "B"},
      {"", ""},
      {"/i>", "/i>"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DropDanglingItalic(c.text), c.expected) << c.text;
}

TEST(StyleTags, CutFirstOccurrence) {
  struct Case {
    std::string text;
    std::string piece;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"ab|ab", "ab", "|ab"},
      {"A|B", "B", "A"},
      {"Hello world", "world", "Hello "},
      {"<i>A|B</i>", "<i>A|", "B</i>"},
      // Nothing to cut: only a trailing line break goes.
      {"A|", "x", "A"},
      {"A|B", "", "A|B"},
      {"", "", ""},
      {"|", "", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CutFirstOccurrence(c.text, c.piece), c.expected) << c.text;
  EXPECT_EQ(DropDanglingItalic(CutFirstOccurrence("<i>A|B</i>", "<i>A|")), "B");
}

TEST(StyleTags, PasteAtTheCaretOfTheTextBox) {
  struct Case {
    std::string memo;
    int caret;
    std::string row;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"A\r\nB", 4, "A|B", "A|BX"},
      {"A\r\nB", 3, "A|B", "A|XB"},
      {"A\r\nB", 0, "A|B", "XA|B"},
      {"A\r\nB", 1, "A|B", "AX|B"},
      {"", 0, "", "X"},
      // A caret beyond the stored text (typing not yet stored) pastes at its end.
      {"ABCDE", 5, "AB", "ABX"},
      {"AB", 99, "AB", "ABX"},
      {"AB", -3, "AB", "XAB"},
  };
  for (const Case& c : cases) {
    const int position = RowPositionOfCaret(c.memo, c.caret);
    EXPECT_EQ(InsertAtPosition(c.row, position, "X"), c.expected) << c.memo << " " << c.caret;
  }
}

}  // namespace
}  // namespace editor
