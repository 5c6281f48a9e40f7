// The new-subtitle window: handing over to the editor, going back, and leaving.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "editor/felirat.h"
#include "files/kereses.h"
#include "shell/fo_form.h"
#include "shell/kiszoveg.h"
#include "shell/rig.h"
#include "shell/uj_felirat.h"

namespace shell {
namespace {

using testing::Rig;

// The editor's controls that a new time-based subtitle starts with disabled.
std::vector<ui::Control*> RowControls(editor::TFelirat& e) {
  return {&e.kezdes,    &e.befejezes, &e.kulonbseg, &e.Bertek, &e.BMMN, &e.BTorlesTobb,
          &e.Belemoge,  &e.Btorles,   &e.Bvonal,    &e.Blista, &e.Bov,  &e.Bovm,
          &e.BTobbGomb, &e.BOsszes,   &e.L05,       &e.Boh};
}

// What the editor finds when it becomes active.
struct EditorEntry {
  bool activated = false;
  std::string open_mode;
  std::string start_state;
  std::string time_base;
  bool rb1_enabled = false;
  std::vector<std::string> enabled_row_controls;
  std::string kulonbseg;
  bool new_subtitle_window_visible = true;
  bool start_window_visible = true;
};

// Clicks "Új felirat készítése" on the start window and runs `in_window` in the new-subtitle
// window's modal session.
void RunNewSubtitle(Rig& rig, std::function<void()> in_window) {
  rig.driver.OnModal("UjFelirat", std::move(in_window));
  rig.driver.OnRun([&] { ASSERT_TRUE(rig.driver.Click(rig.program.FoForm->BitBtn2)); });
  rig.program.Run();
  EXPECT_EQ(rig.driver.Verify(), "");
}

TEST(NewSubtitleTest, KindButtonsHandOverToTheEditor) {
  struct Case {
    bool time_based;
    std::string editor_leaves;  // "be2": back to the start window; "ki": the program ends
  };
  const std::vector<Case> cases = {
      {true, "be2"},
      {true, "ki"},
      {false, "be2"},
      {false, "ki"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.time_based ? "Time " : "Frame ") + c.editor_leaves);
    Rig rig;
    Program& program = rig.program;
    editor::TFelirat& editor = *program.Felirat;
    TUjFelirat& window = *program.UjFelirat;

    // The opposite of what the window sets.
    editor.beosztas.SetItemIndex(editor.beosztas.IndexOf(c.time_based ? "Frame" : "Time"));
    editor.RB1.SetEnabled(false);
    for (ui::Control* control : RowControls(editor))
      control->SetEnabled(true);
    editor.kulonbseg.SetText("00:00:02,000");

    // Only what this window hands over is looked at, not the editor's own entry.
    EditorEntry entry;
    editor.OnActivate = [&] {
      entry.activated = true;
      entry.open_mode = program.state.OpenMode;
      entry.start_state = program.state.StartState;
      entry.time_base = editor.beosztas.Text();
      entry.rb1_enabled = editor.RB1.Enabled();
      for (ui::Control* control : RowControls(editor)) {
        if (control->Enabled())
          entry.enabled_row_controls.push_back(control->Name());
      }
      entry.kulonbseg = editor.kulonbseg.Text();
      entry.new_subtitle_window_visible = window.Visible();
      entry.start_window_visible = program.FoForm->Visible();
    };
    rig.driver.OnModal("Felirat", [&] {
      // The new-subtitle window's close handler has not run yet: it would have made it "ki".
      EXPECT_EQ(program.state.StartState, "be");
      program.state.StartState = c.editor_leaves;
      if (c.editor_leaves == "be2")
        program.FoForm->Show();
      editor.Close();
    });
    RunNewSubtitle(rig, [&] {
      ASSERT_TRUE(rig.driver.Click(c.time_based ? window.Button1 : window.Button2));
    });

    ASSERT_TRUE(entry.activated);
    EXPECT_EQ(entry.open_mode, "uj");
    EXPECT_EQ(entry.start_state, "be");
    EXPECT_EQ(entry.time_base, c.time_based ? "Time" : "Frame");
    EXPECT_TRUE(entry.rb1_enabled);
    EXPECT_FALSE(entry.new_subtitle_window_visible);
    EXPECT_FALSE(entry.start_window_visible);
    if (c.time_based) {
      EXPECT_TRUE(entry.enabled_row_controls.empty());
      EXPECT_EQ(entry.kulonbseg, "");
    } else {
      EXPECT_EQ(entry.enabled_row_controls.size(), RowControls(editor).size());
      EXPECT_EQ(entry.kulonbseg, "00:00:02,000");
    }

    EXPECT_FALSE(window.Visible());
    const bool back = c.editor_leaves == "be2";
    EXPECT_EQ(rig.driver.App().Terminated(), !back);
    EXPECT_EQ(program.FoForm->Visible(), back);
    EXPECT_EQ(program.state.StartState, back ? "be" : "ki");
  }
}

TEST(NewSubtitleTest, VisszaAndEscapeGoBackToTheStartWindow) {
  enum class How { kVissza, kEscapeOnButton1, kEscapeOnButton2, kEscapeOnButton3, kEscapeOnForm };
  for (How how : {How::kVissza, How::kEscapeOnButton1, How::kEscapeOnButton2, How::kEscapeOnButton3,
                  How::kEscapeOnForm}) {
    SCOPED_TRACE(static_cast<int>(how));
    Rig rig;
    Program& program = rig.program;
    TUjFelirat& window = *program.UjFelirat;
    bool editor_shown = false;
    program.Felirat->OnActivate = [&] { editor_shown = true; };
    RunNewSubtitle(rig, [&] {
      auto escape_on = [&](ui::Control& control) {
        ASSERT_TRUE(rig.driver.Focus(control));
        ASSERT_TRUE(rig.driver.Press(ui::keys::kEscape));
      };
      switch (how) {
        case How::kVissza:
          ASSERT_TRUE(rig.driver.Click(window.Button3));
          break;
        case How::kEscapeOnButton1:
          escape_on(window.Button1);
          break;
        case How::kEscapeOnButton2:
          escape_on(window.Button2);
          break;
        case How::kEscapeOnButton3:
          escape_on(window.Button3);
          break;
        case How::kEscapeOnForm:
          window.SetActiveControl(nullptr);
          ASSERT_TRUE(rig.driver.Press(ui::keys::kEscape));
          break;
      }
      EXPECT_EQ(program.state.StartState, "be2");
      EXPECT_TRUE(program.FoForm->Visible());
    });
    EXPECT_FALSE(editor_shown);
    EXPECT_FALSE(rig.driver.App().Terminated());
    EXPECT_FALSE(window.Visible());
    EXPECT_TRUE(program.FoForm->Visible());
    EXPECT_EQ(program.state.StartState, "be");
  }
}

TEST(NewSubtitleTest, MegnyitasAfterGoingBackShowsTheOpenWindowState) {
  Rig rig;
  Program& program = rig.program;
  rig.driver.OnModal("UjFelirat", [&] { rig.driver.Press(ui::keys::kEscape); });
  rig.driver.OnModal("Felirat", [&] {
    EXPECT_EQ(program.state.StartState, "be");
    EXPECT_EQ(program.state.OpenMode, "megnyitas");
    program.state.StartState = "ki";
    program.Felirat->Close();
  });
  program.Felirat->OnActivate = [] {};
  rig.driver.OnRun([&] { ASSERT_TRUE(rig.driver.Click(program.FoForm->BitBtn2)); });
  rig.driver.OnRun([&] { ASSERT_TRUE(rig.driver.Click(program.FoForm->BitBtn3)); });
  program.Run();
  EXPECT_EQ(rig.driver.Verify(), "");
  EXPECT_TRUE(rig.driver.App().Terminated());
}

TEST(NewSubtitleTest, CloseBoxEndsTheProgram) {
  Rig rig;
  RunNewSubtitle(rig, [&] { ASSERT_TRUE(rig.driver.RequestClose(*rig.program.UjFelirat)); });
  EXPECT_EQ(rig.program.state.StartState, "ki");
  EXPECT_TRUE(rig.driver.App().Terminated());
  EXPECT_FALSE(rig.program.FoForm->Visible());
}

TEST(NewSubtitleTest, OtherKeysLeaveTheWindowOpen) {
  Rig rig;
  TUjFelirat& window = *rig.program.UjFelirat;
  RunNewSubtitle(rig, [&] {
    ASSERT_TRUE(rig.driver.Focus(window.Button3));
    ASSERT_TRUE(rig.driver.Type("q"));
    EXPECT_EQ(window.GetModalResult(), ui::modal::kNone);
    EXPECT_EQ(rig.program.state.StartState, "be");
    window.Close();
  });
  EXPECT_TRUE(rig.driver.App().Terminated());  // the close box's way out
}

// A user edits a new time-based subtitle, goes back to the start window without saving it and
// starts again: the editor shows only what the new start needs, nothing of the rows before.
TEST(NewSubtitleTest, StartingAgainAfterEditingLeavesNothingOfTheEditedRows) {
  struct Case {
    const char* name;
    bool open_instead;  // "Megnyitás" on the start window instead of a new frame-based subtitle
  };
  for (const Case& c : {Case{"new subtitle", false}, Case{"Megnyitás", true}}) {
    SCOPED_TRACE(c.name);
    Rig rig;
    Program& program = rig.program;
    editor::TFelirat& editor = *program.Felirat;
    TUjFelirat& window = *program.UjFelirat;
    namespace field = dataset::subtitle_field;

    rig.driver.OnModal("UjFelirat", [&] { ASSERT_TRUE(rig.driver.Click(window.Button1)); });
    rig.driver.OnModal("Felirat", [&] {
      ASSERT_TRUE(rig.driver.Focus(editor.szoveg));
      ASSERT_TRUE(rig.driver.Type("Elso sor"));
      editor.Efilenev.SetText("elso.srt");
      editor.Ekereses.SetText("sor");
      program.state.TextClipboard = "Elso";
      ASSERT_EQ(editor.cds.Value(field::kSzoveg), "Elso sor");
      ASSERT_TRUE(editor.IsModified());
      // "Vissza a főmenübe", and "Nem" to the question whether to save.
      rig.driver.OnModal("Kiszoveg", [&] { rig.driver.Click(program.Kiszoveg->Bnem); });
      ASSERT_TRUE(rig.driver.Click(editor.Bvissza));
    });
    rig.driver.OnRun([&] { ASSERT_TRUE(rig.driver.Click(program.FoForm->BitBtn2)); });

    // What the editor shows when it comes up the second time.
    struct Seen {
      int rows = -1;
      std::string text, start, end, file_name, kezdes, befejezes, kulonbseg, szoveg, time_base;
    } seen;
    auto look = [&] {
      seen.rows = editor.cds.RecordCount();
      if (seen.rows > 0) {
        seen.text = editor.cds.Value(field::kSzoveg);
        seen.start = editor.cds.Value(field::kKezdes);
        seen.end = editor.cds.Value(field::kBefejezes);
      }
      seen.file_name = editor.Efilenev.Text();
      seen.kezdes = editor.kezdes.Text();
      seen.befejezes = editor.befejezes.Text();
      seen.kulonbseg = editor.kulonbseg.Text();
      seen.szoveg = editor.szoveg.Text();
      seen.time_base = editor.TimeBase();
    };
    if (c.open_instead) {
      rig.driver.OnModal("Kereses", [&] {
        look();
        rig.driver.Click(program.Kereses->Button1);
      });
      rig.driver.OnModal("Felirat", [&] {
        EXPECT_TRUE(program.state.TextClipboard.empty());
        EXPECT_FALSE(editor.IsModified());
        EXPECT_FALSE(editor.kezdes.Enabled());
        EXPECT_FALSE(editor.Masikfelirat.Enabled());
        program.state.StartState = "ki";
        editor.Close();
      });
      rig.driver.OnRun([&] { ASSERT_TRUE(rig.driver.Click(program.FoForm->BitBtn3)); });
    } else {
      rig.driver.OnModal("UjFelirat", [&] { ASSERT_TRUE(rig.driver.Click(window.Button2)); });
      rig.driver.OnModal("Felirat", [&] {
        look();
        EXPECT_EQ(editor.Ekereses.Text(), "");
        EXPECT_EQ(program.state.CurrentTimeBase, "Frame");
        EXPECT_TRUE(editor.IsModified());  // a new subtitle counts as modified
        program.state.StartState = "ki";
        editor.Close();
      });
      rig.driver.OnRun([&] { ASSERT_TRUE(rig.driver.Click(program.FoForm->BitBtn2)); });
    }
    program.Run();
    EXPECT_EQ(rig.driver.Verify(), "");

    EXPECT_EQ(seen.file_name, "");
    EXPECT_EQ(seen.szoveg, "");
    if (c.open_instead) {
      EXPECT_EQ(seen.rows, 0);
      EXPECT_EQ(seen.kezdes + seen.befejezes + seen.kulonbseg, "");
    } else {
      // The panel shows the new subtitle's one row.
      EXPECT_EQ(seen.kezdes, "0");
      EXPECT_EQ(seen.befejezes, "10");
      EXPECT_EQ(seen.kulonbseg, "10");
      EXPECT_EQ(seen.rows, 1);
      EXPECT_EQ(seen.text, "");
      EXPECT_EQ(seen.start, "0");
      EXPECT_EQ(seen.end, "10");
      EXPECT_EQ(seen.time_base, "Frame");
    }
    EXPECT_TRUE(rig.driver.App().Terminated());
  }
}

TEST(NewSubtitleTest, DisableEditorRowControlsEmptiesTheDifference) {
  Rig rig;
  editor::TFelirat& editor = *rig.program.Felirat;
  for (ui::Control* control : RowControls(editor))
    control->SetEnabled(true);
  editor.kulonbseg.SetText("00:00:01,500");
  editor.szoveg.SetText("Marad");
  DisableEditorRowControls(rig.program);
  for (ui::Control* control : RowControls(editor))
    EXPECT_FALSE(control->Enabled()) << control->Name();
  EXPECT_EQ(editor.kulonbseg.Text(), "");
  EXPECT_EQ(editor.szoveg.Text(), "Marad");
}

}  // namespace
}  // namespace shell
