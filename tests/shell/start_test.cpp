#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "editor/felirat.h"
#include "editor/rules/window_rules.h"
#include "files/kereses.h"
#include "shell/fo_form.h"
#include "shell/kiszoveg.h"
#include "shell/pictures.h"
#include "shell/rig.h"
#include "shell/start.h"
#include "shell/verzioinfo.h"
#include "translation/forditas.h"

namespace shell {
namespace {

using testing::Rig;
using testing::WithArguments;
using testing::WithoutFilmPlayer;

// Runs the message loop with one step: the start window is shown first.
void RunWith(Rig& rig, std::function<void()> step) {
  rig.driver.OnRun(std::move(step));
  rig.program.Run();
}

TEST(StartScreenTest, Classification) {
  struct Case {
    int width, height;
    std::string layout;
    bool refused;
  };
  const std::vector<Case> cases = {
      {1280, 1024, "1280x1024", false},
      {1920, 1080, "1280x1024", false},
      {1280, 960, "1024x768", false},
      {1024, 768, "1024x768", false},
      {1024, 600, "800x600", false},
      {800, 600, "800x600", false},
      {800, 480, "", false},
      {640, 480, "kicsi", true},
      {799, 1024, "kicsi", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    EXPECT_EQ(ClassifyScreen(c.width, c.height), c.layout);
    Rig rig(c.width, c.height);
    EXPECT_EQ(rig.program.state.ScreenLayout, c.layout);
    EXPECT_EQ(rig.program.state.StartState, "be");
    if (c.refused) {
      rig.driver.OnModal("Kiszoveg", [&] { rig.driver.Click(rig.program.Kiszoveg->Bok); });
    }
    rig.program.Run();
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_EQ(rig.driver.App().Terminated(), c.refused);
    EXPECT_EQ(rig.program.FoForm->Visible(), !c.refused);
    const std::vector<std::string> messages = rig.Lines("message: ");
    if (c.refused) {
      EXPECT_EQ(messages, std::vector<std::string>{"message: Probléma! | A képernyő felbontása "
                                                   "túl kicsi! | Minimum felbontás:800x600"});
      EXPECT_TRUE(rig.program.Kiszoveg->HibaI.Visible());
    } else {
      EXPECT_TRUE(messages.empty());
    }
  }
}

TEST(StartScreenTest, RunProgramEndsOnATooSmallScreen) {
  ui::headless::Driver driver(640, 480);
  testing::FailOnScriptErrors guard(driver);
  driver.OnModal("Kiszoveg", [&] {
    ASSERT_NE(driver.App().InnermostModal(), nullptr);
    driver.Press(ui::keys::kEscape);
  });
  EXPECT_EQ(RunProgram(driver.App(), {}), 0);
  EXPECT_EQ(driver.LogLines("message: Probléma!").size(), 1u);
  EXPECT_EQ(driver.Verify(), "");
}

TEST(StartFileTest, AllParametersJoinedWithSingleBlanks) {
  struct Case {
    std::vector<std::string> arguments;
    std::string start_file;
  };
  const std::vector<Case> cases = {
      {{}, ""},
      {{"film.srt"}, "film.srt"},
      {{"/home/anna/Az", "én", "filmem.SRT"}, "/home/anna/Az én filmem.SRT"},
      {{"/home/anna/My", "film.srt"}, "/home/anna/My film.srt"},
      {{"/home/anna/My film.sub"}, "/home/anna/My film.sub"},  // given quoted
      {{"a", "", "b"}, "a  b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.start_file);
    EXPECT_EQ(JoinArguments(c.arguments), c.start_file);
    // A subtitle named there is opened by the editor at once (tests/editor).
    if (editor::IsStartSubtitle(c.start_file))
      continue;
    Rig rig(1280, 1024, WithArguments(c.arguments));
    EXPECT_EQ(rig.program.state.StartFile, c.start_file);
  }
}

TEST(StartWindowTest, LooksAndCaption) {
  Rig full;
  Rig vn(1280, 1024, WithoutFilmPlayer());
  EXPECT_EQ(full.program.FoForm->Caption(), "Vemko v6.873");
  EXPECT_EQ(vn.program.FoForm->Caption(), "Vemko v6.873VN");

  TFoForm& start = *full.program.FoForm;
  EXPECT_EQ(start.Width(), 293);
  EXPECT_EQ(start.Height(), 375);
  EXPECT_FALSE(start.GetBorderIcons().maximize);
  EXPECT_EQ(start.Image1.Width(), start.ClientWidth());
  EXPECT_EQ(start.Image1.Height(), start.ClientHeight());
  EXPECT_FALSE(start.Image1.GetPicture().Empty());
  for (ui::BitBtn* button : {&start.BitBtn3, &start.BitBtn2, &start.BitBtn4, &start.BitBtn1}) {
    EXPECT_FALSE(button->Glyph().Empty()) << button->Name();
  }
  start.Show();
  std::vector<std::string> order;
  for (ui::Control* control : start.TabOrderList(true))
    order.push_back(control->Name());
  EXPECT_EQ(std::vector<std::string>(order.begin(), order.begin() + 4),
            (std::vector<std::string>{"BitBtn3", "BitBtn2", "BitBtn4", "BitBtn1"}));
  EXPECT_TRUE(start.BitBtn3.Focused());
}

TEST(StartWindowTest, EveryPictureDecodes) {
  for (std::string name :
       {"start", "megnyitas", "uj", "forditas", "kilepes", "info", "kerdes", "hiba"}) {
    EXPECT_FALSE(LoadPicture(name).Empty()) << name;
  }
  EXPECT_TRUE(PictureBytes("nincs").empty());
  EXPECT_TRUE(LoadPicture("nincs").Empty());
}

TEST(StartWindowTest, EscapeOnEveryButtonEndsTheProgram) {
  Rig names_only;
  TFoForm& f = *names_only.program.FoForm;
  const std::vector<std::string> buttons = {f.BitBtn3.Name(), f.BitBtn2.Name(), f.BitBtn4.Name(),
                                            f.BitBtn1.Name(), f.Button1.Name(), f.Button2.Name()};
  for (const std::string& name : buttons) {
    SCOPED_TRACE(name);
    Rig rig;
    TFoForm& start = *rig.program.FoForm;
    RunWith(rig, [&] {
      ASSERT_TRUE(rig.driver.Focus(*start.FindControl(name)));
      rig.driver.Press(ui::keys::kEscape);
    });
    EXPECT_TRUE(rig.driver.App().Terminated());
    EXPECT_FALSE(start.Visible());
    EXPECT_EQ(rig.driver.Verify(), "");  // no question on the way
  }
}

TEST(StartWindowTest, ExitButtonEndsTheProgram) {
  Rig rig;
  RunWith(rig, [&] { rig.driver.Click(rig.program.FoForm->BitBtn1); });
  EXPECT_TRUE(rig.driver.App().Terminated());
}

TEST(StartWindowTest, VersionButtonShowsTheVersionHistory) {
  Rig rig;
  rig.driver.OnModal("Verzioinfo", [&] { rig.program.Verzioinfo->Close(); });
  RunWith(rig, [&] { rig.driver.Click(rig.program.FoForm->Button1); });
  EXPECT_EQ(rig.driver.Verify(), "");
  EXPECT_TRUE(rig.program.FoForm->Visible());
  EXPECT_FALSE(rig.driver.App().Terminated());
}

// Which window each button shows, the StartState it sees and what the start window does with
// the word the child leaves behind.
TEST(StartWindowTest, StartStateByButton) {
  enum class Which { kMegnyitas, kUj, kForditas };
  struct Case {
    Which button;
    std::string before;
    std::string child_sees;
    std::string child_leaves;
    std::string after;  // "" when the program ends
  };
  const std::vector<Case> cases = {
      {Which::kMegnyitas, "be", "be", "be2", "be2"},
      {Which::kMegnyitas, "be2", "be", "be2", "be2"},
      {Which::kMegnyitas, "vissza", "be", "be2", "be2"},
      {Which::kMegnyitas, "be", "be", "ki", ""},
      {Which::kUj, "be", "be", "be2", "be"},
      {Which::kUj, "be2", "be", "be2", "be"},
      {Which::kUj, "vissza", "vissza", "be2", "be"},
      {Which::kUj, "be", "be", "ki", ""},
      {Which::kForditas, "be", "For", "vissza", "vissza"},
      {Which::kForditas, "be2", "For", "vissza", "vissza"},
      {Which::kForditas, "vissza", "For", "ki", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.button)) + " " + c.before + " -> " +
                 c.child_leaves);
    Rig rig;
    Program& program = rig.program;
    TFoForm& start = *program.FoForm;
    ui::Control* button = nullptr;
    std::string child_name;
    std::string open_mode;
    switch (c.button) {
      case Which::kMegnyitas:
        button = &start.BitBtn3;
        child_name = "Felirat";
        open_mode = "mas";  // the editor's activation has dispatched "megnyitas"
        break;
      case Which::kUj:
        button = &start.BitBtn2;
        child_name = "UjFelirat";
        open_mode = "uj";
        break;
      case Which::kForditas:
        button = &start.BitBtn4;
        child_name = "Forditas";
        break;
    }
    // The editor's activation shows the open window first; the user leaves it at once.
    if (c.button == Which::kMegnyitas)
      rig.driver.OnModal("Kereses", [&] { rig.driver.Click(program.Kereses->Button1); });
    rig.driver.OnModal(child_name, [&] {
      EXPECT_FALSE(start.Visible());
      EXPECT_EQ(program.state.StartState, c.child_sees);
      EXPECT_EQ(program.state.OpenMode, open_mode);
      program.state.StartState = c.child_leaves;
      if (c.child_leaves == "be2" || c.child_leaves == "vissza")
        start.Show();
      program.app.InnermostModal()->Close();
    });
    program.state.StartState = c.before;
    RunWith(rig, [&] { ASSERT_TRUE(rig.driver.Click(*button)); });
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_EQ(rig.driver.App().Terminated(), c.after.empty());
    if (!c.after.empty()) {
      EXPECT_EQ(program.state.StartState, c.after);
      EXPECT_TRUE(start.Visible());
    }
  }
}

TEST(StartWindowTest, LayoutMenus) {
  struct Case {
    int width, height;
    bool f1, f2, f3, f11, f22;
  };
  // 800 x 480 leaves the layout empty: the items stay as they were (all disabled here).
  const std::vector<Case> cases = {
      {800, 600, false, true, true, false, true},
      {1024, 768, true, false, true, true, false},
      {1280, 1024, true, true, false, true, false},
      {800, 480, false, false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    Rig rig(c.width, c.height);
    editor::TFelirat& editor = *rig.program.Felirat;
    translation::TForditas& forditas = *rig.program.Forditas;
    std::vector<ui::MenuItem*> items = {&editor.Felbonts1, &editor.Felbonts2, &editor.Felbonts3,
                                        &forditas.felbonts11, &forditas.felbonts22};
    for (ui::MenuItem* item : items)
      item->SetEnabled(false);
    rig.program.FoForm->Show();
    EXPECT_EQ((std::vector<bool>{editor.Felbonts1.Enabled(), editor.Felbonts2.Enabled(),
                                 editor.Felbonts3.Enabled(), forditas.felbonts11.Enabled(),
                                 forditas.felbonts22.Enabled()}),
              (std::vector<bool>{c.f1, c.f2, c.f3, c.f11, c.f22}));
  }
}

TEST(StartWindowTest, StartWindowActivatedInExitStateCloses) {
  Rig rig;
  rig.program.state.StartState = "ki";
  rig.program.Run();
  EXPECT_TRUE(rig.driver.App().Terminated());
}

TEST(StartWindowTest, MegnyitasResetsTheEditor) {
  for (bool film : {true, false}) {
    SCOPED_TRACE(film);
    Rig rig(1280, 1024, film ? ProgramOptions{} : WithoutFilmPlayer());
    Program& program = rig.program;
    editor::TFelirat& editor = *program.Felirat;
    program.state.TextClipboard = "Szia!|Hogy vagy?";
    program.state.InternalUpdate = true;
    editor.kulonbseg.SetText("00:00:01,000");
    editor.Bmentes.SetEnabled(true);
    editor.Belso.Show();
    editor.RB12.SetChecked(true);
    rig.driver.OnModal("Kereses", [&] { rig.driver.Click(program.Kereses->Button1); });
    rig.driver.OnModal("Felirat", [&] {
      EXPECT_TRUE(editor.cds.Active());
      EXPECT_TRUE(editor.cds.IsEmpty());
      EXPECT_FALSE(program.state.InternalUpdate);
      EXPECT_TRUE(program.state.TextClipboard.empty());
      EXPECT_FALSE(editor.Bmentes.Enabled());
      EXPECT_FALSE(editor.Mentes1.Enabled());
      EXPECT_FALSE(editor.kezdes.Enabled());
      EXPECT_FALSE(editor.Masikfelirat.Enabled());
      EXPECT_FALSE(editor.Belso.Visible());
      EXPECT_FALSE(editor.RB12.Checked());
      EXPECT_EQ(editor.sordarab.Caption(), "0=0 betű");
      EXPECT_EQ(editor.kulonbseg.Text(), film ? "" : "00:00:01,000");
      if (film) {
        EXPECT_EQ(editor.IdoFrame.Caption(), "00:00:00,000 / 00:00:00,000");
        EXPECT_EQ(editor.IdoFrame.Left(), (editor.GBAdatok.Width() - editor.IdoFrame.Width()) / 2);
      }
      program.state.StartState = "ki";
      editor.Close();
    });
    RunWith(rig, [&] { rig.driver.Click(program.FoForm->BitBtn3); });
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

TEST(StartWindowTest, ForditasResetsTheTranslationWindow) {
  Rig rig;
  Program& program = rig.program;
  translation::TForditas& forditas = *program.Forditas;
  forditas.Efe.SetText("/home/anna/eredeti.srt");
  forditas.EkerE.SetText("keres");
  forditas.Esave.SetEnabled(true);
  forditas.Pem.SetEnabled(true);
  rig.driver.OnModal("Forditas", [&] {
    EXPECT_TRUE(forditas.cdsE.Active());
    EXPECT_TRUE(forditas.cdsE.IsEmpty());
    EXPECT_TRUE(forditas.cdsF.Active());
    EXPECT_TRUE(forditas.cdsF.IsEmpty());
    EXPECT_EQ(forditas.Efe.Text(), "");
    EXPECT_EQ(forditas.EkerE.Text(), "");
    EXPECT_FALSE(forditas.EkerE.Enabled());
    EXPECT_FALSE(forditas.Esave.Enabled());
    EXPECT_FALSE(forditas.Pem.Enabled());
    EXPECT_FALSE(forditas.Edit4.Visible());
    program.state.StartState = "ki";
    forditas.Close();
  });
  RunWith(rig, [&] { rig.driver.Click(program.FoForm->BitBtn4); });
  EXPECT_TRUE(rig.driver.App().Terminated());
}

// However the translation window is closed, the start window comes back: it ends the program
// on "ki" and stays on "vissza". A close box never leaves a program without a window.
TEST(StartWindowTest, TheTranslationWindowAlwaysHandsBackToTheStartWindow) {
  struct Case {
    const char* name;
    std::string state_when_closed;  // what the translation window's own exits set
    bool ends;
  };
  const std::vector<Case> cases = {
      {"close box", "For", true},
      {"close box after going back", "vissza", false},
      {"close box after Kilépés", "ki", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    Program& program = rig.program;
    translation::TForditas& forditas = *program.Forditas;
    rig.driver.OnModal("Forditas", [&] {
      program.state.StartState = c.state_when_closed;
      ASSERT_TRUE(rig.driver.RequestClose(forditas));
    });
    RunWith(rig, [&] { rig.driver.Click(program.FoForm->BitBtn4); });
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_FALSE(forditas.Visible());
    EXPECT_FALSE(forditas.cdsE.Active());
    EXPECT_FALSE(forditas.cdsF.Active());
    EXPECT_EQ(rig.driver.App().Terminated(), c.ends);
    EXPECT_EQ(program.state.StartState, c.ends ? "ki" : "vissza");
    if (!c.ends) {
      EXPECT_TRUE(program.FoForm->Visible());
    }
  }
}

}  // namespace
}  // namespace shell
