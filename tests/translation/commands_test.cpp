// The translation window's row and text commands on loaded sides: inserts, deletes, style items,
// the text clipboard, the line separator and the search.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "translation/workspace.h"

namespace {

using translation::TForditas;
using translation_test::FrameRows;
using translation_test::Workspace;
using Texts = std::vector<std::string>;

TEST(TranslationCommands, EachInsertPlacesAnEmptyRowOnEmptyFirstMiddleAndLastRows) {
  struct Case {
    const char* name;
    void (TForditas::*handler)();
    bool source;
    // After the command on row 1, 2 and 3 of three rows: the texts and the current row.
    Texts first, middle, last;
    int first_row, middle_row, last_row;
    bool inserts_into_empty;
    bool enables_save;
  };
  const std::vector<Case> cases = {
      {"Epmu",
       &TForditas::EpmuClick,
       true,
       {"s1", "", "s2", "s3"},
       {"s1", "s2", "", "s3"},
       {"s1", "s2", "", "s3"},
       2,
       3,
       3,
       false,
       false},
      {"Fpme",
       &TForditas::FpmeClick,
       false,
       {"", "s1", "s2", "s3"},
       {"", "s1", "s2", "s3"},
       {"s1", "", "s2", "s3"},
       1,
       1,
       2,
       false,
       false},
      {"eleE",
       &TForditas::eleEClick,
       true,
       {"", "s1", "s2", "s3"},
       {"s1", "", "s2", "s3"},
       {"s1", "s2", "", "s3"},
       1,
       2,
       3,
       true,
       true},
      {"MogeF",
       &TForditas::MogeFClick,
       false,
       {"s1", "", "s2", "s3"},
       {"s1", "s2", "", "s3"},
       {"s1", "s2", "s3", ""},
       2,
       3,
       4,
       true,
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Texts* wanted[] = {&c.first, &c.middle, &c.last};
    const int rows[] = {c.first_row, c.middle_row, c.last_row};
    for (int current = 1; current <= 3; ++current) {
      SCOPED_TRACE(current);
      Workspace w;
      TForditas& f = w.f();
      w.LoadSource(FrameRows("s", 3));
      w.LoadTranslation(FrameRows("s", 3));
      dataset::RowTable& table = c.source ? f.cdsE : f.cdsF;
      table.SetRecNo(current);
      (f.*c.handler)();
      EXPECT_EQ(Workspace::Texts(table), *wanted[current - 1]);
      EXPECT_EQ(table.RecNo(), rows[current - 1]);
      EXPECT_EQ(Workspace::Row(table, rows[current - 1]), "||");
      EXPECT_EQ(Workspace::Texts(c.source ? f.cdsF : f.cdsE), (Texts{"s1", "s2", "s3"}));
    }
    Workspace w;
    TForditas& f = w.f();
    w.LoadSource(FrameRows("s", 1));
    w.LoadTranslation(FrameRows("s", 1));
    dataset::RowTable& table = c.source ? f.cdsE : f.cdsF;
    table.Delete();
    (c.source ? f.Esave : f.Fsave).SetEnabled(false);
    (f.*c.handler)();
    EXPECT_EQ(table.RecordCount(), c.inserts_into_empty ? 1 : 0);
    EXPECT_EQ((c.source ? f.Esave : f.Fsave).Enabled(), c.enables_save);
  }
}

TEST(TranslationCommands, DeletingASourceRowShiftsThePairingOfTheRowsBelow) {
  Workspace w;
  TForditas& f = w.f();
  w.LoadSource(FrameRows("s", 10));
  w.LoadTranslation(FrameRows("f", 10));
  f.cdsE.SetRecNo(3);
  ASSERT_EQ(f.cdsF.RecNo(), 3);
  w.driver.Click(f.EsorDel);
  EXPECT_EQ(f.cdsE.RecordCount(), 9);
  EXPECT_EQ(f.cdsF.RecordCount(), 10);
  EXPECT_EQ(f.Edit2.Text(), "s4");
  EXPECT_EQ(f.cdsF.RecNo(), 3);
  EXPECT_EQ(f.Edit6.Text(), "f3");
  w.driver.ChooseMenuItem(f.Sortrlse1);
  EXPECT_EQ(f.cdsF.RecordCount(), 9);
  // Nothing is deleted from an empty table.
  for (int i = 0; i < 12; ++i)
    w.driver.Click(f.FsorDel);
  EXPECT_TRUE(f.cdsF.IsEmpty());
  EXPECT_EQ(f.cdsE.RecordCount(), 9);
}

TEST(TranslationCommands, AStyleItemWrapsUnwrapsAndRefusesWhatWouldNotFit) {
  Workspace w;
  TForditas& f = w.f();
  w.LoadSource("{1}{2}Hello\n{3}{4}a <i>b</i> c\n{5}{6}plain\n{7}{8}" + std::string(213, 'x') +
               "\n");
  w.driver.ChooseMenuItem(f.DoltE);
  EXPECT_TRUE(f.DoltE.Checked());
  f.cdsE.SetRecNo(2);
  w.driver.ChooseMenuItem(f.DoltE);
  EXPECT_FALSE(f.DoltE.Checked());
  f.cdsE.SetRecNo(3);
  w.driver.ChooseMenuItem(f.DoltE);
  EXPECT_TRUE(f.DoltE.Checked());
  f.cdsE.SetRecNo(4);
  w.driver.ChooseMenuItem(f.VastagitottE);
  EXPECT_TRUE(f.VastagitottE.Checked());
  EXPECT_EQ(w.Lines("message: "), (Texts{}));
  w.AnswerOk();
  w.driver.ChooseMenuItem(f.AlahuzottE);
  EXPECT_EQ(w.Lines("message: "),
            (Texts{"message: Figyelmeztetés | A formázással a sor hosszabb lenne 220 karakternél! "
                   "| A sor nem változott."}));
  EXPECT_FALSE(f.AlahuzottE.Checked());
  EXPECT_EQ(Workspace::Texts(f.cdsE), (Texts{"<i>Hello</i>", "a b c", "<i>plain</i>",
                                             "<b>" + std::string(213, 'x') + "</b>"}));
}

TEST(TranslationCommands, RemovingAllFormattingUnticksTheThreeItemsOfItsSide) {
  Workspace w;
  TForditas& f = w.f();
  w.LoadSource(FrameRows("s", 1));
  w.LoadTranslation("{1}{2}<b><i>x</i></b> <i>y</i>\n");
  for (ui::MenuItem* item : {&f.DoltF, &f.VastagitottF, &f.AlahuzottF, &f.DoltE})
    item->SetChecked(true);
  w.driver.ChooseMenuItem(f.MindenF);
  EXPECT_EQ(Workspace::Texts(f.cdsF), (Texts{"x <i>y</i>"}));
  EXPECT_FALSE(f.DoltF.Checked());
  EXPECT_FALSE(f.VastagitottF.Checked());
  EXPECT_FALSE(f.AlahuzottF.Checked());
  EXPECT_TRUE(f.DoltE.Checked());
}

TEST(TranslationCommands, CutCopyAndPasteGoThroughTheProgramsTextClipboard) {
  struct Step {
    void (TForditas::*handler)();
    int source_row, translation_row;  // the rows current before the step
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
    Texts source, translation;
    std::string clipboard;
  };
  const std::vector<Case> cases = {
      {"cut and paste on the source side",
       {{&TForditas::KivagasEClick, 1, 1}, {&TForditas::BeillesztesEClick, 2, 2}},
       {"", "s1"},
       {"f1", "f2"},
       "s1"},
      {"the translated copy takes the source row",
       {{&TForditas::MasolasFClick, 2, 2}, {&TForditas::BeillesztesFClick, 2, 2}},
       {"s1", "s2"},
       {"f1", "s2"},
       "s2"},
      {"copy on the source, paste into the translation",
       {{&TForditas::MasolasEClick, 1, 1}, {&TForditas::BeillesztesFClick, 2, 2}},
       {"s1", "s2"},
       {"f1", "s1"},
       "s1"},
      {"cut on the translated side",
       {{&TForditas::KivagasFClick, 2, 2}, {&TForditas::BeillesztesFClick, 1, 1}},
       {"s1", "s2"},
       {"f2", ""},
       "f2"},
      {"an empty clipboard pastes nothing",
       {{&TForditas::BeillesztesEClick, 1, 1}},
       {"s1", "s2"},
       {"f1", "f2"},
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Workspace w;
    TForditas& f = w.f();
    w.LoadSource(FrameRows("s", 2));
    w.LoadTranslation(FrameRows("f", 2));
    f.cb1.SetChecked(false);
    for (const Step& step : c.steps) {
      f.cdsE.SetRecNo(step.source_row);
      f.cdsF.SetRecNo(step.translation_row);
      (f.*step.handler)();
    }
    EXPECT_EQ(Workspace::Texts(f.cdsE), c.source);
    EXPECT_EQ(Workspace::Texts(f.cdsF), c.translation);
    EXPECT_EQ(w.program.state.TextClipboard, c.clipboard);
  }
}

TEST(TranslationCommands, CutAndCopyEnableTheirSidesPasteItem) {
  Workspace w;
  TForditas& f = w.f();
  w.LoadSource(FrameRows("s", 1));
  w.LoadTranslation(FrameRows("f", 1));
  ASSERT_FALSE(f.BeillesztesE.Enabled());
  ASSERT_FALSE(f.BeillesztesF.Enabled());
  w.driver.ChooseMenuItem(f.MasolasF);
  EXPECT_TRUE(f.BeillesztesF.Enabled());
  EXPECT_FALSE(f.BeillesztesE.Enabled());
  w.driver.ChooseMenuItem(f.KivagasE);
  EXPECT_TRUE(f.BeillesztesE.Enabled());
}

TEST(TranslationCommands, TheBarButtonAppendsASeparatorThatWaitsForThePost) {
  Workspace w;
  TForditas& f = w.f();
  w.LoadSource("{1}{2}Hello\n{3}{4}Bye\n");
  ASSERT_TRUE(f.Button8.Visible());
  w.driver.Click(f.Button8);
  EXPECT_EQ(Workspace::Row(f.cdsE, 1), "1|2|Hello|");
  EXPECT_EQ(f.Edit2.Text(), "Hello|");
  EXPECT_EQ(f.cdsE.State(), dataset::TableState::kEdit);
  // Escape in the grid drops it.
  ASSERT_TRUE(w.driver.Focus(f.Racsef));
  w.driver.Press(ui::keys::kEscape);
  EXPECT_EQ(Workspace::Row(f.cdsE, 1), "1|2|Hello");
  EXPECT_EQ(f.Edit2.Text(), "Hello");
  // A move stores it.
  w.driver.Click(f.Button8);
  w.driver.Press(ui::keys::kDown);
  EXPECT_EQ(f.cdsE.State(), dataset::TableState::kBrowse);
  EXPECT_EQ(Workspace::Texts(f.cdsE), (Texts{"Hello|", "Bye"}));
}

TEST(TranslationCommands, TheSearchFindsTheNextRowBelowAndReportsWhenThereIsNone) {
  struct Case {
    const char* name;
    std::string needle;
    int start_row;
    int found_row;  // 0: not found, the message names the needle
  };
  const std::vector<Case> cases = {
      {"ASCII letters fold", "alma", 1, 2},      {"the next one down", "alma", 2, 5},
      {"a match in the last row", "ALMA", 4, 5}, {"accented capitals do not fold", "álom", 1, 0},
      {"from the last row", "alma", 5, 0},       {"an empty search text", "", 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Workspace w;
    TForditas& f = w.f();
    w.LoadSource("{1}{2}egy\n{3}{4}ALMA fa\n{5}{6}körte\n{7}{8}ÁLOM\n{9}{10}alma\n");
    w.LoadTranslation(FrameRows("f", 5));
    f.cdsE.SetRecNo(c.start_row);
    f.EkerE.SetText(c.needle);
    if (c.found_row == 0)
      w.AnswerOk();
    ASSERT_TRUE(w.driver.Focus(f.EkerE));
    w.driver.Press(ui::keys::kReturn);
    EXPECT_EQ(f.cdsE.RecNo(), c.found_row == 0 ? c.start_row : c.found_row);
    EXPECT_EQ(f.cdsF.RecNo(), f.cdsE.RecNo());
    // The log trims the blank after the last bar when the search text is empty.
    const std::string message =
        "message: Információ | Nincs (több) ilyen:  |" + (c.needle.empty() ? "" : " " + c.needle);
    EXPECT_EQ(w.Lines("message: "), c.found_row == 0 ? Texts{message} : Texts{});
  }
}

TEST(TranslationCommands, TheTranslatedSearchDragsTheSourceAlong) {
  Workspace w;
  TForditas& f = w.f();
  w.LoadSource(FrameRows("s", 3));
  w.LoadTranslation(FrameRows("f", 3));
  f.cb1.SetChecked(false);
  f.EkerF.SetText("F3");
  w.driver.Click(f.BkerF);
  EXPECT_EQ(f.cdsF.RecNo(), 3);
  EXPECT_EQ(f.cdsE.RecNo(), 3);
  EXPECT_EQ(f.Edit2.Text(), "s3");
  w.driver.ChooseMenuItem(f.Kef);
  EXPECT_TRUE(f.EkerE.Focused());
}

}  // namespace
