// The logged edits: each changes the working text, counts one finding and writes one complete
// entry; positions outside the text change nothing.
#include "corrections/rules/logged_edits.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace corrections {
namespace {

struct EditCase {
  std::string_view name;
  std::string_view input;
  std::function<bool(WorkingText&)> edit;
  std::string_view output;
};

TEST(LoggedEdits, EachEditAndItsEntry) {
  const EditCase cases[] = {
      {"delete char", "abc", [](WorkingText& w) { return LoggedDeleteChar(w, 2); }, "ac"},
      {"delete char past the end", "abc", [](WorkingText& w) { return LoggedDeleteChar(w, 9); },
       "abc"},
      {"replace char", "abc", [](WorkingText& w) { return LoggedReplaceChar(w, 3, 'x'); }, "abx"},
      {"title dot", "Dr Kiss", [](WorkingText& w) { return LoggedReplaceCharAddBlank(w, 3, '.'); },
       "Dr. Kiss"},
      {"insert blank", "ab", [](WorkingText& w) { return LoggedInsertBlank(w, 2); }, "a b"},
      {"insert blank past the end", "ab", [](WorkingText& w) { return LoggedInsertBlank(w, 7); },
       "ab "},
      {"delete span", "abcdef", [](WorkingText& w) { return LoggedDeleteSpan(w, 2, 9); }, "a"},
      {"delete span with blank", "<i> |a",
       [](WorkingText& w) { return LoggedDeleteSpanWithBlank(w, 4, 1); }, "<i>a"},
      {"replace span", "a--b", [](WorkingText& w) { return LoggedReplaceSpan(w, 2, 2, "..."); },
       "a...b"},
      {"insert by replace span", "a..",
       [](WorkingText& w) { return LoggedReplaceSpan(w, 4, 0, "."); }, "a..."},
      {"tidy delete", "Na|,", [](WorkingText& w) { return LoggedDeleteCharTidy(w, 4); }, "Na"},
      {"tidy delete with blank", ", Na", [](WorkingText& w) { return LoggedDeleteCharTidy(w, 1); },
       "Na"},
      {"five trailing dots", "Na.....", [](WorkingText& w) { return LoggedDeleteDots(w, 3); },
       "Na"},
      {"one dot before a letter", "a.b", [](WorkingText& w) { return LoggedDeleteDots(w, 2); },
       "ab"},
      {"word to the next line", "Vége. A|ház",
       [](WorkingText& w) { return MoveDashToNextLine(w, 6); }, "Vége.|A ház"},
  };
  for (const EditCase& c : cases) {
    ChangeList list;
    WorkingText working{.text = std::string(c.input), .row = 7, .list = &list};
    EXPECT_TRUE(c.edit(working)) << c.name;
    EXPECT_EQ(working.text, c.output) << c.name;
    EXPECT_TRUE(working.changed) << c.name;
    EXPECT_EQ(working.findings, 1) << c.name;
    const ChangeList expected{"", "Melyik sorban volt: 7", "Miből: " + std::string(c.input),
                              "Mire:   " + std::string(c.output)};
    EXPECT_EQ(list, expected) << c.name;
  }
}

TEST(LoggedEdits, AnEditThatWouldOverfillTheRowLeavesNoTrace) {
  ChangeList list;
  const std::string full(220, 'a');
  WorkingText working{.text = full, .row = 1, .list = &list};
  EXPECT_FALSE(LoggedInsertBlank(working, 3));
  EXPECT_FALSE(LoggedReplaceSpan(working, 1, 1, "..."));
  EXPECT_EQ(working.text, full);
  EXPECT_FALSE(working.changed);
  EXPECT_EQ(working.findings, 0);
  EXPECT_TRUE(list.empty());
  // Without a list the text comes back too.
  WorkingText unlisted{.text = full, .row = 1};
  EXPECT_FALSE(LoggedInsertBlank(unlisted, 3));
  EXPECT_EQ(unlisted.text, full);
}

TEST(LoggedEdits, LineBreakCountsFirstAndUsesTheWideLabel) {
  ChangeList list;
  WorkingText working{.text = "", .row = 2, .list = &list, .findings = 4};
  ApplyLineBreakAt(working, "ab cd", 3);
  EXPECT_EQ(working.text, "ab|cd");
  EXPECT_EQ(working.findings, 5);
  const ChangeList expected{"", "Melyik sorban volt: 2", "Miből: ab cd", "Mire  : ab|cd"};
  EXPECT_EQ(list, expected);
}

TEST(LoggedEdits, DeletedRowEntryHasNoAfterLine) {
  ChangeList list;
  WorkingText working{.text = "Szia", .row = 5, .list = &list};
  LoggedDeleteRow(working);
  EXPECT_TRUE(working.row_deleted);
  EXPECT_TRUE(working.text.empty());
  EXPECT_EQ(working.findings, 1);
  const ChangeList expected{"", "Melyik sorban volt: 5", "Törölve a sor: Szia"};
  EXPECT_EQ(list, expected);
}

TEST(LoggedEdits, UnloggedSpanDeletionOnlySetsTheFlag) {
  ChangeList list;
  WorkingText working{.text = "a b", .row = 1, .list = &list};
  DeleteSpanWithBlank(working, 1, 1);
  EXPECT_EQ(working.text, "b");
  EXPECT_TRUE(working.changed);
  EXPECT_EQ(working.findings, 0);
  EXPECT_TRUE(list.empty());
}

TEST(ChangeList, EntryKinds) {
  ChangeList list;
  LogRowChange(list, EntryKind::kCritical, 3, "x");
  LogRowChange(list, EntryKind::kDeleted, 4, "y");
  const ChangeList expected{"", "Melyik sorban volt: 3", "Kritikus sor: x",
                            "", "Melyik sorban volt: 4", "Törölve a sor: y"};
  EXPECT_EQ(list, expected);
}

TEST(LineLengths, MeasuredAsTheRowPanelMeasuresThem) {
  EXPECT_EQ(MeasureLines("Hello|world"), (LineLengths{5, 5, 0, 0, 0}));
  EXPECT_EQ(MeasureLines("a||b"), (LineLengths{1, 0, 1, 0, 0}));
  EXPECT_EQ(MeasureLines(""), (LineLengths{0, 0, 0, 0, 0}));
  EXPECT_TRUE(HasExactlyTwoLines(MeasureLines("ab|cd")));
  EXPECT_TRUE(HasExactlyTwoLines(MeasureLines("ab|cd|")));
  EXPECT_FALSE(HasExactlyTwoLines(MeasureLines("ab|cd|e")));
  EXPECT_FALSE(HasExactlyTwoLines(MeasureLines("|cd")));
}

}  // namespace
}  // namespace corrections
