// The editor window's keys: the application-message hook (wheel, popup choice), the text box's
// keys, shortcuts of disabled items, the boxes that hand the focus on, the option items.
#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "editor/felirat.h"
#include "editor/rules/window_rules.h"
#include "files/editor_rig.h"
#include "files/open_flow.h"

namespace editor {
namespace {

namespace field = dataset::subtitle_field;
using files::testing::EditorRig;

// A subtitle of three rows, read and ready for editing.
struct KeysRig : EditorRig {
  KeysRig() {
    SetTimeBase("Time");
    AddRows({{"00:00:01,000", "00:00:02,000", "Egy|ketto|harom"},
             {"00:00:03,000", "00:00:04,000", "B"},
             {"00:00:05,000", "00:00:06,000", "C"}});
    program.state.CurrentTimeBase = "Time";
    files::AfterFileChosen(program, false);
    files::EnableEditingControls(program);
    editor().LoadRowIntoEditor();
  }
  ui::Form& form() { return editor(); }
};

// ---- Rules
// ----------------------------------------------------------------------------------------

TEST(WindowRules, StartSubtitleByExtension) {
  struct Case {
    const char* path;
    bool opened;
  };
  for (const Case& c : std::vector<Case>{{"x.SRT", true},
                                         {"/home/anna/film.sub", true},
                                         {"/home/anna/Film.Sub", true},
                                         {"notes.txt", false},
                                         {"/home/a.srt/film", false},
                                         {"film.srt.bak", false},
                                         {"srt", false},
                                         {"", false}}) {
    EXPECT_EQ(IsStartSubtitle(c.path), c.opened) << c.path;
  }
}

TEST(WindowRules, GridPopupByColumnAndRow) {
  struct Case {
    const char* field;
    int row;
    int second_rows;
    GridPopup popup;
  };
  const std::vector<Case> cases = {
      {"Szoveg", 5, 0, GridPopup::kRacsPM},      {"Kezdes", 1, 3, GridPopup::kRacsPM},
      {"Sorszam", 9, 3, GridPopup::kRacsPM},     {"Szoveg2", 3, 3, GridPopup::kBeTorlesPM},
      {"Szoveg2", 1, 3, GridPopup::kBeTorlesPM}, {"Szoveg2", 4, 3, GridPopup::kNone},
      {"Szoveg2", 1, 0, GridPopup::kNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GridPopupFor(c.field, c.row, c.second_rows), c.popup)
        << c.field << " " << c.row << " " << c.second_rows;
  }
}

// One arrow key per 120 units, whatever the deltas come in; a turn the other way starts over.
TEST(WindowRules, WheelNotches) {
  struct Case {
    std::vector<int> deltas;
    std::vector<int> keys;
  };
  const std::vector<Case> cases = {
      {{120}, {1}},
      {{-120}, {-1}},
      {{240}, {2}},
      {{40, 40, 40}, {0, 0, 1}},
      {{100, 100, 100}, {0, 1, 1}},
      {{-30, -30, -30, -30, -30}, {0, 0, 0, -1, 0}},
      {{90, -90, -30}, {0, 0, -1}},
      {{119, 1, 119}, {0, 1, 0}},
  };
  for (const Case& c : cases) {
    int rest = 0;
    std::vector<int> keys;
    for (int delta : c.deltas)
      keys.push_back(TakeWheelNotches(rest, delta));
    EXPECT_EQ(keys, c.keys) << ::testing::PrintToString(c.deltas);
  }
}

TEST(WindowRules, ClockText) {
  std::tm local{};
  local.tm_year = 2024 - 1900;
  local.tm_mon = 4;
  local.tm_mday = 7;
  local.tm_hour = 9;
  local.tm_min = 5;
  local.tm_sec = 3;
  EXPECT_EQ(ClockText(local), "2024.05.07. 09:05:03");
}

// ---- The wheel
// -------------------------------------------------------------------------------------

TEST(EditorWheel, MovesTheGridRowAndTheTextBoxCaret) {
  KeysRig rig;
  TFelirat& f = rig.editor();
  f.cds.SetRecNo(2);
  ASSERT_TRUE(rig.driver.Focus(f.racs));
  rig.driver.Wheel(120);
  EXPECT_EQ(f.cds.RecNo(), 1);
  rig.driver.Wheel(-240);
  EXPECT_EQ(f.cds.RecNo(), 3);

  // Small deltas (a touchpad): one row per 120 units.
  for (int i = 0; i < 3; ++i)
    rig.driver.App().Wheel(rig.form(), 40, {});
  EXPECT_EQ(f.cds.RecNo(), 2);
  rig.driver.App().Wheel(rig.form(), 60, {});
  EXPECT_EQ(f.cds.RecNo(), 2);

  f.cds.SetRecNo(1);
  ASSERT_TRUE(rig.driver.Focus(f.szoveg));
  ASSERT_EQ(f.szoveg.LineCount(), 3);
  f.szoveg.SetSelStart(0);
  rig.driver.Wheel(-120);
  EXPECT_EQ(f.szoveg.CaretPos().y, 1);
  rig.driver.Wheel(-120);
  EXPECT_EQ(f.szoveg.CaretPos().y, 2);
  rig.driver.Wheel(120);
  EXPECT_EQ(f.szoveg.CaretPos().y, 1);
  EXPECT_EQ(f.cds.RecNo(), 1);
}

// The hook lives as long as the editor: the application never calls into a window that is gone.
TEST(EditorWheel, TheHookGoesWithTheEditor) {
  ui::headless::Driver driver;
  {
    shell::Program program(driver.App(), {});
    EXPECT_TRUE(static_cast<bool>(driver.App().OnMessage));
  }
  EXPECT_FALSE(static_cast<bool>(driver.App().OnMessage));
}

// ---- The grid's popup
// -------------------------------------------------------------------------------

TEST(EditorPopup, ChosenByTheGridColumnOnEveryRightRelease) {
  KeysRig rig;
  TFelirat& f = rig.editor();
  const int second = f.racs.ColumnOfField("Szoveg2");
  f.racs.SetColumnVisible(second, true);
  f.racs.SetRowSelect(false);
  struct Case {
    const char* field;
    int row;
    int second_rows;
    const char* popup;  // nullptr: none
  };
  const std::vector<Case> cases = {
      {"Szoveg", 3, 0, "RacsPM"},
      {"Szoveg2", 2, 2, "BeTorlesPM"},
      {"Szoveg2", 3, 2, nullptr},
      {"Kezdes", 3, 2, "RacsPM"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " " + std::to_string(c.row));
    f.cds.SetRecNo(c.row);
    f.racs.SetSelectedIndex(f.racs.ColumnOfField(c.field));
    rig.state().SecondTextRowCount = c.second_rows;
    rig.driver.ClearLog();
    ASSERT_TRUE(rig.driver.RightClick(f.Bki));  // any window's release decides
    rig.driver.ClearLog();
    ASSERT_TRUE(rig.driver.RightClickAt(f.racs, 200, 5));
    const std::vector<std::string> shown = rig.Lines("popup: ");
    if (c.popup == nullptr) {
      EXPECT_TRUE(shown.empty());
      EXPECT_EQ(f.racs.GetPopupMenu(), nullptr);
    } else {
      ASSERT_EQ(shown.size(), 1u);
      EXPECT_EQ(shown[0], std::string("popup: ") + c.popup);
    }
  }
}

TEST(EditorPopup, OpeningTheGridPopupTicksTheFormats) {
  KeysRig rig;
  TFelirat& f = rig.editor();
  f.cds.SetRecNo(2);
  f.cds.SetValue(field::kSzoveg, "<i>B</i>");
  f.cds.Post();
  f.dolt.SetChecked(false);
  ASSERT_TRUE(rig.driver.RightClickAt(f.racs, 200, 5));
  EXPECT_TRUE(f.dolt.Checked());
}

TEST(EditorPopup, NarrowButtonsOpenTheirPopupsAtTheMouse) {
  KeysRig rig;
  TFelirat& f = rig.editor();
  f.BTobbCheck.SetEnabled(true);  // as the open flow leaves it in the Time base
  rig.driver.ClearLog();
  ASSERT_TRUE(rig.driver.Click(f.BTobbGomb));
  ASSERT_TRUE(rig.driver.Click(f.BTobbCheck));
  EXPECT_EQ(rig.Lines("popup: "),
            (std::vector<std::string>{"popup: PMtobbgomb", "popup: PMTobbCheck"}));
  f.BTobbCheck.SetEnabled(false);
  EXPECT_FALSE(rig.driver.Click(f.BTobbCheck));
}

// ---- Keys in the text box
// ------------------------------------------------------------------------------

// A shortcut is looked up before the box sees the key: Ctrl+X is "2. sor első szava" and
// Ctrl+A "Agresszív sortörés", swallowed even while the item is disabled.
TEST(EditorKeys, ShortcutsOfDisabledItemsAreSwallowedInTheTextBox) {
  KeysRig rig;
  TFelirat& f = rig.editor();
  f.Utolsktsz1.SetEnabled(false);
  f.agressziv.SetEnabled(false);
  ASSERT_TRUE(rig.driver.Focus(f.szoveg));
  const std::string text = f.szoveg.Text();
  rig.driver.Backend().SetClipboardText("elotte");
  for (ui::Key key : {ui::Key('X'), ui::Key('A')}) {
    SCOPED_TRACE(key);
    f.szoveg.SetSelStart(0);
    f.szoveg.SetSelLength(3);
    rig.driver.KeyDown(key, ui::kCtrl);
    EXPECT_EQ(f.szoveg.Text(), text);
    EXPECT_EQ(f.szoveg.SelStart(), 0);
    EXPECT_EQ(f.szoveg.SelLength(), 3);
    EXPECT_EQ(rig.driver.Backend().ClipboardText(), "elotte");
    rig.driver.KeyUp(key, ui::kCtrl);
  }
}

// Key-down alone (the focus may leave before the release) marks the subtitle modified for the
// keys that edit.
TEST(EditorKeys, EditingKeysMarkTheSubtitleModified) {
  struct Case {
    ui::Key key;
    ui::ShiftState shift;
    bool modified;
  };
  const std::vector<Case> cases = {
      {'A', {}, true},
      {ui::keys::kDelete, {}, true},
      {ui::keys::kSpace, {}, true},
      {ui::keys::kBack, {}, true},
      {ui::keys::kHome, {}, false},
      {ui::keys::kEnd, {}, false},
      {ui::keys::kPrior, {}, false},
      {ui::keys::kNext, {}, false},
      {ui::keys::kLeft, {}, false},
      {ui::keys::kNumLock, {}, false},
      {ui::keys::kShift, ui::kShift, false},
      {ui::keys::kLeft, ui::kShift, false},
      {'A', ui::kShift, true},
      {ui::keys::kEnd, ui::kShift, true},
      {'V', ui::kCtrl, true},
      {'C', ui::kCtrl, false},
      {ui::keys::kHome, ui::kCtrl, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.key) + " " + std::to_string(c.shift.Bits()));
    KeysRig rig;
    TFelirat& f = rig.editor();
    ASSERT_TRUE(rig.driver.Focus(f.szoveg));
    rig.SetModified(false);
    rig.driver.KeyDown(c.key, c.shift);
    EXPECT_EQ(f.Bmentes.Enabled(), c.modified);
    EXPECT_EQ(f.Mentes1.Enabled(), c.modified);
  }
}

TEST(EditorKeys, CtrlUpAndDownMoveTheRowAndFocusTheGrid) {
  KeysRig rig;
  TFelirat& f = rig.editor();
  f.cds.SetRecNo(2);
  ASSERT_TRUE(rig.driver.Focus(f.szoveg));
  rig.driver.Press(ui::keys::kDown, ui::kCtrl);
  EXPECT_EQ(f.cds.RecNo(), 3);
  EXPECT_TRUE(f.racs.Focused());
  ASSERT_TRUE(rig.driver.Focus(f.szoveg));
  rig.driver.Press(ui::keys::kUp, ui::kCtrl);
  rig.driver.Focus(f.szoveg);
  rig.driver.Press(ui::keys::kUp, ui::kCtrl);
  EXPECT_EQ(f.cds.RecNo(), 1);
}

TEST(EditorKeys, CtrlCCopiesTheSelectionAsARowText) {
  struct Case {
    ui::Key key;
    int start, length;
    std::string clipboard;
  };
  // The box shows "Egy\r\nketto\r\nharom".
  const std::vector<Case> cases = {
      {'C', 1, 8, "gy|kett"},
      {ui::keys::kInsert, 0, 3, "Egy"},
      {'C', 0, 0, "korabbi"},  // no selection: the box copies nothing, nor does the program
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clipboard);
    KeysRig rig;
    TFelirat& f = rig.editor();
    rig.state().TextClipboard = "korabbi";
    ASSERT_TRUE(rig.driver.Focus(f.szoveg));
    f.szoveg.SetSelStart(c.start);
    f.szoveg.SetSelLength(c.length);
    rig.SetModified(false);
    rig.driver.KeyDown(c.key, ui::kCtrl);
    EXPECT_EQ(rig.state().TextClipboard, c.clipboard);
    EXPECT_FALSE(rig.Modified());
  }
}

// ---- Boxes that hand the focus on
// ---------------------------------------------------------------------

TEST(EditorKeys, BoxesHandTheFocusOn) {
  KeysRig rig;
  TFelirat& f = rig.editor();
  f.Efilenev.SetText("film.srt");
  ASSERT_TRUE(rig.driver.Focus(f.Efilenev));
  rig.driver.Type("x");
  EXPECT_EQ(f.Efilenev.Text(), "film.srt");
  EXPECT_TRUE(f.Btallozas.Focused());

  ASSERT_TRUE(rig.driver.Focus(f.Eugras));
  rig.driver.Press(ui::keys::kDown);
  EXPECT_TRUE(f.racs.Focused());

  f.befejezes.SelectAll();
  ASSERT_TRUE(rig.driver.Click(f.kulonbseg));
  EXPECT_TRUE(f.befejezes.Focused());
  EXPECT_EQ(f.befejezes.SelLength(), 0);

  f.kezdes.SelectAll();
  ASSERT_GT(f.kezdes.SelLength(), 0);
  rig.driver.MouseMove(f.kezdes, 3, 3);
  EXPECT_EQ(f.kezdes.SelLength(), 0);
}

// ---- Options and row buttons
// ------------------------------------------------------------------------

TEST(EditorOptions, PopupItemsToggleTheirTicks) {
  KeysRig rig;
  TFelirat& f = rig.editor();
  for (ui::MenuItem* item : {&f.MentAt, &f.Beolvas, &f.Max2, &f.UresNe}) {
    SCOPED_TRACE(item->Name());
    const bool before = item->Checked();
    ASSERT_TRUE(rig.driver.ChooseMenuItem(*item));
    EXPECT_EQ(item->Checked(), !before);
    ASSERT_TRUE(rig.driver.ChooseMenuItem(*item));
    EXPECT_EQ(item->Checked(), before);
  }
  EXPECT_TRUE(f.MentAt.Checked());
}

TEST(EditorOptions, FirstAndLastRow) {
  KeysRig rig;
  TFelirat& f = rig.editor();
  rig.state().InternalUpdate = true;
  ASSERT_TRUE(rig.driver.Click(f.Butolso));
  EXPECT_EQ(f.cds.RecNo(), 3);
  EXPECT_TRUE(f.racs.Focused());
  EXPECT_FALSE(rig.state().InternalUpdate);
  ASSERT_TRUE(rig.driver.Click(f.Belso));
  EXPECT_EQ(f.cds.RecNo(), 1);
}

}  // namespace
}  // namespace editor
