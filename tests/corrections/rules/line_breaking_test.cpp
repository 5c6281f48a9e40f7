// The line-breaking routines and the aggressive breaking of single rows, from the examples
// they were written for, with the letter limit 37 unless a case says otherwise.
#include "corrections/rules/line_breaking.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corrections {
namespace {

constexpr int kLimit = 37;

// A text of `length` letters with `insert` placed from position `at` (1-based) on.
std::string Letters(int length, int at = 0, std::string_view insert = {}) {
  std::string text(static_cast<std::size_t>(length), 'x');
  if (at > 0)
    text.replace(static_cast<std::size_t>(at - 1), insert.size(), insert);
  return text;
}

struct TextCase {
  std::string input;
  std::string output;
  int placed;  // breaks counted
};

TEST(LineBreakingRoutines, BreakOnceNearMiddlePrefersPunctuationAtTheSameDistance) {
  const TextCase cases[] = {
      // A comma at 20 with a blank after it: the break follows the comma, the blank goes.
      {Letters(40, 20, ", "), Letters(20, 20, ",") + "|" + Letters(19), 1},
      // A blank at 20 and a comma at 19: the blank is nearer the middle.
      {Letters(40, 19, ", "), Letters(40, 19, ",|"), 1},
      {Letters(37), Letters(37), 0},                    // not longer than the limit
      {Letters(73, 36, " "), Letters(73, 36, " "), 0},  // 2T - 1 or longer
      {Letters(40), Letters(40), 0},                    // no place
  };
  for (const TextCase& c : cases) {
    std::string text = c.input;
    int counter = 0;
    BreakOnceNearMiddle(text, kLimit, counter);
    EXPECT_EQ(text, c.output) << c.input;
    EXPECT_EQ(counter, c.placed) << c.input;
  }
}

TEST(LineBreakingRoutines, BreakAtBlankNearMiddle) {
  const TextCase cases[] = {
      {Letters(40, 20, " "), Letters(40, 20, "|"), 1},
      // The only blank in reach takes the break.
      {Letters(40, 10, " "), Letters(40, 10, "|"), 1},
      {Letters(40, 1, " "), Letters(40, 1, " "), 0},              // out of reach
      {Letters(40, 5, " ") + "|", Letters(40, 5, " ") + "|", 0},  // already broken
      // One letter over the limit: the search stays inside the text.
      {Letters(38, 1, " "), Letters(38, 1, "|"), 1},
      {Letters(38, 38, " "), Letters(38, 38, "|"), 1},
      {Letters(38), Letters(38), 0},
  };
  for (const TextCase& c : cases) {
    std::string text = c.input;
    int counter = 0;
    BreakAtBlankNearMiddle(text, kLimit, counter);
    EXPECT_EQ(text, c.output) << c.input;
    EXPECT_EQ(counter, c.placed) << c.input;
  }
}

TEST(LineBreakingRoutines, RebreakKeepsTheLinesWhenItFindsNoPlace) {
  const TextCase cases[] = {
      {Letters(30, 18, " ") + "|" + Letters(9), Letters(30, 18, "|") + " " + Letters(9), 1},
      // Joined, the line has no blank within reach of its middle: the lines stay as they were.
      {Letters(38) + "|xx", Letters(38) + "|xx", 0},
      {Letters(5) + "|" + Letters(5), Letters(5) + "|" + Letters(5), 0},
  };
  for (const TextCase& c : cases) {
    std::string text = c.input;
    int counter = 0;
    RebreakAtBlankNearMiddle(text, kLimit, counter);
    EXPECT_EQ(text, c.output) << c.input;
    EXPECT_EQ(counter, c.placed) << c.input;
  }
}

TEST(LineBreakingRoutines, JoiningLines) {
  std::string text = "aa|bb|cc";
  JoinFirstTwoBreaks(text);
  EXPECT_EQ(text, "aa bb cc");
  text = Letters(20) + "|" + Letters(10) + "|" + Letters(18);
  EXPECT_TRUE(TryJoinLines12(text, kLimit));
  EXPECT_EQ(text, Letters(20) + " " + Letters(10) + "|" + Letters(18));
  text = Letters(20) + "|" + Letters(16) + "|" + Letters(12);
  EXPECT_FALSE(TryJoinLines12(text, kLimit));  // 37 is not shorter than the limit
  EXPECT_TRUE(TryJoinLines23(text, kLimit));
  EXPECT_EQ(text, Letters(20) + "|" + Letters(16) + " " + Letters(12));
  text = Letters(20) + "|" + Letters(20) + "|" + Letters(20);
  EXPECT_FALSE(TryJoinLines23(text, kLimit));
  EXPECT_EQ(text, Letters(20) + "|" + Letters(20) + "|" + Letters(20));
}

TEST(LineBreakingRoutines, SplitAtPunctuationCutsNearTheMiddle) {
  // 80 letters, a full stop at 45: within 18 steps of the middle (40).
  std::string text = Letters(80, 45, ". ");
  std::string piece1;
  std::string piece2;
  int counter = 0;
  SplitAtPunctuation(text, kLimit, piece1, piece2, counter);
  EXPECT_EQ(piece1, Letters(45, 45, "."));  // longer than the limit, but no place to break it
  EXPECT_EQ(piece2, Letters(34));
  EXPECT_EQ(text, Letters(34));
  EXPECT_EQ(counter, 0);
  // With no mark and no blank nearby, nothing is cut.
  text = Letters(80);
  SplitAtPunctuation(text, kLimit, piece1, piece2, counter);
  EXPECT_TRUE(piece1.empty());
  EXPECT_TRUE(piece2.empty());
}

TEST(LineBreakingRoutines, SplitAtPunctuationFallsBackToABlank) {
  std::string text = Letters(60, 28, " ");
  std::string piece1;
  std::string piece2;
  int counter = 0;
  SplitAtPunctuation(text, kLimit, piece1, piece2, counter);
  EXPECT_EQ(piece1, Letters(27) + " ");
  EXPECT_EQ(piece2, Letters(32));
  EXPECT_EQ(counter, 0);
}

struct RetimeCase {
  std::string start;
  std::string end;
  int piece_length;  // of a 100-character row, so the ratio is piece_length hundredths
  std::string cut;
};

TEST(LineBreakingRetiming, TwoRowSplitKeepsHalfASecondWhereItCan) {
  const RetimeCase cases[] = {
      {"00:00:10,000", "00:00:12,000", 20, "00:00:10,500"},
      {"00:00:10,000", "00:00:12,000", 90, "00:00:11,500"},
      {"00:00:10,000", "00:00:12,000", 50, "00:00:11,000"},
      {"00:00:10,000", "00:00:11,000", 25, "00:00:10,250"},
  };
  for (const RetimeCase& c : cases) {
    ChangeList list;
    const RowView row{c.start, c.end, std::string(100, 'x')};
    const RowBreak split = RetimeTwoRowSplit(
        row, 4, "1", std::string(static_cast<std::size_t>(c.piece_length), 'a'), "b", list);
    ASSERT_EQ(split.rows.size(), 2u);
    EXPECT_EQ(split.rows[0].start, c.start);
    EXPECT_EQ(split.rows[0].end, c.cut) << c.piece_length;
    EXPECT_EQ(split.rows[1].start, c.cut);
    EXPECT_EQ(split.rows[1].end, c.end);
  }
}

TEST(LineBreakingRetiming, EntriesOfTheSplits) {
  ChangeList list;
  RetimeTwoRowSplit({"00:00:10,000", "00:00:12,000", "aaaa|bbbb"}, 3, "2", "aaaa", "bbbb", list);
  const ChangeList two{"",
                       "Javítás jellege: 2 soros",
                       "Melyik sorban volt: 3",
                       "Miből:",
                       "00:00:10,000-->00:00:12,000",
                       "aaaa|bbbb",
                       "Mire:",
                       "00:00:10,000-->00:00:10,880",
                       "aaaa",
                       "00:00:10,880-->00:00:12,000",
                       "bbbb"};
  EXPECT_EQ(list, two);
  list.clear();
  const RowBreak three = RetimeThreeRowSplit({"00:00:10,000", "00:00:13,000", "aaaaaaaaaa"}, 1,
                                             "aaa", "aaaa", "aaa", list);
  ASSERT_EQ(three.rows.size(), 3u);
  EXPECT_EQ(three.rows[0].end, "00:00:10,900");
  EXPECT_EQ(three.rows[1].end, "00:00:12,100");
  EXPECT_EQ(three.rows[2].end, "00:00:13,000");
  EXPECT_EQ(list[1], "Javítás jellege: 1 soros");
  EXPECT_EQ(list.size(), 13u);
}

RowBreak Break(const RowView& row, BreakCounters& counters, ChangeList& list, int limit = kLimit) {
  return BreakRowAggressively(row, 1, limit, counters, list);
}

TEST(AggressiveBreaking, AOneLineRowIsBrokenInPlace) {
  BreakCounters counters;
  ChangeList list;
  const std::string orig = Letters(40, 20, ", ");
  const RowBreak result = Break({"00:00:01,000", "00:00:03,000", orig}, counters, list);
  ASSERT_EQ(result.rows.size(), 1u);
  const std::string broken = Letters(20, 20, ",") + "|" + Letters(19);
  EXPECT_EQ(result.rows[0].text, broken);
  EXPECT_EQ(counters.one_line, 1);
  const ChangeList expected{
      "", "Javítás jellege: 1 soros", "Melyik sorban volt: 1", "Miből:", orig, "Mire:", broken};
  EXPECT_EQ(list, expected);
}

TEST(AggressiveBreaking, ALongOneLineRowIsSplitOrListedAsUnbreakable) {
  const std::string orig = Letters(80, 45, ". ");
  {
    BreakCounters counters;
    ChangeList list;
    EXPECT_TRUE(Break({"00:00:01,000", "00:00:01,500", orig}, counters, list).rows.empty());
    EXPECT_EQ(counters.unbreakable, 1);
    const ChangeList expected{"",
                              "Melyik sorban volt: 1",
                              "A kezdési idő és a befejezési idő különbsége kisebb mint 0.5 mp!",
                              "Emiatt nem tudtam szétszedni a sort!",
                              "00:00:01,000-->00:00:01,500",
                              orig};
    EXPECT_EQ(list, expected);
  }
  {
    BreakCounters counters;
    ChangeList list;
    const RowBreak result = Break({"00:00:01,000", "00:00:05,000", orig}, counters, list);
    ASSERT_EQ(result.rows.size(), 2u);
    EXPECT_TRUE(result.rows[0].text.ends_with("."));
    EXPECT_EQ(result.rows[1].text, Letters(34));
    EXPECT_EQ(counters.one_line, 1);  // the split; its pieces had no place for a break
  }
}

TEST(AggressiveBreaking, ThreeShortLinesAreJoined) {
  BreakCounters counters;
  ChangeList list;
  RowBreak result = Break({"00:00:01,000", "00:00:03,000", "Egy|kettő|három"}, counters, list);
  ASSERT_EQ(result.rows.size(), 1u);
  EXPECT_EQ(result.rows[0].text, "Egy kettő három");
  // 50 characters: lines 1 and 2 joined when that line is shorter than the limit.
  const std::string joinable = Letters(20) + "|" + Letters(10) + "|" + Letters(18);
  result = Break({"00:00:01,000", "00:00:03,000", joinable}, counters, list);
  ASSERT_EQ(result.rows.size(), 1u);
  EXPECT_EQ(result.rows[0].text, Letters(20) + " " + Letters(10) + "|" + Letters(18));
  EXPECT_EQ(counters.three_line, 2);
}

TEST(AggressiveBreaking, AnItalicThreeLineRowKeepsItsTagsOnBothRows) {
  BreakCounters counters;
  ChangeList list;
  const std::string orig = "<i>" + Letters(30) + "|" + Letters(29) + ".|" + Letters(30) + "</i>";
  const RowBreak result = Break({"00:00:01,000", "00:00:05,000", orig}, counters, list);
  ASSERT_EQ(result.rows.size(), 2u);
  EXPECT_TRUE(result.rows[0].text.ends_with("</i>"));
  EXPECT_TRUE(result.rows[1].text.starts_with("<i>"));
}

TEST(AggressiveBreaking, ATwoLineRowWithADashIsOnlySplit) {
  BreakCounters counters;
  ChangeList list;
  const std::string orig = "- " + Letters(38) + "|- " + Letters(10);
  const RowBreak result = Break({"00:00:01,000", "00:00:05,000", orig}, counters, list);
  ASSERT_EQ(result.rows.size(), 2u);
  EXPECT_EQ(result.rows[1].text, "- " + Letters(10));
  const RowBreak short_row = Break({"00:00:01,000", "00:00:01,400", orig}, counters, list);
  EXPECT_TRUE(short_row.rows.empty());
  EXPECT_EQ(counters.unbreakable, 1);
}

TEST(AggressiveBreaking, ATwoLineRowIsReBrokenInPlace) {
  BreakCounters counters;
  ChangeList list;
  const std::string orig = Letters(38, 30, " ") + "|xx";
  const RowBreak result = Break({"00:00:01,000", "00:00:05,000", orig}, counters, list);
  ASSERT_EQ(result.rows.size(), 1u);
  EXPECT_EQ(result.rows[0].text, Letters(29) + "|" + Letters(8) + " xx");
  EXPECT_EQ(list.back(), "Mire  : " + result.rows[0].text);
  EXPECT_EQ(counters.two_line, 1);
}

TEST(AggressiveBreaking, FourLineRowsAreLeftToTheirOwnCommand) {
  BreakCounters counters;
  ChangeList list;
  EXPECT_TRUE(
      Break({"00:00:01,000", "00:00:05,000", Letters(40) + "|b|c|d"}, counters, list).rows.empty());
  const RowBreak split = SplitFourLineRow({"00:00:01,000", "00:00:05,000", "a|b|c|d"}, 1, list);
  ASSERT_EQ(split.rows.size(), 2u);
  EXPECT_EQ(split.rows[0].text, "a|b");
  EXPECT_EQ(split.rows[1].text, "c|d");
  EXPECT_TRUE(SplitFourLineRow({"", "", "a|b|c|d|e"}, 1, list).rows.empty());
  EXPECT_TRUE(SplitFourLineRow({"", "", "a|b|c"}, 1, list).rows.empty());
}

}  // namespace
}  // namespace corrections
