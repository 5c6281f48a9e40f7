// The rules of the row commands that need no window.
#include "editor/rules/row_command_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace editor {
namespace {

TEST(NewRowTimes, BeforeTheCurrentRow) {
  struct Case {
    std::string base;
    std::string start;
    std::string new_start;
    std::string new_end;
  };
  const std::vector<Case> cases = {
      {"Frame", "10", "0", "10"},
      {"Frame", "11", "1", "11"},
      {"Frame", "250", "240", "250"},
      // Nothing to count from: the start counts as 0, the copied end stays as it was.
      {"Frame", "", "0", ""},
      {"Frame", "x7", "0", "x7"},
      {"Time", "00:01:02,500", "00:01:02,500", "00:01:02,500"},
      {"Time", "", "", ""},
  };
  for (const Case& c : cases) {
    const timecode::RowTimes times = NewRowTimesBefore(c.base, c.start);
    EXPECT_EQ(times.start, c.new_start) << c.base << " " << c.start;
    EXPECT_EQ(times.end, c.new_end) << c.base << " " << c.start;
  }
}

TEST(NewRowTimes, AfterTheCurrentRow) {
  struct Case {
    std::string base;
    std::string end;
    bool at_last;
    std::string new_start;
    std::string new_end;
  };
  const std::vector<Case> cases = {
      {"Frame", "250", true, "250", "260"},
      {"Frame", "250", false, "250", "250"},
      {"Frame", "", true, "", ""},
      {"Frame", "", false, "", ""},
      {"Time", "00:01:02,500", true, "00:01:02,500", "00:01:03,500"},
      {"Time", "00:01:02,500", false, "00:01:02,500", "00:01:02,500"},
      {"Time", "00:00:59,999", true, "00:00:59,999", "00:01:00,999"},
      // An empty end counts as 0 for the new end.
      {"Time", "", true, "", "00:00:01,000"},
      {"Time", "", false, "", ""},
      {"Frame?", "250", true, "", ""},
  };
  for (const Case& c : cases) {
    const timecode::RowTimes times = NewRowTimesAfter(c.base, c.end, c.at_last);
    EXPECT_EQ(times.start, c.new_start) << c.base << " " << c.end << " " << c.at_last;
    EXPECT_EQ(times.end, c.new_end) << c.base << " " << c.end << " " << c.at_last;
  }
}

TEST(NewRowTimes, AppendedRowsFillEmptyValues) {
  EXPECT_EQ(FillEmptyTimes("Frame", {"", ""}).start, "0");
  EXPECT_EQ(FillEmptyTimes("Frame", {"", ""}).end, "0");
  const timecode::RowTimes time = FillEmptyTimes("Time", {"", "00:00:01,000"});
  EXPECT_EQ(time.start, "00:00:00,000");
  EXPECT_EQ(time.end, "00:00:01,000");
  EXPECT_EQ(FillEmptyTimes("", {"", ""}).start, "");
}

TEST(DividedTime, CutsThePreviousRowsSpan) {
  struct Case {
    std::string start;
    std::string end;
    int part;
    int parts;
    std::string cut;
  };
  const std::vector<Case> cases = {
      {"00:00:10,000", "00:00:13,000", 1, 3, "00:00:11,000"},
      {"00:00:10,000", "00:00:13,000", 1, 2, "00:00:11,500"},
      {"00:00:10,000", "00:00:13,000", 2, 3, "00:00:12,000"},
      // Milliseconds are cut, never rounded.
      {"00:00:00,000", "00:00:01,000", 2, 3, "00:00:00,666"},
      {"00:00:00,000", "00:00:00,001", 1, 2, "00:00:00,000"},
      // A row that ends before it starts is cut inside its backward span.
      {"00:00:10,000", "00:00:09,001", 1, 3, "00:00:09,667"},
      // An empty value counts as 0.
      {"", "00:00:03,000", 1, 3, "00:00:01,000"},
      {"00:00:03,000", "", 2, 3, "00:00:01,000"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DividedTime(c.start, c.end, c.part, c.parts), c.cut) << c.start << " " << c.end;
}

TEST(MergedTexts, PlainAndDialogue) {
  EXPECT_EQ(MergedText("A", "B"), "A|B");
  EXPECT_EQ(MergedDialogueText("A", "B"), "- A|- B");
  EXPECT_EQ(MergedDialogueText("<i>A</i>", "<i>B</i>"), "<i>- A</i>|<i>- B</i>");
  EXPECT_EQ(DialogueLine(""), "- ");
  struct Case {
    std::string previous;
    std::string merged;
    bool dialogue;
    std::string joined;
  };
  const std::vector<Case> cases = {
      {"A", "B", false, "A|B"}, {"A", "B", true, "- A|- B"}, {"A", "", true, "A"},
      {"", "B", false, "B"},    {"", "", false, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MergedSecondText(c.previous, c.merged, c.dialogue), c.joined);
}

TEST(TextEdits, DashesAndWordMoves) {
  using Edit = TextEditResult (*)(std::string_view);
  struct Case {
    Edit edit;
    std::string text;
    TextEdit outcome;
    std::string result;
  };
  const std::vector<Case> cases = {
      {DialogueDashes, "A|B", TextEdit::kDone, "- A|- B"},
      {DialogueDashes, "A|B|C", TextEdit::kDone, "- A|- B|C"},
      {DialogueDashes, "<i>A|B", TextEdit::kDone, "- <i>A|- B"},
      {DialogueDashes, "AB", TextEdit::kNoBreak, ""},
      {MoveLastWordDown, "abc def|ghi", TextEdit::kDone, "abc|def ghi"},
      {MoveLastWordDown, "a b c|d", TextEdit::kDone, "a b|c d"},
      {MoveLastWordDown, "abc def|ghi|jkl", TextEdit::kDone, "abc|def ghi|jkl"},
      {MoveLastWordDown, "abcdef|ghi", TextEdit::kNoBlank, ""},
      {MoveLastWordDown, "|abc def", TextEdit::kNoBlank, ""},
      {MoveLastWordDown, "abc def", TextEdit::kNoBreak, ""},
      {MoveFirstWordUp, "abc|def ghi", TextEdit::kDone, "abc def|ghi"},
      {MoveFirstWordUp, "abc|def", TextEdit::kDone, "abc def"},
      {MoveFirstWordUp, "abc|def|ghi jkl", TextEdit::kDone, "abc def|ghi|jkl"},
      // The word moved was the whole second line: no empty line is left behind.
      {MoveFirstWordUp, "abc|def ", TextEdit::kDone, "abc def"},
      {MoveFirstWordUp, "abc def", TextEdit::kNoBreak, ""},
  };
  for (const Case& c : cases) {
    const TextEditResult result = c.edit(c.text);
    EXPECT_EQ(result.outcome, c.outcome) << c.text;
    if (c.outcome == TextEdit::kDone) {
      EXPECT_EQ(result.text, c.result) << c.text;
    }
  }
}

TEST(RowRanges, RangeToDeleteAndJumpTarget) {
  struct RangeCase {
    std::string first;
    std::string last;
    int rows;
    bool valid;
  };
  const std::vector<RangeCase> ranges = {
      {"4", "5", 10, true},
      {"1", "10", 10, true},
      {"1", "1", 1, true},
      {"0", "1", 1, false},
      {"5", "4", 10, false},
      {"9", "11", 10, false},
      {"", "3", 10, false},
      {"x", "3", 10, false},
      {"1", "1", 0, false},
      {"-2", "3", 10, false},
      // The extremes of the number boxes: compared as the numbers they are, never wrapped.
      {"2147483647", "2", 10, false},
      {"2147483647", "2147483647", 10, false},
      {"1", "2147483648", 10, false},
      {"-2147483648", "2", 10, false},
      {"-2147483649", "2", 10, false},
      {"1", "99999999999999999999", 10, false},
      {"4294967297", "4294967298", 10, false},
  };
  for (const RangeCase& c : ranges) {
    RowRange range;
    EXPECT_EQ(ValidRowRange(c.first, c.last, c.rows, range), c.valid)
        << c.first << ".." << c.last << " of " << c.rows;
  }
  RowRange range;
  ASSERT_TRUE(ValidRowRange("4", "5", 10, range));
  EXPECT_EQ(range.first, 4);
  EXPECT_EQ(range.last, 5);

  struct JumpCase {
    std::string text;
    int rows;
    int target;
  };
  const std::vector<JumpCase> jumps = {
      {"3", 10, 3},
      {"10", 10, 10},
      {"25", 10, 10},
      {"99999999", 10, 10},
      {"0", 10, 0},
      {"", 10, 0},
      {"3a", 10, 0},
      {"3", 0, 0},
      {"2147483647", 10, 10},
      {"2147483648", 10, 10},
      {"99999999999", 10, 10},
      {"-2147483648", 10, 0},
      {"4294967297", 10, 10},
      {"99999999999999999999", 10, 0},
  };
  for (const JumpCase& c : jumps)
    EXPECT_EQ(JumpTarget(c.text, c.rows), c.target) << c.text << " of " << c.rows;
}

}  // namespace
}  // namespace editor
