// The editor's row commands: inserting, deleting, timing, merging, texts and jumping.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editor/torles_tobb.h"
#include "row_command_rig.h"

namespace editor {
namespace {

using testing::Row;
using testing::RowCommandRig;
using Strings = std::vector<std::string>;
namespace field = dataset::subtitle_field;

const std::string kNotFromRow1 =
    "message: Figyelmeztetés | Csak a 2. sortól lehet ilyen "
    "műveletet végrehajtani! |";

std::vector<Row> Numbered(int count) {
  std::vector<Row> rows;
  for (int i = 1; i <= count; ++i) {
    const std::string n = std::to_string(i);
    rows.push_back({n + "0", n + "5", "t" + n});
  }
  return rows;
}

// ---- Appending and inserting ----------------------------------------------------------------

TEST(InsertRows, TimesOfTheNewRow) {
  enum class Command { kAppend, kBefore, kAfter };
  struct Case {
    std::string base;
    std::vector<Row> rows;
    int current;
    Command command;
    bool empty_times;
    Strings starts;
    Strings ends;
    int new_current;
  };
  const std::vector<Case> cases = {
      {"Time", {}, 0, Command::kAppend, false, {"00:00:00,000"}, {"00:00:01,000"}, 1},
      {"Frame", {}, 0, Command::kAppend, false, {"0"}, {"0"}, 1},
      {"Time", {}, 0, Command::kAppend, true, {""}, {""}, 1},
      {"Frame",
       {{"200", "250", "a"}},
       1,
       Command::kAppend,
       false,
       {"200", "250"},
       {"250", "260"},
       2},
      {"Time",
       {{"00:01:00,000", "00:01:02,500", "a"}, {"00:01:03,000", "00:01:04,000", "b"}},
       1,
       Command::kAppend,
       false,
       {"00:01:00,000", "00:01:03,000", "00:01:04,000"},
       {"00:01:02,500", "00:01:04,000", "00:01:05,000"},
       3},
      {"Frame", {{"10", "20", "a"}}, 1, Command::kBefore, false, {"0", "10"}, {"10", "20"}, 1},
      {"Frame", {{"11", "20", "a"}}, 1, Command::kBefore, false, {"1", "11"}, {"11", "20"}, 1},
      {"Frame", {{"11", "20", "a"}}, 1, Command::kBefore, true, {"", "11"}, {"", "20"}, 1},
      // No start to count from: the new row starts at 0.
      {"Frame", {{"", "20", "a"}}, 1, Command::kBefore, false, {"0", ""}, {"", "20"}, 1},
      {"Frame", {}, 0, Command::kBefore, false, {"0"}, {""}, 1},
      {"Time",
       {{"00:00:01,000", "00:00:02,000", "a"}},
       1,
       Command::kBefore,
       false,
       {"00:00:01,000", "00:00:01,000"},
       {"00:00:01,000", "00:00:02,000"},
       1},
      {"Frame",
       {{"10", "20", "a"}, {"30", "40", "b"}},
       1,
       Command::kAfter,
       false,
       {"10", "20", "30"},
       {"20", "20", "40"},
       2},
      {"Frame",
       {{"10", "20", "a"}, {"30", "40", "b"}},
       2,
       Command::kAfter,
       false,
       {"10", "30", "40"},
       {"20", "40", "50"},
       3},
      {"Time",
       {{"00:00:01,000", "00:00:02,000", "a"}},
       1,
       Command::kAfter,
       false,
       {"00:00:01,000", "00:00:02,000"},
       {"00:00:02,000", "00:00:03,000"},
       2},
  };
  for (const Case& c : cases) {
    RowCommandRig rig(c.base, c.rows);
    TFelirat& f = rig.editor();
    f.cburessor.SetChecked(c.empty_times);
    if (c.current > 0)
      rig.table().SetRecNo(c.current);
    switch (c.command) {
      case Command::kAppend:
        f.BbeszurasClick();
        break;
      case Command::kBefore:
        f.pmsoreleClick();
        break;
      case Command::kAfter:
        f.pmsormogeClick();
        break;
    }
    const std::string label = c.base + " case of " + std::to_string(c.rows.size()) + " rows";
    EXPECT_EQ(rig.Column(field::kKezdes), c.starts) << label;
    EXPECT_EQ(rig.Column(field::kBefejezes), c.ends) << label;
    EXPECT_EQ(rig.table().RecNo(), c.new_current) << label;
    EXPECT_FALSE(rig.program.state.InternalUpdate) << label;
    EXPECT_TRUE(f.Bmentes.Enabled()) << label;
    EXPECT_TRUE(f.Mentes1.Enabled()) << label;
    EXPECT_TRUE(f.szoveg.Focused()) << label;
    // The panel shows the new row.
    EXPECT_EQ(f.kezdes.Text(), rig.table().Value(field::kKezdes)) << label;
  }
}

TEST(InsertRows, AppendingToAnEmptyTableStartsEditing) {
  RowCommandRig rig("Time");
  TFelirat& f = rig.editor();
  f.Masikfelirat.SetEnabled(false);
  for (ui::Control* control : {&f.Btorles, &f.Belemoge, &f.BTorlesTobb, &f.Bov})
    control->SetEnabled(false);
  f.BbeszurasClick();
  EXPECT_TRUE(f.Masikfelirat.Enabled());
  for (ui::Control* control : {&f.Btorles, &f.Belemoge, &f.BTorlesTobb, &f.Bov})
    EXPECT_TRUE(control->Enabled()) << control->Name();
  // The appended row is a change: the subtitle stays modified.
  EXPECT_TRUE(f.Bmentes.Enabled());
  EXPECT_TRUE(f.Mentes1.Enabled());
}

TEST(InsertRows, FiveAndTwentyRows) {
  struct Case {
    int current;
    Strings starts;
    Strings ends;
    int new_current;
  };
  const std::vector<Case> cases = {
      {2,
       {"50", "90", "100", "110", "120", "130", "140"},
       {"60", "100", "110", "120", "130", "140", "150"},
       7},
      {1,
       {"50", "60", "60", "60", "60", "60", "90"},
       {"60", "60", "60", "60", "60", "60", "100"},
       6},
  };
  for (const Case& c : cases) {
    RowCommandRig rig("Frame", {{"50", "60", "a"}, {"90", "100", "b"}});
    rig.table().SetRecNo(c.current);
    rig.editor().Beszur5sorClick();
    EXPECT_EQ(rig.Column(field::kKezdes), c.starts) << c.current;
    EXPECT_EQ(rig.Column(field::kBefejezes), c.ends) << c.current;
    EXPECT_EQ(rig.table().RecNo(), c.new_current);
    EXPECT_FALSE(rig.program.state.InternalUpdate);
  }
  RowCommandRig rig("Frame", {{"50", "60", "a"}});
  rig.editor().N10sorbeszrsaazaktulissormg1Click();
  ASSERT_EQ(rig.table().RecordCount(), 21);
  EXPECT_EQ(rig.table().Cell(21, field::kBefejezes), "260");
  EXPECT_EQ(rig.table().RecNo(), 21);
}

TEST(InsertRows, NewSubtitleInPlace) {
  const std::string line38(38, 'a');
  for (const std::string base : {"Time", "Frame"}) {
    RowCommandRig rig(base, {{"1", "2", line38 + "|b|c"}, {"3", "4", "d"}});
    TFelirat& f = rig.editor();
    f.Efilenev.SetText("film.srt");
    rig.program.state.CurrentFilePath = files::ShownPath("/x/film.srt");
    f.jfelirat1Click();
    EXPECT_EQ(rig.Column(field::kKezdes), Strings{base == "Time" ? "00:00:00,000" : "0"});
    EXPECT_EQ(rig.Column(field::kBefejezes), Strings{base == "Time" ? "00:00:01,000" : "0"});
    EXPECT_EQ(rig.Column(field::kSzoveg), Strings{""});
    EXPECT_EQ(f.Efilenev.Text(), "");
    EXPECT_EQ(rig.program.state.CurrentFilePath.Text(), "");
    EXPECT_EQ(rig.program.state.LongLineRowCount, 0);
    EXPECT_EQ(f.Lsor.Caption(), "(0)");
    EXPECT_TRUE(rig.Messages().empty());
  }
}

TEST(InsertRows, SecondTextRowCountFollowsTheRows) {
  struct Case {
    int current;
    int command;  // 0 before, 1 after, 2 append, 3 delete
    int count;
  };
  // Rows 1..3 hold second text (count 3) in a table of 4 rows.
  const std::vector<Case> cases = {
      {3, 0, 4}, {2, 0, 4}, {4, 0, 3}, {2, 1, 4}, {3, 1, 3},
      {1, 2, 3}, {3, 3, 2}, {1, 3, 2}, {4, 3, 3},
  };
  for (const Case& c : cases) {
    RowCommandRig rig(
        "Frame",
        {{"1", "2", "a", "A"}, {"3", "4", "b", "B"}, {"5", "6", "c", "C"}, {"7", "8", "d"}});
    rig.program.state.SecondTextRowCount = 3;
    rig.table().SetRecNo(c.current);
    TFelirat& f = rig.editor();
    f.CBdelete.SetChecked(true);
    switch (c.command) {
      case 0:
        f.pmsoreleClick();
        break;
      case 1:
        f.pmsormogeClick();
        break;
      case 2:
        f.BbeszurasClick();
        break;
      default:
        f.BtorlesClick();
        break;
    }
    EXPECT_EQ(rig.program.state.SecondTextRowCount, c.count)
        << "command " << c.command << " on row " << c.current;
  }
}

// ---- Deleting ----------------------------------------------------------------------------------

TEST(DeleteRow, QuestionAndAnswers) {
  struct Case {
    ui::BitBtn shell::TKiszoveg::*answer;
    bool no_question;
    Strings texts;
  };
  const std::vector<Case> cases = {
      {&shell::TKiszoveg::Bigen, false, {"t1", "t3"}},
      {&shell::TKiszoveg::Bnem, false, {"t1", "t2", "t3"}},
      {&shell::TKiszoveg::Bmegsem, false, {"t1", "t2", "t3"}},
      {nullptr, true, {"t1", "t3"}},
  };
  for (const Case& c : cases) {
    RowCommandRig rig("Frame", Numbered(3));
    TFelirat& f = rig.editor();
    f.CBdelete.SetChecked(c.no_question);
    rig.table().SetRecNo(2);
    if (c.answer != nullptr)
      rig.Answer(c.answer);
    f.BtorlesClick();
    EXPECT_EQ(rig.Column(field::kSzoveg), c.texts);
    EXPECT_EQ(rig.Messages().size(), c.no_question ? 0U : 1U);
    const bool deleted = c.texts.size() == 2;
    EXPECT_EQ(f.Bmentes.Enabled(), deleted);
    if (deleted) {
      EXPECT_EQ(rig.table().RecNo(), 2);
      EXPECT_EQ(f.szoveg.Text(), "t3");
    }
  }
}

TEST(DeleteRow, QuestionComesBeforeTheEmptyTableMessage) {
  RowCommandRig rig("Time");
  TFelirat& f = rig.editor();
  f.Masikfelirat.SetEnabled(true);
  rig.Answer(&shell::TKiszoveg::Bigen);
  rig.AnswerOk();
  f.BtorlesClick();
  EXPECT_EQ(
      rig.Messages(),
      (Strings{"message: Törlés! | Tényleg törölni akarja a sort? |",
               "message: Sor törlése | Nincs több sor a file-ban, ezért nem tud törölni! |"}));
  EXPECT_FALSE(f.Masikfelirat.Enabled());
  EXPECT_FALSE(f.Btorles.Enabled());
  EXPECT_FALSE(f.Belemoge.Enabled());
  EXPECT_FALSE(f.BTorlesTobb.Enabled());
}

TEST(DeleteRow, CountersAndTheLastRow) {
  const std::string line38(38, 'a');
  RowCommandRig rig("Time", {{"00:00:01,000", "00:00:02,000", "a"},
                             {"00:00:03,000", "00:00:04,000", line38 + "|b|c"}});
  TFelirat& f = rig.editor();
  f.CBdelete.SetChecked(true);
  ASSERT_EQ(f.Lbetu.Caption(), "(1)");
  rig.table().SetRecNo(2);
  f.BtorlesClick();
  EXPECT_EQ(f.Lbetu.Caption(), "(0)");
  EXPECT_EQ(f.Lsor.Caption(), "(0)");
  EXPECT_EQ(rig.table().RecNo(), 1);
  EXPECT_TRUE(f.Btorles.Enabled());
  f.BtorlesClick();
  EXPECT_TRUE(rig.table().IsEmpty());
  EXPECT_FALSE(f.Btorles.Enabled());
  EXPECT_FALSE(f.BTorlesTobb.Enabled());
}

TEST(DeleteRow, DeletesTheRowTheCommandStartedOn) {
  RowCommandRig rig("Frame", Numbered(4));
  rig.table().SetRecNo(2);
  rig.driver.OnModal("Kiszoveg", [&rig] {
    rig.table().SetRecNo(4);  // as a film timer would while the question is open
    rig.driver.Click(rig.program.Kiszoveg->Bigen);
  });
  rig.editor().BtorlesClick();
  EXPECT_EQ(rig.Column(field::kSzoveg), (Strings{"t1", "t3", "t4"}));
}

// ---- Deleting a range --------------------------------------------------------------------------

TEST(DeleteRange, Proposals) {
  struct Case {
    int rows;
    int current;
    std::string first;
    std::string last;
  };
  const std::vector<Case> cases = {
      {10, 4, "4", "5"}, {10, 10, "9", "10"}, {10, 9, "9", "10"},
      {1, 1, "1", "1"},  {2, 2, "1", "2"},
  };
  for (const Case& c : cases) {
    RowCommandRig rig("Frame", Numbered(c.rows));
    rig.table().SetRecNo(c.current);
    TTorlesTobb& window = *rig.program.TorlesTobb;
    rig.driver.OnModal("TorlesTobb", [&rig, &window, &c] {
      EXPECT_EQ(window.SPelso.Text(), c.first) << c.rows << " rows, on " << c.current;
      EXPECT_EQ(window.SPutso.Text(), c.last) << c.rows << " rows, on " << c.current;
      EXPECT_TRUE(window.SPelso.Focused());
      rig.driver.Click(window.Button1);
    });
    rig.editor().BtobbsorClick();
    EXPECT_EQ(rig.table().RecordCount(), c.rows);
  }
}

TEST(DeleteRange, TypedRowsAreCheckedBeforeDeleting) {
  struct Case {
    std::string first;
    std::string last;
    bool deleted;
    Strings texts;
  };
  const std::vector<Case> cases = {
      {"2", "3", true, {"t1", "t4", "t5"}},
      {"1", "5", true, {}},
      {"4", "5", true, {"t1", "t2", "t3"}},
      {"0", "2", false, {}},
      {"3", "2", false, {}},
      {"4", "9", false, {}},
      {"", "2", false, {}},
      {"x", "2", false, {}},
      // The int extremes typed into the boxes are refused as wrong numbers.
      {"2147483647", "2", false, {}},
      {"2147483647", "2147483647", false, {}},
      {"2", "2147483648", false, {}},
      {"-2147483648", "2", false, {}},
      {"4294967298", "4294967299", false, {}},
  };
  for (const Case& c : cases) {
    RowCommandRig rig("Frame", Numbered(5));
    TTorlesTobb& window = *rig.program.TorlesTobb;
    rig.driver.OnModal("TorlesTobb", [&rig, &window, &c] {
      window.SPelso.SetText(c.first);
      window.SPutso.SetText(c.last);
      rig.AnswerOk();
      rig.driver.Click(window.Btorles);
      if (window.Visible())
        rig.driver.Click(window.Button1);
    });
    rig.editor().TobbsortorleseClick();
    const Strings messages = rig.Messages();
    ASSERT_EQ(messages.size(), 1U) << c.first << ".." << c.last;
    if (c.deleted) {
      EXPECT_EQ(messages[0], "message: Sor törlése | Kész! |");
      EXPECT_EQ(rig.Column(field::kSzoveg), c.texts);
      EXPECT_TRUE(rig.editor().Bmentes.Enabled());
    } else {
      EXPECT_EQ(messages[0],
                "message: Sor törlése | Hibás sorszám! | 1 <= Kezdő sor <= Utolsó törlendő sor "
                "<= 5");
      EXPECT_EQ(rig.table().RecordCount(), 5) << c.first << ".." << c.last;
    }
  }
}

// The report of a done delete shows over the editor, the window already off the screen.
TEST(DeleteRange, TheWindowLeavesBeforeTheReport) {
  RowCommandRig rig("Frame", Numbered(5));
  TTorlesTobb& window = *rig.program.TorlesTobb;
  bool seen = false;
  rig.driver.OnModal("TorlesTobb", [&] {
    window.SPelso.SetText("2");
    window.SPutso.SetText("3");
    rig.driver.OnModal("Kiszoveg", [&] {
      seen = true;
      EXPECT_FALSE(window.Visible());
      EXPECT_TRUE(rig.editor().Visible());
      rig.driver.Click(rig.program.Kiszoveg->Bok);
    });
    rig.driver.Click(window.Btorles);
  });
  rig.editor().TobbsortorleseClick();
  EXPECT_EQ(rig.driver.Verify(), "");
  EXPECT_TRUE(seen);
  EXPECT_FALSE(window.Visible());
  EXPECT_EQ(rig.Column(field::kSzoveg), (Strings{"t1", "t4", "t5"}));
  EXPECT_EQ(rig.Messages(), (Strings{"message: Sor törlése | Kész! |"}));
}

// Up and Down on a box holding an int extreme stop there (and at the box's bounds); the rows
// stay until a valid range is asked for.
TEST(DeleteRange, ArrowsAtTheIntExtremes) {
  RowCommandRig rig("Frame", Numbered(5));
  TTorlesTobb& window = *rig.program.TorlesTobb;
  rig.driver.OnModal("TorlesTobb", [&rig, &window] {
    window.SPelso.SetText("2147483647");
    window.SPutso.SetText("2147483647");
    rig.driver.Focus(window.SPutso);
    rig.driver.Press(ui::keys::kUp);
    EXPECT_EQ(window.SPutso.Text(), "2147483647");
    window.SPelso.SetText("-2147483648");
    rig.driver.Focus(window.SPelso);
    rig.driver.Press(ui::keys::kDown);
    EXPECT_EQ(window.SPelso.Text(), "0");
    rig.AnswerOk();
    rig.driver.Click(window.Btorles);
    rig.driver.Click(window.Button1);
  });
  rig.editor().TobbsortorleseClick();
  EXPECT_EQ(rig.driver.Verify(), "");
  EXPECT_EQ(rig.table().RecordCount(), 5);
  EXPECT_EQ(rig.Messages().size(), 1U);
}

TEST(DeleteRange, KeepsCountersAndButtonsAsTheSingleDelete) {
  const std::string line38(38, 'a');
  RowCommandRig rig("Time", {{"00:00:01,000", "00:00:02,000", line38, "A"},
                             {"00:00:03,000", "00:00:04,000", "a|b|c", "B"},
                             {"00:00:05,000", "00:00:06,000", "x", "C"}});
  TFelirat& f = rig.editor();
  shell::SharedState& state = rig.program.state;
  state.SecondTextRowCount = 3;
  f.DeleteRowRange(1, 2);
  EXPECT_EQ(state.LongLineRowCount, 0);
  EXPECT_EQ(state.ManyLineRowCount, 0);
  EXPECT_EQ(f.Lbetu.Caption(), "(0)");
  EXPECT_EQ(state.SecondTextRowCount, 1);
  EXPECT_EQ(rig.table().RecNo(), 1);
  EXPECT_EQ(f.szoveg.Text(), "x");
  EXPECT_TRUE(f.Btorles.Enabled());
  f.DeleteRowRange(1, 1);
  EXPECT_EQ(state.SecondTextRowCount, 0);
  EXPECT_FALSE(f.Btorles.Enabled());
  EXPECT_FALSE(f.Belemoge.Enabled());
  EXPECT_FALSE(f.BTorlesTobb.Enabled());
  EXPECT_FALSE(state.InternalUpdate);
}

// ---- Timing -----------------------------------------------------------------------------------

TEST(NextRowStart, TakesTheCurrentEnd) {
  RowCommandRig rig("Frame", Numbered(5));
  TFelirat& f = rig.editor();
  rig.table().SetRecNo(3);
  f.BvegelsoClick();
  EXPECT_EQ(rig.table().RecNo(), 4);
  EXPECT_EQ(rig.table().Cell(4, field::kKezdes), "35");
  EXPECT_EQ(f.kezdes.Text(), "35");
  EXPECT_TRUE(f.Bmentes.Enabled());

  // The last row has no next row: nothing changes.
  rig.table().SetRecNo(5);
  f.Bmentes.SetEnabled(false);
  f.BvegelsoClick();
  EXPECT_EQ(rig.table().RecNo(), 5);
  EXPECT_EQ(rig.table().Cell(5, field::kKezdes), "50");
  EXPECT_FALSE(f.Bmentes.Enabled());
}

TEST(DivideTime, ThreeButtons) {
  struct Case {
    void (TFelirat::*button)();
    std::string cut;
  };
  const std::vector<Case> cases = {
      {&TFelirat::B12Click, "00:00:11,000"},
      {&TFelirat::B22Click, "00:00:11,500"},
      {&TFelirat::B21Click, "00:00:12,000"},
  };
  for (const Case& c : cases) {
    RowCommandRig rig(
        "Time", {{"00:00:10,000", "00:00:13,000", "a"}, {"00:00:13,500", "00:00:15,000", "b"}});
    TFelirat& f = rig.editor();
    rig.table().SetRecNo(2);
    (f.*c.button)();
    EXPECT_EQ(rig.Column(field::kKezdes), (Strings{"00:00:10,000", c.cut}));
    EXPECT_EQ(rig.Column(field::kBefejezes), (Strings{c.cut, "00:00:15,000"}));
    EXPECT_EQ(rig.table().RecNo(), 2);
    EXPECT_EQ(f.kezdes.Text(), c.cut);
    EXPECT_FALSE(rig.program.state.InternalUpdate);
    EXPECT_TRUE(f.Bmentes.Enabled());
  }
}

TEST(DivideTime, RefusedOnRowOne) {
  RowCommandRig rig("Time",
                    {{"00:00:10,000", "00:00:13,000", "a"}, {"00:00:13,500", "00:00:15,000", "b"}});
  rig.AnswerOk();
  rig.editor().B22Click();
  EXPECT_EQ(rig.Messages(), Strings{kNotFromRow1});
  EXPECT_EQ(rig.Column(field::kBefejezes), (Strings{"00:00:13,000", "00:00:15,000"}));
  EXPECT_FALSE(rig.editor().Bmentes.Enabled());
}

// ---- Jumping ----------------------------------------------------------------------------------

TEST(JumpBox, GoesToTheRowTyped) {
  struct Case {
    std::string typed;
    int row;
  };
  const std::vector<Case> cases = {
      {"3", 3},           {"12", 5},
      {"0", 2},           {"", 2},
      {"x", 2},           {"2147483647", 5},
      {"2147483648", 5},  {"99999999999", 5},
      {"-2147483648", 2}, {"99999999999999999999", 2},
  };
  for (const Case& c : cases) {
    RowCommandRig rig("Frame", Numbered(5));
    TFelirat& f = rig.editor();
    rig.table().SetRecNo(2);
    f.Eugras.SetText(c.typed);
    f.BugrasClick();
    EXPECT_EQ(rig.table().RecNo(), c.row) << c.typed;
    EXPECT_EQ(f.szoveg.Text(), "t" + std::to_string(c.row)) << c.typed;
  }
  RowCommandRig rig("Frame", Numbered(5));
  TFelirat& f = rig.editor();
  ASSERT_TRUE(rig.driver.Focus(f.Eugras));
  rig.driver.Type("4x");
  EXPECT_EQ(f.Eugras.Text(), "4");
  rig.driver.Press(ui::keys::kReturn);
  EXPECT_EQ(rig.table().RecNo(), 4);
  EXPECT_TRUE(f.racs.Focused());
}

// ---- Merging -----------------------------------------------------------------------------------

TEST(MergeRows, IntoThePreviousRow) {
  struct Case {
    bool dialogue;
    int current;
    Strings texts;
    Strings ends;
    int new_current;
  };
  const std::vector<Case> cases = {
      {false, 2, {"A|B", "C"}, {"25", "35"}, 1},
      {false, 3, {"A", "B|C"}, {"15", "35"}, 2},
      {true, 3, {"A", "- B|- C"}, {"15", "35"}, 2},
      {true, 2, {"- A|- B", "C"}, {"25", "35"}, 1},
  };
  for (const Case& c : cases) {
    RowCommandRig rig("Frame", {{"10", "15", "A"}, {"20", "25", "B"}, {"30", "35", "C"}});
    TFelirat& f = rig.editor();
    rig.table().SetRecNo(c.current);
    if (c.dialogue)
      f.BovmClick();
    else
      f.BovClick();
    EXPECT_EQ(rig.Column(field::kSzoveg), c.texts);
    EXPECT_EQ(rig.Column(field::kBefejezes), c.ends);
    EXPECT_EQ(rig.Column(field::kKezdes), (Strings{"10", c.current == 2 ? "30" : "20"}));
    EXPECT_EQ(rig.table().RecNo(), c.new_current);
    EXPECT_TRUE(f.Bmentes.Enabled());
    EXPECT_FALSE(rig.program.state.InternalUpdate);
  }
}

TEST(MergeRows, ItalicDialogueAndFlags) {
  const std::string line38(38, 'a');
  RowCommandRig rig("Time", {{"00:00:01,000", "00:00:02,000", "<i>A</i>"},
                             {"00:00:03,000", "00:00:04,000", "<i>" + line38 + "</i>"},
                             {"00:00:05,000", "00:00:06,000", "x|y"}});
  TFelirat& f = rig.editor();
  shell::SharedState& state = rig.program.state;
  ASSERT_EQ(state.LongLineRowCount, 1);
  rig.table().SetRecNo(2);
  f.BovmClick();
  EXPECT_EQ(rig.table().Cell(1, field::kSzoveg), "<i>- A</i>|<i>- " + line38 + "</i>");
  EXPECT_EQ(state.LongLineRowCount, 1);
  EXPECT_EQ(rig.table().Cell(1, field::kBetu38), "t");
  // The row below makes a third line.
  f.CBdelete.SetChecked(true);
  rig.table().SetRecNo(2);
  f.BovClick();
  EXPECT_EQ(state.ManyLineRowCount, 1);
  EXPECT_EQ(f.Lsor.Caption(), "(1)");
}

TEST(MergeRows, SecondTextGoesWithTheMergedRow) {
  RowCommandRig rig("Frame", {{"10", "15", "a", "A"}, {"20", "25", "b", "B"}, {"30", "35", "c"}});
  rig.program.state.SecondTextRowCount = 2;
  rig.table().SetRecNo(2);
  rig.editor().BovClick();
  EXPECT_EQ(rig.Column(field::kSzoveg2), (Strings{"A|B", ""}));
  EXPECT_EQ(rig.program.state.SecondTextRowCount, 1);
}

// A merge or a dialogue-dash edit whose text would pass the row's 220 characters is refused
// with a message: no row is deleted and every text stays.
TEST(MergeRows, AMergeThatDoesNotFitIsRefused) {
  struct Case {
    Strings texts;
    Strings seconds;
    void (TFelirat::*command)();
    bool fits;
  };
  const std::string half(110, 'a');
  const std::vector<Case> cases = {
      {{half, std::string(110, 'b')}, {"", ""}, &TFelirat::BovClick, false},
      {{half, std::string(109, 'b')}, {"", ""}, &TFelirat::BovClick, true},
      {{std::string(108, 'a'), std::string(108, 'b')}, {"", ""}, &TFelirat::BovmClick, false},
      {{"a", "b"}, {half, std::string(110, 'B')}, &TFelirat::BovClick, false},
      {{"x", std::string(110, 'a') + "|" + std::string(108, 'b')},
       {"", ""},
       &TFelirat::mpmClick,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.texts[1].size());
    RowCommandRig rig(
        "Frame", {{"10", "15", c.texts[0], c.seconds[0]}, {"20", "25", c.texts[1], c.seconds[1]}});
    rig.program.state.SecondTextRowCount = 2;
    TFelirat& f = rig.editor();
    rig.table().SetRecNo(2);
    if (!c.fits)
      rig.AnswerOk();
    (f.*c.command)();
    EXPECT_EQ(rig.driver.Verify(), "");
    if (c.fits) {
      EXPECT_EQ(rig.table().RecordCount(), 1);
      EXPECT_TRUE(rig.Messages().empty());
      continue;
    }
    EXPECT_EQ(rig.Column(field::kSzoveg), c.texts);
    EXPECT_EQ(rig.Column(field::kSzoveg2), c.seconds);
    EXPECT_EQ(rig.program.state.SecondTextRowCount, 2);
    EXPECT_EQ(rig.Messages(), (Strings{"message: Figyelmeztetés | A művelettel a sor hosszabb "
                                       "lenne 220 karakternél! | A sor nem változott."}));
  }
}

TEST(MergeRows, RefusedOnRowOneAndAbsentWithoutTheFilmPlayer) {
  {
    RowCommandRig rig("Frame", Numbered(2));
    rig.AnswerOk();
    rig.AnswerOk();
    rig.editor().BovClick();
    rig.editor().BovmClick();
    EXPECT_EQ(rig.Messages(), (Strings{kNotFromRow1, kNotFromRow1}));
    EXPECT_EQ(rig.Column(field::kSzoveg), (Strings{"t1", "t2"}));
  }
  for (int row : {1, 2}) {
    RowCommandRig rig("Frame", Numbered(2), shell::testing::WithoutFilmPlayer());
    rig.table().SetRecNo(row);
    rig.editor().BovClick();
    rig.editor().BovmClick();
    EXPECT_TRUE(rig.Messages().empty());
    EXPECT_EQ(rig.Column(field::kSzoveg), (Strings{"t1", "t2"}));
  }
}

// ---- Texts
// ---------------------------------------------------------------------------------------

TEST(RowTexts, DashesAndWordMoves) {
  struct Case {
    void (TFelirat::*command)();
    std::string text;
    std::string result;
    std::string message;  // empty: none
  };
  const std::string no_break =
      "message: Információ | Nincs sortörés a sorban, így nem hajtható végre a módosítás! |";
  const std::vector<Case> cases = {
      {&TFelirat::mpmClick, "A|B|C", "- A|- B|C", ""},
      {&TFelirat::mpmClick, "AB", "AB",
       "message: Információ | Mivel ez a sor nem 2 soros ezért erre nem hajtható végre a "
       "művelet |"},
      {&TFelirat::N6Click, "abc def|ghi", "abc|def ghi", ""},
      {&TFelirat::N6Click, "abcdef|ghi", "abcdef|ghi",
       "message: Információ | Ezen a soron nem hajtható végre a kért transzformáció! |"},
      {&TFelirat::N6Click, "abc def", "abc def", no_break},
      {&TFelirat::Utolsktsz1Click, "abc|def ghi", "abc def|ghi", ""},
      {&TFelirat::Utolsktsz1Click, "abc|def", "abc def", ""},
      {&TFelirat::Utolsktsz1Click, "abc|def|ghi jkl", "abc def|ghi|jkl", ""},
      {&TFelirat::Utolsktsz1Click, "abc", "abc", no_break},
  };
  for (const Case& c : cases) {
    RowCommandRig rig("Time", {{"00:00:01,000", "00:00:03,000", c.text}});
    TFelirat& f = rig.editor();
    if (!c.message.empty())
      rig.AnswerOk();
    (f.*c.command)();
    EXPECT_EQ(rig.table().Cell(1, field::kSzoveg), c.result) << c.text;
    const auto lines = static_cast<std::size_t>(std::count(c.result.begin(), c.result.end(), '|'));
    EXPECT_EQ(f.szoveg.Lines().size(), lines + 1) << c.text;
    EXPECT_EQ(rig.Messages(), c.message.empty() ? Strings{} : Strings{c.message}) << c.text;
    // "-|-" marks the subtitle modified even when it did nothing; the word moves only when
    // they moved a word.
    const bool modified = c.command == &TFelirat::mpmClick || c.message.empty();
    EXPECT_EQ(f.Bmentes.Enabled(), modified) << c.text;
    EXPECT_FALSE(rig.program.state.InternalUpdate) << c.text;
  }
}

TEST(RowTexts, WordMoveKeepsTheFlagsAndColours) {
  const std::string line(36, 'a');
  RowCommandRig rig("Time", {{"00:00:01,000", "00:00:03,000", line + " bb|c"}});
  TFelirat& f = rig.editor();
  f.Cbtobb.SetEnabled(true);
  f.Cbtobb.SetChecked(true);
  ASSERT_EQ(f.Lbetu.Caption(), "(1)");
  f.N6Click();
  EXPECT_EQ(f.Lbetu.Caption(), "(0)");
  f.Utolsktsz1Click();
  EXPECT_EQ(f.Lbetu.Caption(), "(1)");
  // The grid shows the selected row in the colour of a long line again.
  EXPECT_EQ(f.racs.PaintedCell(1, 3).brush, ui::Bgr(255, 0, 0));
}

// ---- Wiring -------------------------------------------------------------------------------------

TEST(RowCommandWiring, MenuItemsAndButtonsRunTheirCommands) {
  struct Case {
    std::string name;
    void (*run)(TFelirat& f);
    int rows;
    int current;
  };
  const std::vector<Case> cases = {
      {"SorTorlese", [](TFelirat& f) { f.SorTorlese.Click(); }, 2, 2},
      {"Btorles", [](TFelirat& f) { f.Btorles.Click(); }, 2, 2},
      {"soreleRacs", [](TFelirat& f) { f.soreleRacs.Click(); }, 4, 2},
      {"pmsorele", [](TFelirat& f) { f.pmsorele.Click(); }, 4, 2},
      {"sormogeRacs", [](TFelirat& f) { f.sormogeRacs.Click(); }, 4, 3},
      {"pmsormoge", [](TFelirat& f) { f.pmsormoge.Click(); }, 4, 3},
      {"sor5mogeRacs", [](TFelirat& f) { f.sor5mogeRacs.Click(); }, 8, 7},
      {"Beszur5sor", [](TFelirat& f) { f.Beszur5sor.Click(); }, 8, 7},
      {"N10", [](TFelirat& f) { f.N10sorbeszrsaazaktulissormg1.Click(); }, 23, 22},
      {"Bbeszuras", [](TFelirat& f) { f.Bbeszuras.Click(); }, 4, 4},
      {"jfelirat1", [](TFelirat& f) { f.jfelirat1.Click(); }, 1, 1},
      {"Bvegelso", [](TFelirat& f) { f.Bvegelso.Click(); }, 3, 3},
      {"Bov", [](TFelirat& f) { f.Bov.Click(); }, 2, 1},
      {"Bovm", [](TFelirat& f) { f.Bovm.Click(); }, 2, 1},
  };
  for (const Case& c : cases) {
    RowCommandRig rig("Frame", Numbered(3));
    TFelirat& f = rig.editor();
    f.CBdelete.SetChecked(true);
    rig.table().SetRecNo(2);
    c.run(f);
    EXPECT_EQ(rig.table().RecordCount(), c.rows) << c.name;
    EXPECT_EQ(rig.table().RecNo(), c.current) << c.name;
  }
}

TEST(RowCommandWiring, NarrowButtonsOpenTheirMenusAndShortcutsMoveWords) {
  RowCommandRig rig("Time", {{"00:00:01,000", "00:00:02,000", "abc|def ghi"}});
  TFelirat& f = rig.editor();
  ASSERT_TRUE(rig.driver.Click(f.Belemoge));
  EXPECT_EQ(rig.driver.LastPopup(), &f.PopupMenuEM);
  ASSERT_TRUE(rig.driver.Click(f.BTorlesTobb));
  EXPECT_EQ(rig.driver.LastPopup(), &f.PMTorlesTobb);

  ASSERT_TRUE(rig.driver.Focus(f.racs));
  rig.driver.Press('X', ui::kCtrl);
  EXPECT_EQ(rig.table().Value(field::kSzoveg), "abc def|ghi");
  rig.driver.Press(ui::keys::kOem102, ui::kCtrl);
  EXPECT_EQ(rig.table().Value(field::kSzoveg), "abc|def ghi");
}

}  // namespace
}  // namespace editor
