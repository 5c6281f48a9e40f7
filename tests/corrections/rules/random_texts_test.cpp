// Random texts of up to 220 bytes over the characters the rules look for, through every rule
// and through the fixer's turns: every text settles, none grows past a row's 220 characters,
// and (under the sanitizers) nothing is read outside a text.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "corrections/random_text.h"
#include "corrections/rules/general_fixer.h"
#include "corrections/rules/line_breaking.h"
#include "platform/text/text.h"

namespace corrections {
namespace {

constexpr int kTurns = 1000;
constexpr std::string_view kAlphabet = ". |-aA<i>/?:()[]";

std::string RandomText(std::mt19937& random) {
  return corrections::testing::RandomText(random, kAlphabet);
}

TEST(RandomTexts, EveryRuleStaysInsideTheText) {
  std::mt19937 random(20261210);
  for (int i = 0; i < 3000; ++i) {
    const std::string text = RandomText(random);
    for (const FixerRuleEntry& entry : GeneralFixerRules()) {
      ChangeList list;
      WorkingText working{.text = text, .row = 1, .list = &list};
      FixerTurn turn{working};
      entry.rule(turn);
      EXPECT_LE(working.text.size(), static_cast<std::size_t>(kRowTextLimit)) << entry.name;
    }
  }
}

TEST(RandomTexts, TheFixersTurnsSettle) {
  std::mt19937 random(7);
  for (int i = 0; i < 3000; ++i) {
    std::string text = RandomText(random);
    const std::string original = text;
    bool settled = false;
    for (int turn = 0; turn < kTurns && !settled; ++turn) {
      WorkingText working{.text = text, .row = 1};
      RunFixerTurn(working);
      ASSERT_LE(working.text.size(), static_cast<std::size_t>(kRowTextLimit)) << original;
      settled = working.row_deleted || working.text == text;
      text = working.text;
    }
    EXPECT_TRUE(settled) << original;
  }
}

TEST(RandomTexts, TheLineBreakingRoutinesStayInsideTheText) {
  std::mt19937 random(99);
  std::uniform_int_distribution<int> limits(10, 99);
  for (int i = 0; i < 3000; ++i) {
    const std::string text = RandomText(random);
    const int limit = limits(random);
    int counter = 0;
    std::string work = text;
    BreakAtBlankNearMiddle(work, limit, counter);
    work = text;
    RebreakAtBlankNearMiddle(work, limit, counter);
    work = text;
    BreakOnceNearMiddle(work, limit, counter);
    work = text;
    std::string piece1;
    std::string piece2;
    SplitAtPunctuation(work, limit, piece1, piece2, counter);
    work = text;
    JoinFirstTwoBreaks(work);
    work = text;
    TryJoinLines12(work, limit);
    work = text;
    TryJoinLines23(work, limit);
    BreakCounters counters;
    ChangeList list;
    const RowView row{"00:00:01,000", i % 2 == 0 ? "00:00:01,400" : "00:00:04,000", text};
    for (const RowView& part : BreakRowAggressively(row, 1, limit, counters, list).rows)
      EXPECT_LE(part.text.size(), static_cast<std::size_t>(kRowTextLimit)) << text;
    for (const RowView& part : SplitFourLineRow(row, 1, list).rows)
      EXPECT_LE(part.text.size(), static_cast<std::size_t>(kRowTextLimit)) << text;
  }
}

// The fixer's search finds what the plain first-occurrence search finds, whichever byte of a
// pattern it looks for first, and the byte set of a text never rules out a pattern it holds.
TEST(RandomTexts, TheFixersSearchFindsTheFirstOccurrence) {
  static constexpr Pattern kPatterns[] = {" ?",   "|hogy ", "...",  "- ...",   "</i>|<i>",
                                          "\x85", "||",     "Mrs ", "{\\an8}", "?."};
  constexpr std::string_view kBytes = ". |-?<i>/h\x85ogyMrs{\\an8}";
  std::mt19937 random(31);
  for (int i = 0; i < 3000; ++i) {
    const std::string text = corrections::testing::RandomText(random, kBytes);
    TextContents contents;
    contents.Take(text);
    for (const Pattern& pattern : kPatterns) {
      const int expected = text::Pos(pattern.Text(), text);
      EXPECT_EQ(pattern.FirstIn(text), expected) << pattern.Text() << " in " << text;
      if (expected > 0) {
        EXPECT_TRUE(contents.MayHold(pattern)) << pattern.Text() << " in " << text;
      }
    }
  }
}

}  // namespace
}  // namespace corrections
