// The editor window's life: the entry dispatch of its activation, the command-line file, a new
// subtitle, the exit question, the way back to the start window, the close box, the clock and
// the transparency.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/felirat.h"
#include "files/editor_rig.h"
#include "files/kereses.h"
#include "files/open_flow.h"
#include "shell/fo_form.h"
#include "shell/kiszoveg.h"
#include "shell/rig.h"

namespace editor {
namespace {

namespace field = dataset::subtitle_field;
using files::testing::EditorRig;
using files::testing::TempFolder;
using files::testing::WriteBytes;

constexpr const char* kTwoRows =
    "1\r\n00:00:01,000 --> 00:00:02,000\r\nEgy\r\n\r\n2\r\n00:00:03,000 --> 00:00:04,500\r\n"
    "Ketto\r\n";

// A program whose modal steps may be queued before it is built: the editor may already be
// shown while the program is being made.
struct StartRig {
  ui::headless::Driver driver;
  shell::testing::FailOnScriptErrors guard{driver};
  std::optional<shell::Program> program;

  void Start(shell::ProgramOptions options = {}) { program.emplace(driver.App(), options); }
  TFelirat& editor() { return *program->Felirat; }
  shell::SharedState& state() { return program->state; }
};

// ---- The entry dispatch ------------------------------------------------------------------------

TEST(EditorActivation, DispatchByOpenModeAndStartState) {
  struct Case {
    std::string open_mode;
    std::string start_state;
    bool open_window;  // the open window is shown over the editor
    std::string open_mode_after;
    bool row_panel;  // GB1 shown, GB12 hidden
  };
  const std::vector<Case> cases = {
      {"megnyitas", "be", true, "mas", true},
      {"megnyitas", "felvitt", false, "megnyitas", true},
      {"megnyitas", "be2", false, "megnyitas", true},
      {"mas", "be", false, "mas", true},
      {"uj", "be", false, "mas", true},
      {"2cd1cd", "be", false, "2cd1cd", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.open_mode + " " + c.start_state);
    shell::testing::Rig rig;
    shell::Program& program = rig.program;
    TFelirat& f = *program.Felirat;
    f.cds.CreateDataSet();
    f.GB12.Show();
    program.state.OpenMode = c.open_mode;
    program.state.StartState = c.start_state;
    program.state.InternalUpdate = true;
    bool open_window_shown = false;
    if (c.open_window) {
      rig.driver.OnModal("Kereses", [&] {
        open_window_shown = true;
        EXPECT_EQ(program.state.OpenPurpose, "Felirat");
        EXPECT_EQ(program.state.TextSlot, "1");
        EXPECT_TRUE(f.cds.IsEmpty());
        rig.driver.Click(program.Kereses->Button1);
      });
    }
    rig.driver.OnModal("Felirat", [&] {
      EXPECT_EQ(program.state.OpenMode, c.open_mode_after);
      EXPECT_EQ(f.GB1.Visible(), c.row_panel);
      EXPECT_EQ(f.GB12.Visible(), !c.row_panel);
      EXPECT_FALSE(program.state.InternalUpdate);
      if (!c.row_panel) {
        EXPECT_TRUE(f.RB12cd2.Checked());
      }
      f.Close();
    });
    f.ShowModal();
    EXPECT_EQ(open_window_shown, c.open_window);
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

// A later activation (coming back from a window that is not modal over the editor) runs no
// dispatch again: the new subtitle stays as it was edited.
TEST(EditorActivation, DispatchRunsOncePerEntry) {
  EditorRig rig;
  TFelirat& f = rig.editor();
  rig.editor().Hide();
  rig.state().OpenMode = "uj";
  rig.SetTimeBase("Time");
  f.Show();
  ASSERT_EQ(f.cds.RecordCount(), 1);
  f.cds.SetValue(field::kSzoveg, "Szia");
  f.cds.Post();
  rig.program.Kereses->Show();
  rig.driver.Activate(f);
  EXPECT_EQ(f.cds.RecordCount(), 1);
  EXPECT_EQ(f.cds.Value(field::kSzoveg), "Szia");
  EXPECT_EQ(rig.state().OpenMode, "mas");
}

// "Megnyitás" of the start window without a name keeps the time base box disabled until a
// file is read.
TEST(EditorActivation, OpenWithoutANameDisablesTheTimeBase) {
  EditorRig rig;
  TFelirat& f = rig.editor();
  f.Hide();
  f.beosztas.SetEnabled(true);
  rig.state().OpenMode = "megnyitas";
  rig.state().StartState = "felvitt";
  f.Show();
  EXPECT_FALSE(f.beosztas.Enabled());
}

// ---- The command-line file
// -----------------------------------------------------------------------

TEST(EditorStartFile, ASubtitleIsOpenedBeforeTheStartWindow) {
  struct Case {
    std::string name;
    bool opened;
  };
  for (const Case& c : {Case{"x.SRT", true}, Case{"film.srt", true}, Case{"notes.txt", false}}) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    WriteBytes(folder / c.name, kTwoRows);
    StartRig rig;
    bool shown = false;
    if (c.opened) {
      rig.driver.OnModal("Felirat", [&] {
        shown = true;
        TFelirat& f = rig.editor();
        EXPECT_FALSE(rig.program->FoForm->Visible());
        EXPECT_EQ(f.cds.RecordCount(), 2);
        EXPECT_EQ(f.Efilenev.Text(), c.name);
        EXPECT_EQ(rig.state().CurrentFileName, c.name);
        EXPECT_EQ(rig.state().CurrentFilePath.Text(), files::TextOfPath(folder / c.name));
        EXPECT_EQ(rig.state().CurrentDirectory.Path(), folder.path());
        EXPECT_EQ(rig.state().CurrentTimeBase, "Time");
        EXPECT_EQ(rig.state().StartState, "felvitt");
        EXPECT_TRUE(rig.state().StartFile.empty());
        EXPECT_FALSE(rig.state().InternalUpdate);
        // Read from a time-based file: the colouring is on.
        EXPECT_TRUE(f.Cbtobb.Checked());
        EXPECT_TRUE(f.CB3sor.Checked());
        f.Bki.Click();
      });
    }
    rig.Start(shell::testing::WithArguments({(folder / c.name).string()}));
    EXPECT_EQ(shown, c.opened);
    EXPECT_EQ(rig.driver.Verify(), "");
    if (c.opened) {
      // Left with "Kilépés": the start window then ends the program.
      EXPECT_EQ(rig.state().StartState, "ki");
      EXPECT_FALSE(rig.editor().cds.Active());
    } else {
      EXPECT_EQ(rig.state().StartFile, folder / c.name);
    }
  }
}

// ---- A new subtitle
// --------------------------------------------------------------------------------

TEST(EditorNewSubtitle, OneRowInTheChosenTimeBase) {
  struct Case {
    std::string time_base;
    std::string earlier_time_base;  // what a subtitle edited before left behind
    std::string start, end, shift;
    int max_length;
  };
  const std::vector<Case> cases = {
      {"Time", "", "00:00:00,000", "00:00:01,000", "00:00:00,000", 12},
      {"Frame", "", "0", "10", "0", 6},
      {"Frame", "Time", "0", "10", "0", 6},
      {"Time", "Frame", "00:00:00,000", "00:00:01,000", "00:00:00,000", 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.time_base + " after " + c.earlier_time_base);
    shell::testing::Rig rig;
    shell::Program& program = rig.program;
    TFelirat& f = *program.Felirat;
    // An earlier subtitle of the other base, with its limits and features.
    program.state.CurrentTimeBase = c.earlier_time_base;
    if (!c.earlier_time_base.empty())
      f.SetTimeBaseLimits(c.earlier_time_base);
    const bool earlier_time = c.earlier_time_base == "Time";
    f.Cbtobb.SetEnabled(earlier_time);
    f.agressziv.SetEnabled(earlier_time);
    f.GB12.Show();
    f.Efilenev.SetText("regi.srt");

    f.beosztas.SetItemIndex(f.beosztas.IndexOf(c.time_base));
    program.state.OpenMode = "uj";
    rig.driver.OnModal("Felirat", [&] {
      const bool time = c.time_base == "Time";
      EXPECT_EQ(f.cds.RecordCount(), 1);
      EXPECT_EQ(f.cds.Value(field::kKezdes), c.start);
      EXPECT_EQ(f.cds.Value(field::kBefejezes), c.end);
      EXPECT_EQ(f.cds.Value(field::kSzoveg), "");
      EXPECT_EQ(f.Emodositas.Text(), c.shift);
      EXPECT_EQ(program.state.CurrentTimeBase, c.time_base);
      EXPECT_EQ(f.kezdes.MaxLength(), c.max_length);
      EXPECT_EQ(f.Emodositas.MaxLength(), c.max_length);
      EXPECT_EQ(program.state.OpenMode, "mas");
      EXPECT_TRUE(f.Efilenev.Text().empty());
      // A new subtitle counts as modified.
      EXPECT_TRUE(f.Bmentes.Enabled());
      EXPECT_TRUE(f.Mentes1.Enabled());
      EXPECT_TRUE(f.MentM1.Enabled());
      EXPECT_TRUE(f.SorTorlese.Enabled());
      EXPECT_TRUE(f.Bbeszuras.Enabled());
      EXPECT_TRUE(f.cburessor.Enabled());
      // The time base's own features.
      EXPECT_EQ(f.Cbtobb.Enabled(), time);
      EXPECT_EQ(f.BTobbCheck.Enabled(), time);
      EXPECT_EQ(f.agressziv.Enabled(), time);
      EXPECT_EQ(f.BAtfedes.Enabled(), time);
      EXPECT_FALSE(f.GB12.Visible());
      EXPECT_TRUE(f.szoveg.Focused());
      EXPECT_FALSE(program.state.InternalUpdate);
      f.Close();
    });
    f.ShowModal();
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

// ---- Leaving the editor
// ----------------------------------------------------------------------------

enum class Answer { kNone, kIgen, kNem, kMegsem };

TEST(EditorExit, QuestionOnlyWhenModifiedAndAsked) {
  struct Case {
    bool modified;
    bool no_question;  // "Kilépésnél: nincs kérdés"
    Answer answer;     // kNone: no question expected
    bool closed;
  };
  const std::vector<Case> cases = {
      {false, false, Answer::kNone, true},   {false, true, Answer::kNone, true},
      {true, true, Answer::kNone, true},     {true, false, Answer::kNem, true},
      {true, false, Answer::kMegsem, false}, {true, false, Answer::kIgen, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.modified) + std::to_string(c.no_question) +
                 std::to_string(static_cast<int>(c.answer)));
    EditorRig rig;
    TempFolder folder;
    TFelirat& f = rig.editor();
    rig.SetTimeBase("Time");
    rig.AddRows({{"00:00:01,000", "00:00:02,000", "A"}});
    rig.SetDocument(folder / "film.srt");
    f.Efilenev.SetText("film.srt");
    rig.state().StartState = "felvitt";
    rig.SetModified(c.modified);
    f.Cbki.SetChecked(c.no_question);
    switch (c.answer) {
      case Answer::kIgen:
        rig.AnswerMessage(&shell::TKiszoveg::Bigen);
        break;
      case Answer::kNem:
        rig.AnswerMessage(&shell::TKiszoveg::Bnem);
        break;
      case Answer::kMegsem:
        rig.AnswerMessage(&shell::TKiszoveg::Bmegsem);
        break;
      case Answer::kNone:
        break;
    }
    ASSERT_TRUE(rig.driver.Click(f.Bki));
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_EQ(rig.Messages().size(), c.answer == Answer::kNone ? 0u : 1u);
    if (c.answer != Answer::kNone) {
      EXPECT_EQ(rig.Messages()[0],
                "message: A felirat mentése! | A felirat módosítva lett! | Elmenti?");
    }
    EXPECT_EQ(!f.Visible(), c.closed);
    EXPECT_EQ(f.cds.Active(), !c.closed);
    EXPECT_EQ(rig.state().StartState, c.closed ? "ki" : "felvitt");
    EXPECT_EQ(std::filesystem::exists(folder / "film.srt"), c.answer == Answer::kIgen);
  }
}

// "Igen" whose save fails, or gets no name, keeps the editor and its rows: nothing is lost.
TEST(EditorExit, AFailedSaveKeepsTheEditorOpen) {
  struct Case {
    const char* name;
    bool named;  // the name box holds the document's name
  };
  for (const Case& c : {Case{"write fails", true}, Case{"no name given", false}}) {
    SCOPED_TRACE(c.name);
    EditorRig rig;
    TempFolder folder;
    TFelirat& f = rig.editor();
    rig.SetTimeBase("Time");
    rig.AddRows({{"00:00:01,000", "00:00:02,000", "A"}, {"00:00:03,000", "00:00:04,000", "B"}});
    rig.state().StartState = "felvitt";
    rig.SetModified(true);
    rig.AnswerMessage(&shell::TKiszoveg::Bigen);
    if (c.named) {
      rig.SetDocument(folder / "nincs" / "film.srt");  // a folder that is not there
      f.Efilenev.SetText("film.srt");
      rig.AnswerMessage(&shell::TKiszoveg::Bok);  // the failure is shown
    } else {
      rig.LeaveNameWindow();
    }
    rig.driver.Press(ui::keys::kEscape);
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(f.cds.RecordCount(), 2);
    EXPECT_TRUE(rig.Modified());
    EXPECT_EQ(rig.state().StartState, "felvitt");
    EXPECT_EQ(rig.state().DialogReply, "nemlepki");
    EXPECT_EQ(rig.Messages().size(), c.named ? 2u : 1u);
  }
}

// Escape is "Kilépés" wherever the focus is, and never reaches the box.
TEST(EditorExit, EscapeInEveryBoxAsksTheQuestion) {
  EditorRig rig;
  TFelirat& f = rig.editor();
  rig.SetTimeBase("Time");
  rig.AddRows({{"00:00:01,000", "00:00:02,000", "A"}});
  files::AfterFileChosen(rig.program, false);
  files::EnableEditingControls(rig.program);
  std::vector<ui::Control*> boxes;
  for (ui::Control* control : f.AllControls()) {
    if (control->CanFocus())
      boxes.push_back(control);
  }
  ASSERT_GE(boxes.size(), 20u);
  for (ui::Control* box : boxes) {
    SCOPED_TRACE(box->Name());
    rig.SetModified(true);
    const std::string text = box->Text();
    ASSERT_TRUE(rig.driver.Focus(*box));
    rig.AnswerMessage(&shell::TKiszoveg::Bmegsem);
    rig.driver.Press(ui::keys::kEscape);
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(box->Text(), text);
  }
  EXPECT_EQ(rig.Lines("message: A felirat mentése!").size(), boxes.size());
}

TEST(EditorExit, BackToTheStartWindowAsksNothingWhenNotModified) {
  EditorRig rig;
  TFelirat& f = rig.editor();
  rig.AddRows({{"0", "10", "A"}});
  rig.SetModified(false);
  rig.state().StartState = "felvitt";
  ASSERT_TRUE(rig.driver.Click(f.Bvissza));
  EXPECT_TRUE(rig.Messages().empty());
  EXPECT_FALSE(f.Visible());
  EXPECT_FALSE(f.cds.Active());
  EXPECT_TRUE(rig.program.FoForm->Visible());
  EXPECT_EQ(rig.state().StartState, "be2");
  EXPECT_TRUE(rig.state().InternalUpdate);
}

// "Vissza a főmenübe" (button and menu item) over a modified subtitle asks as leaving does:
// "Igen" saves and goes back, "Nem" goes back, "Mégsem" and a save that fails stay in the
// editor with the rows and the modified state as they were.
TEST(EditorExit, BackToTheStartWindowAsksWhenModified) {
  struct Case {
    const char* name;
    bool menu;         // the menu item rather than the button
    bool no_question;  // "Kilépésnél: nincs kérdés"
    bool unwritable;   // the save fails
    bool nameless;     // no name yet: the file-name window is left
    Answer answer;     // kNone: no question expected
    bool back;         // the start window is shown again
  };
  const std::vector<Case> cases = {
      {"Nem", false, false, false, false, Answer::kNem, true},
      {"Igen", false, false, false, false, Answer::kIgen, true},
      {"Mégsem", false, false, false, false, Answer::kMegsem, false},
      {"Mégsem from the menu", true, false, false, false, Answer::kMegsem, false},
      {"Igen, the save fails", false, false, true, false, Answer::kIgen, false},
      {"Igen, no name given", false, false, false, true, Answer::kIgen, false},
      {"no question wanted", false, true, false, false, Answer::kNone, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditorRig rig;
    TempFolder folder;
    TFelirat& f = rig.editor();
    rig.SetTimeBase("Time");
    rig.AddRows({{"00:00:01,000", "00:00:02,000", "A"}});
    const std::filesystem::path target =
        c.unwritable ? folder / "missing" / "film.srt" : folder / "film.srt";
    if (!c.nameless) {
      rig.SetDocument(target);
      f.Efilenev.SetText("film.srt");
    }
    rig.SetModified(true);
    f.Cbki.SetChecked(c.no_question);
    rig.state().StartState = "felvitt";
    if (c.answer == Answer::kIgen)
      rig.AnswerMessage(&shell::TKiszoveg::Bigen);
    if (c.unwritable)
      rig.AnswerMessage(&shell::TKiszoveg::Bok);  // the failure is shown
    if (c.nameless)
      rig.LeaveNameWindow();
    if (c.answer == Answer::kNem)
      rig.AnswerMessage(&shell::TKiszoveg::Bnem);
    if (c.answer == Answer::kMegsem)
      rig.AnswerMessage(&shell::TKiszoveg::Bmegsem);
    if (c.menu)
      ASSERT_TRUE(rig.driver.ChooseMenuItem(f.VisszaaFmenbe1));
    else
      ASSERT_TRUE(rig.driver.Click(f.Bvissza));
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_EQ(
        rig.Lines("message: A felirat mentése! | A felirat módosítva lett! | Elmenti?").size(),
        c.answer == Answer::kNone ? 0u : 1u);
    EXPECT_EQ(!f.Visible(), c.back);
    EXPECT_EQ(rig.program.FoForm->Visible(), c.back);
    EXPECT_EQ(rig.state().StartState, c.back ? "be2" : "felvitt");
    EXPECT_EQ(std::filesystem::exists(target),
              c.answer == Answer::kIgen && !c.unwritable && !c.nameless);
    if (!c.back) {
      EXPECT_EQ(f.cds.RecordCount(), 1);
      EXPECT_EQ(f.cds.Cell(1, field::kSzoveg), "A");
      EXPECT_TRUE(rig.Modified());
    }
  }
}

TEST(EditorExit, TheCloseBoxAsksAsKilepesDoes) {
  struct Case {
    const char* name;
    bool modified;
    bool no_question;  // "Kilépésnél: nincs kérdés"
    Answer answer;     // kNone: no question expected
    bool closed;
  };
  const std::vector<Case> cases = {
      {"not modified", false, false, Answer::kNone, true},
      {"no question wanted", true, true, Answer::kNone, true},
      {"Nem", true, false, Answer::kNem, true},
      {"Igen", true, false, Answer::kIgen, true},
      {"Mégsem", true, false, Answer::kMegsem, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditorRig rig;
    TempFolder folder;
    TFelirat& f = rig.editor();
    rig.SetTimeBase("Time");
    rig.AddRows({{"00:00:01,000", "00:00:02,000", "A"}});
    rig.SetDocument(folder / "film.srt");
    f.Efilenev.SetText("film.srt");
    rig.SetModified(c.modified);
    f.Cbki.SetChecked(c.no_question);
    rig.state().StartState = "felvitt";
    if (c.answer == Answer::kIgen)
      rig.AnswerMessage(&shell::TKiszoveg::Bigen);
    if (c.answer == Answer::kNem)
      rig.AnswerMessage(&shell::TKiszoveg::Bnem);
    if (c.answer == Answer::kMegsem)
      rig.AnswerMessage(&shell::TKiszoveg::Bmegsem);
    ASSERT_TRUE(rig.driver.RequestClose(f));
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_EQ(
        rig.Lines("message: A felirat mentése! | A felirat módosítva lett! | Elmenti?").size(),
        c.answer == Answer::kNone ? 0u : 1u);
    EXPECT_EQ(!f.Visible(), c.closed);
    EXPECT_EQ(f.cds.Active(), !c.closed);
    EXPECT_EQ(rig.state().StartState, c.closed ? "ki" : "felvitt");
    EXPECT_EQ(std::filesystem::exists(folder / "film.srt"), c.answer == Answer::kIgen);
    if (!c.closed) {
      EXPECT_EQ(f.cds.RecordCount(), 1);
      EXPECT_TRUE(rig.Modified());
    }
  }
}

// The editor as the start window shows it, modally: the close box over an edit asks, "Mégsem"
// keeps the editor and its rows, and a second press answered "Nem" ends the program.
TEST(EditorExit, TheCloseBoxOfTheModalEditorAsksBeforeTheProgramEnds) {
  shell::testing::Rig rig;
  shell::Program& program = rig.program;
  TFelirat& f = *program.Felirat;
  f.beosztas.SetItemIndex(f.beosztas.IndexOf("Time"));
  program.state.OpenMode = "uj";
  auto answer = [&](ui::BitBtn shell::TKiszoveg::*button) {
    rig.driver.OnModal("Kiszoveg",
                       [&rig, &program, button] { rig.driver.Click((*program.Kiszoveg).*button); });
  };
  rig.driver.OnModal("Felirat", [&] {
    ASSERT_TRUE(f.Bmentes.Enabled());  // a new subtitle counts as modified
    answer(&shell::TKiszoveg::Bmegsem);
    ASSERT_TRUE(rig.driver.RequestClose(f));
    EXPECT_EQ(f.GetModalResult(), ui::modal::kNone);
    EXPECT_EQ(f.cds.RecordCount(), 1);
    answer(&shell::TKiszoveg::Bnem);
    ASSERT_TRUE(rig.driver.RequestClose(f));
  });
  f.ShowModal();
  EXPECT_EQ(rig.driver.Verify(), "");
  EXPECT_EQ(rig.driver.LogLines("message: A felirat mentése!").size(), 2u);
  EXPECT_FALSE(f.cds.Active());
  EXPECT_EQ(program.state.StartState, "ki");
}

// Escape is "Kilépés", and Escape in the question is "Mégsem": pressing it twice, and twice
// again, never throws the edits away.
TEST(EditorExit, EscapeTwiceKeepsTheEdits) {
  EditorRig rig;
  TFelirat& f = rig.editor();
  rig.SetTimeBase("Time");
  rig.AddRows({{"00:00:01,000", "00:00:02,000", "A"}});
  rig.SetModified(true);
  rig.state().StartState = "felvitt";
  for (int round = 0; round < 2; ++round) {
    rig.driver.OnModal("Kiszoveg", [&] { rig.driver.Press(ui::keys::kEscape); });
    ASSERT_TRUE(rig.driver.Press(ui::keys::kEscape));
    EXPECT_EQ(rig.driver.Verify(), "");
  }
  EXPECT_EQ(rig.Messages().size(), 2u);
  EXPECT_EQ(rig.state().DialogReply, "nemlepki");
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(f.cds.RecordCount(), 1);
  EXPECT_TRUE(rig.Modified());
  EXPECT_EQ(rig.state().StartState, "felvitt");
}

// ---- Clock and transparency
// ------------------------------------------------------------------------

TEST(EditorClock, RunsFromCreationUntilTheFirstClose) {
  EditorRig rig;
  TFelirat& f = rig.editor();
  rig.driver.Advance(100);
  const std::string& clock = f.ido.Caption();
  ASSERT_EQ(clock.size(), 20u) << clock;  // "2024.05.17. 09:05:03"
  EXPECT_EQ(clock.substr(4, 1) + clock.substr(7, 1) + clock.substr(10, 2), "... ");
  f.Close();
  f.ido.SetCaption("x");
  f.Show();
  rig.driver.Advance(1000);
  EXPECT_EQ(f.ido.Caption(), "x");
}

TEST(EditorTransparency, TickAndSpinEdit) {
  EditorRig rig;
  TFelirat& f = rig.editor();
  EXPECT_FALSE(f.AlphaBlend());
  EXPECT_FALSE(f.Valto.Enabled());
  ASSERT_TRUE(rig.driver.Click(f.atlatszo));
  EXPECT_TRUE(f.AlphaBlend());
  EXPECT_EQ(f.AlphaBlendValue(), 110);
  EXPECT_TRUE(f.Valto.Enabled());
  f.Valto.SetValue(255);
  EXPECT_EQ(f.AlphaBlendValue(), 255);
  f.Valto.SetText("30");  // out of the range: ignored
  EXPECT_EQ(f.AlphaBlendValue(), 255);
  ASSERT_TRUE(rig.driver.Click(f.atlatszo));
  EXPECT_FALSE(f.AlphaBlend());
  EXPECT_FALSE(f.Valto.Enabled());
  f.Valto.SetValue(100);  // unticked: the window keeps its value
  EXPECT_EQ(f.AlphaBlendValue(), 255);
}

}  // namespace
}  // namespace editor
