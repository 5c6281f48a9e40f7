// The translation window's line editors and cursor coupling, driven by keys and clicks as a
// user gives them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "translation/workspace.h"

namespace {

using translation_test::FrameRows;
using translation_test::kTwoEntries;
using translation_test::Workspace;
using ui::keys::kDown;
using ui::keys::kEscape;
using ui::keys::kReturn;
using ui::keys::kUp;

TEST(TranslationEditors, ALoadShowsTheFirstRowsInTheEditors) {
  Workspace w;
  w.LoadSource(kTwoEntries);
  w.LoadTranslation(FrameRows("f", 2));
  EXPECT_EQ(w.Editors(true), (std::vector<std::string>{"00:00:01,000", "00:00:02,000", "One"}));
  EXPECT_EQ(w.Editors(false), (std::vector<std::string>{"10", "15", "f1"}));
}

TEST(TranslationEditors, TypingInAGridGoesToTheEditorOfItsColumnWhenTheModeAllowsIt) {
  struct Case {
    const char* name;
    bool frames;
    int column;
    char typed;
    const char* focused;  // "" when the grid keeps the focus
    std::vector<std::string> editors;
  };
  const std::vector<std::string> time_row = {"00:00:01,000", "00:00:02,000", "One"};
  const std::vector<std::string> frame_row = {"10", "15", "s1"};
  const std::vector<Case> cases = {
      {"time, start, digit", false, 0, '1', "Edit0", {"1", "00:00:02,000", "One"}},
      {"time, end, colon", false, 1, ':', "Edit1", {"00:00:01,000", ":", "One"}},
      {"time, start, letter", false, 0, 'a', "", time_row},
      {"time, text, letter", false, 2, 'a', "Edit2", {"00:00:01,000", "00:00:02,000", "a"}},
      {"frame, start, colon", true, 0, ':', "", frame_row},
      {"frame, end, digit", true, 1, '7', "Edit1", {"10", "7", "s1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Workspace w;
    w.LoadSource(c.frames ? FrameRows("s", 2) : std::string(kTwoEntries));
    translation::TForditas& f = w.f();
    f.Racsef.SetSelectedIndex(c.column);
    ASSERT_TRUE(w.driver.Focus(f.Racsef));
    w.driver.Type(std::string(1, c.typed));
    const ui::Control* focused = f.ActiveControl();
    EXPECT_EQ(focused == nullptr ? "" : focused->Name(),
              std::string(c.focused).empty() ? "Racsef" : c.focused);
    EXPECT_EQ(w.Editors(true), c.editors);
    if (std::string(c.focused) == "Edit0") {
      EXPECT_EQ(f.Edit0.SelStart(), 1);
    }
    EXPECT_EQ(Workspace::Row(f.cdsE, 1), c.frames ? "10|15|s1" : "00:00:01,000|00:00:02,000|One");
  }
}

TEST(TranslationEditors, EnterInAGridOpensTheStoredValueForChanging) {
  Workspace w;
  w.LoadSource(kTwoEntries);
  translation::TForditas& f = w.f();
  f.Racsef.SetSelectedIndex(1);
  ASSERT_TRUE(w.driver.Focus(f.Racsef));
  w.driver.Press(kReturn);
  EXPECT_TRUE(f.Edit1.Focused());
  EXPECT_EQ(f.Edit1.Text(), "00:00:02,000");
}

TEST(TranslationEditors, EnterStoresAValueThatPassesItsCheckAndMovesOn) {
  struct Case {
    const char* name;
    bool source;
    int editor;  // 0 start, 1 end, 2 text
    std::string typed;
    bool stored;
    std::string row;
    const char* focused;
  };
  const std::vector<Case> cases = {
      {"start", true, 0, "00:00:05,000", true, "00:00:05,000|00:00:02,000|One", "Edit1"},
      {"end", true, 1, "00:00:06,000", true, "00:00:01,000|00:00:06,000|One", "Edit2"},
      {"bad minutes", true, 0, "00:61:00,000", false, "00:00:01,000|00:00:02,000|One", "Edit0"},
      {"text", true, 2, "Egy", true, "00:00:01,000|00:00:02,000|Egy", "Racsef"},
      {"text too long", true, 2, std::string(221, 'x'), false, "00:00:01,000|00:00:02,000|One",
       "Edit2"},
      {"frame start", false, 0, "12", true, "12|15|f1", "Edit5"},
      {"frame with a leading zero", false, 1, "015", false, "10|15|f1", "Edit5"},
      {"frame of 13 digits", false, 0, "1234567890123", false, "10|15|f1", "Edit4"},
      {"translated text", false, 2, "egy", true, "10|15|egy", "Racsff"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Workspace w;
    w.LoadSource(kTwoEntries);
    w.LoadTranslation(FrameRows("f", 2));
    translation::TForditas& f = w.f();
    ui::Edit* editors[] = {&f.Edit0, &f.Edit1, &f.Edit2, &f.Edit4, &f.Edit5, &f.Edit6};
    ui::Edit& editor = *editors[c.editor + (c.source ? 0 : 3)];
    ASSERT_TRUE(w.driver.Focus(editor));
    editor.SelectAll();
    w.driver.Type(c.typed);
    ASSERT_EQ(editor.Text(), c.typed);
    if (!c.stored)
      w.AnswerOk();
    w.driver.Press(kReturn);
    EXPECT_EQ(Workspace::Row(c.source ? f.cdsE : f.cdsF, 1), c.row);
    EXPECT_EQ(w.Lines("message: ").size(), c.stored ? 0u : 1u);
    ASSERT_NE(f.ActiveControl(), nullptr);
    EXPECT_EQ(f.ActiveControl()->Name(), c.focused);
    if (!c.stored) {
      EXPECT_EQ(editor.Text(), c.typed);
    }
    if (c.editor == 2 && c.stored) {
      EXPECT_EQ((c.source ? f.Racsef : f.Racsff).SelectedIndex(), 2);
    }
    EXPECT_FALSE(w.program.state.InternalUpdate);
  }
}

TEST(TranslationEditors, EscapeShowsTheStoredValueAgainAndReturnsToTheGrid) {
  Workspace w;
  w.LoadSource(kTwoEntries);
  translation::TForditas& f = w.f();
  ASSERT_TRUE(w.driver.Focus(f.Edit1));
  w.driver.Type("12");
  w.driver.Press(kEscape);
  EXPECT_EQ(f.Edit1.Text(), "00:00:02,000");
  EXPECT_TRUE(f.Racsef.Focused());
  EXPECT_EQ(Workspace::Row(f.cdsE, 1), "00:00:01,000|00:00:02,000|One");
}

TEST(TranslationEditors, UpAndDownMoveTheRowAndDropUnstoredTyping) {
  Workspace w;
  w.LoadSource(FrameRows("s", 3));
  translation::TForditas& f = w.f();
  f.cdsE.SetRecNo(2);
  ASSERT_TRUE(w.driver.Focus(f.Edit2));
  w.driver.Type("typed");
  w.driver.Press(kUp);
  EXPECT_EQ(f.cdsE.RecNo(), 1);
  EXPECT_TRUE(f.Racsef.Focused());
  EXPECT_EQ(f.Racsef.SelectedIndex(), 2);
  EXPECT_EQ(f.Edit2.Text(), "s1");
  // Up on the first row does not move, and the typing is dropped all the same.
  ASSERT_TRUE(w.driver.Focus(f.Edit0));
  w.driver.Type("99");
  w.driver.Press(kUp);
  EXPECT_EQ(f.cdsE.RecNo(), 1);
  EXPECT_EQ(f.Edit0.Text(), "10");
  EXPECT_EQ(f.Racsef.SelectedIndex(), 0);
  ASSERT_TRUE(w.driver.Focus(f.Edit1));
  w.driver.Press(kDown);
  EXPECT_EQ(f.cdsE.RecNo(), 2);
  EXPECT_EQ(f.Racsef.SelectedIndex(), 1);
  EXPECT_EQ(w.Editors(true), (std::vector<std::string>{"20", "25", "s2"}));
  EXPECT_EQ(Workspace::Texts(f.cdsE), (std::vector<std::string>{"s1", "s2", "s3"}));
}

TEST(TranslationCoupling, MovingOneGridMovesTheOtherToTheSameRowWhenItHasIt) {
  struct Case {
    const char* name;
    bool ticked;
    bool move_source;  // else the translation moves
    int moves;         // Down presses from row 1
    int source_row, translation_row;
  };
  // Five source rows, three translated rows.
  const std::vector<Case> cases = {
      {"ticked, source down 1", true, true, 1, 2, 2},
      {"ticked, source past the translation", true, true, 4, 5, 3},
      {"unticked, source", false, true, 2, 3, 1},
      {"unticked, translation", false, false, 2, 3, 3},
      {"ticked, translation", true, false, 1, 2, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Workspace w;
    w.LoadSource(FrameRows("s", 5));
    w.LoadTranslation(FrameRows("f", 3));
    translation::TForditas& f = w.f();
    f.cb1.SetChecked(c.ticked);
    ASSERT_TRUE(w.driver.Focus(c.move_source ? static_cast<ui::Control&>(f.Racsef) : f.Racsff));
    for (int i = 0; i < c.moves; ++i)
      w.driver.Press(kDown);
    EXPECT_EQ(f.cdsE.RecNo(), c.source_row);
    EXPECT_EQ(f.cdsF.RecNo(), c.translation_row);
    // The editors of both sides show their current rows.
    EXPECT_EQ(f.Edit2.Text(), "s" + std::to_string(c.source_row));
    EXPECT_EQ(f.Edit6.Text(), "f" + std::to_string(c.translation_row));
  }
}

TEST(TranslationCoupling, TheSourceFirstAndLastButtonsShowTheNewRowsInTheEditors) {
  Workspace w;
  w.LoadSource(FrameRows("s", 4));
  w.LoadTranslation(FrameRows("f", 3));
  translation::TForditas& f = w.f();
  w.driver.Click(f.Button2);
  EXPECT_EQ(f.cdsE.RecNo(), 4);
  EXPECT_EQ(f.cdsF.RecNo(), 3);
  EXPECT_EQ(w.Editors(true), (std::vector<std::string>{"40", "45", "s4"}));
  EXPECT_EQ(w.Editors(false), (std::vector<std::string>{"30", "35", "f3"}));
  // Enter in an editor now stores into the row it shows, never the value of row 1.
  ASSERT_TRUE(w.driver.Focus(f.Edit2));
  w.driver.Press(kReturn);
  EXPECT_EQ(Workspace::Texts(f.cdsE), (std::vector<std::string>{"s1", "s2", "s3", "s4"}));
  w.driver.Click(f.Button1);
  EXPECT_EQ(f.cdsE.RecNo(), 1);
  EXPECT_EQ(f.cdsF.RecNo(), 1);
  EXPECT_EQ(w.Editors(true), (std::vector<std::string>{"10", "15", "s1"}));
  EXPECT_EQ(w.Editors(false), (std::vector<std::string>{"10", "15", "f1"}));
}

TEST(TranslationCoupling, TheTranslatedLastButtonEndsWithTheSourceDraggingTheTranslation) {
  Workspace w;
  w.LoadSource(FrameRows("s", 3));
  w.LoadTranslation(FrameRows("f", 5));
  translation::TForditas& f = w.f();
  w.driver.Click(f.Button5);
  EXPECT_EQ(f.cdsE.RecNo(), 3);
  EXPECT_EQ(f.cdsF.RecNo(), 3);
  EXPECT_EQ(f.Edit6.Text(), "f3");
  w.driver.Click(f.Button4);
  EXPECT_EQ(f.cdsE.RecNo(), 1);
  EXPECT_EQ(f.cdsF.RecNo(), 1);
}

TEST(TranslationGridKeys, DeleteAloneInTheTranslatedGridOrCtrlDeleteAfterAQuestionDeleteOneRow) {
  struct Case {
    const char* name;
    bool translated_grid;
    ui::ShiftState shift;
    const char* answer;  // to the question, "" when none is asked
    int source_rows, translation_rows;
  };
  const std::vector<Case> cases = {
      {"Delete, translated grid", true, {}, "", 3, 2},
      {"Ctrl+Delete, translated grid, Igen", true, ui::ShiftState::kCtrl, "Bigen", 3, 2},
      {"Ctrl+Delete, translated grid, Nem", true, ui::ShiftState::kCtrl, "Bnem", 3, 3},
      {"Ctrl+Delete, source grid, Igen", false, ui::ShiftState::kCtrl, "Bigen", 2, 3},
      {"Shift+Delete, translated grid", true, ui::ShiftState::kShift, "", 3, 3},
      {"Delete, source grid", false, {}, "", 3, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Workspace w;
    w.LoadSource(FrameRows("s", 3));
    w.LoadTranslation(FrameRows("f", 3));
    translation::TForditas& f = w.f();
    ASSERT_TRUE(w.driver.Focus(c.translated_grid ? static_cast<ui::Control&>(f.Racsff) : f.Racsef));
    const std::string answer = c.answer;
    if (!answer.empty()) {
      w.driver.OnModal("Kiszoveg", [&w, answer] {
        w.driver.Click(answer == "Bigen" ? w.program.Kiszoveg->Bigen : w.program.Kiszoveg->Bnem);
      });
    }
    w.driver.Press(ui::keys::kDelete, c.shift);
    EXPECT_EQ(f.cdsE.RecordCount(), c.source_rows);
    EXPECT_EQ(f.cdsF.RecordCount(), c.translation_rows);
    EXPECT_EQ(w.Lines("message: "),
              answer.empty() ? std::vector<std::string>{}
                             : std::vector<std::string>{"message: Megerősítés | Törli a sort? |"});
  }
  Workspace w;
  w.LoadSource(FrameRows("s", 1));
  w.LoadTranslation(FrameRows("f", 1));
  ASSERT_TRUE(w.driver.Focus(w.f().Racsff));
  w.driver.Press(ui::keys::kDelete);
  w.driver.Press(ui::keys::kDelete);
  EXPECT_TRUE(w.f().cdsF.IsEmpty());
  EXPECT_EQ(w.f().cdsE.RecordCount(), 1);
}

TEST(TranslationPathBoxes, AClickOrAKeyInAPathBoxReturnsToItsGridAndChangesNothing) {
  Workspace w;
  w.LoadSource(FrameRows("s", 1));
  w.LoadTranslation(FrameRows("f", 1));
  translation::TForditas& f = w.f();
  const std::string source_path = f.Efe.Text();
  const std::string translation_path = f.Eff.Text();
  w.driver.Click(f.Efe);
  EXPECT_TRUE(f.Racsef.Focused());
  w.driver.Click(f.Eff);
  EXPECT_TRUE(f.Racsff.Focused());
  f.Efe.SetFocus();
  w.driver.Type("x");
  w.driver.Press(ui::keys::kDelete);
  w.driver.Press(ui::keys::kBack);
  EXPECT_EQ(f.Efe.Text(), source_path);
  EXPECT_EQ(f.Eff.Text(), translation_path);
  EXPECT_EQ(Workspace::Texts(f.cdsE), (std::vector<std::string>{"s1"}));
}

TEST(TranslationEditors, ACommandAfterACellClickFocusesTheClickedColumnsEditor) {
  Workspace w;
  w.LoadSource(FrameRows("s", 2));
  translation::TForditas& f = w.f();
  const int x = 250;                                  // inside the text column
  const int y = f.Racsef.DefaultRowHeight() * 2 + 4;  // the second row's text
  ASSERT_TRUE(w.driver.ClickAt(f.Racsef, x, y));
  ASSERT_EQ(f.cdsE.RecNo(), 2);
  EXPECT_EQ(f.Edit2.Text(), "s2");
  w.driver.ChooseMenuItem(f.DoltE);
  EXPECT_EQ(Workspace::Texts(f.cdsE), (std::vector<std::string>{"s1", "<i>s2</i>"}));
  EXPECT_TRUE(f.Edit2.Focused());
  EXPECT_EQ(f.Edit2.Text(), "<i>s2</i>");
  // A Tab in the grid counts for the column it was pressed in, never as a typed character.
  ASSERT_TRUE(w.driver.Focus(f.Racsef));
  f.Racsef.SetSelectedIndex(0);
  w.driver.Press(ui::keys::kTab);
  ASSERT_EQ(f.Racsef.SelectedIndex(), 1);
  w.driver.ChooseMenuItem(f.DoltE);
  EXPECT_EQ(Workspace::Texts(f.cdsE), (std::vector<std::string>{"s1", "s2"}));
  EXPECT_TRUE(f.Edit0.Focused());
  EXPECT_EQ(w.Editors(true), (std::vector<std::string>{"20", "25", "s2"}));
}

}  // namespace
