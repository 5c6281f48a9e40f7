// How the about, description and version-history windows are closed, and what they keep.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/desktop/launch.h"
#include "shell/info.h"
#include "shell/leiras.h"
#include "shell/rig.h"
#include "shell/verzioinfo.h"

namespace shell {
namespace {

using testing::Rig;
using testing::WithoutFilmPlayer;

// Shows `form` modally and runs `step` in its session; true when the step closed it. A window
// the step left open is closed here, so the session ends.
bool ClosedBy(Rig& rig, ui::Form& form, const std::function<void()>& step) {
  bool closed = false;
  rig.driver.OnModal(form.Name(), [&] {
    step();
    closed = form.GetModalResult() != ui::modal::kNone;
    if (!closed)
      form.Close();
  });
  form.ShowModal();
  EXPECT_EQ(rig.driver.Verify(), "");
  return closed;
}

TEST(SmallWindowKeysTest, WhatClosesEachWindow) {
  enum class Window { kInfo, kLeiras, kVerzioinfo };
  struct Case {
    std::string what;
    Window window;
    std::function<void(Rig&)> act;
    bool closes;
  };
  auto press_on = [](ui::Control& (*pick)(Program&), ui::Key key) {
    return [pick, key](Rig& rig) {
      ASSERT_TRUE(rig.driver.Focus(pick(rig.program)));
      ASSERT_TRUE(rig.driver.Press(key));
    };
  };
  auto click_on = [](ui::Control& (*pick)(Program&)) {
    return [pick](Rig& rig) { ASSERT_TRUE(rig.driver.Click(pick(rig.program))); };
  };
  ui::Control& (*info_ok)(Program&) = [](Program& p) -> ui::Control& { return p.Info->Button1; };
  ui::Control& (*info_picture)(Program&) = [](Program& p) -> ui::Control& { return p.Info->PInfo; };
  ui::Control& (*leiras_button)(Program&) = [](Program& p) -> ui::Control& {
    return p.Leiras->Bleiras;
  };
  ui::Control& (*leiras_memo)(Program&) = [](Program& p) -> ui::Control& {
    return p.Leiras->Memo1;
  };
  ui::Control& (*history_memo)(Program&) = [](Program& p) -> ui::Control& {
    return p.Verzioinfo->Memo1;
  };
  const std::vector<Case> cases = {
      {"Info OK", Window::kInfo, click_on(info_ok), true},
      {"Info Escape on OK", Window::kInfo, press_on(info_ok, ui::keys::kEscape), true},
      {"Info picture", Window::kInfo, click_on(info_picture), true},
      {"Info other key on OK", Window::kInfo, press_on(info_ok, 'X'), false},
      {"Leiras Bezaras", Window::kLeiras, click_on(leiras_button), true},
      {"Leiras Escape on Bezaras", Window::kLeiras, press_on(leiras_button, ui::keys::kEscape),
       true},
      {"Leiras Escape in memo", Window::kLeiras, press_on(leiras_memo, ui::keys::kEscape), true},
      {"Leiras letter in memo", Window::kLeiras, press_on(leiras_memo, 'A'), false},
      {"Leiras Enter in memo", Window::kLeiras, press_on(leiras_memo, ui::keys::kReturn), false},
      {"Verzioinfo Escape in memo", Window::kVerzioinfo, press_on(history_memo, ui::keys::kEscape),
       true},
      {"Verzioinfo letter in memo", Window::kVerzioinfo, press_on(history_memo, 'A'), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Rig rig;
    ui::Form* form = nullptr;
    switch (c.window) {
      case Window::kInfo:
        form = rig.program.Info.get();
        break;
      case Window::kLeiras:
        form = rig.program.Leiras.get();
        break;
      case Window::kVerzioinfo:
        form = rig.program.Verzioinfo.get();
        break;
    }
    const SharedState before = rig.program.state;
    EXPECT_EQ(ClosedBy(rig, *form, [&] { c.act(rig); }), c.closes);
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(rig.program.state.StartState, before.StartState);
    EXPECT_EQ(rig.program.state.DialogReply, before.DialogReply);
  }
}

TEST(SmallWindowKeysTest, DescriptionCannotBeChanged) {
  Rig rig;
  TLeiras& leiras = *rig.program.Leiras;
  const std::string text = leiras.Memo1.Text();
  ASSERT_FALSE(text.empty());
  EXPECT_FALSE(ClosedBy(rig, leiras, [&] {
    ASSERT_TRUE(rig.driver.Focus(leiras.Memo1));
    leiras.Memo1.SelectAll();
    rig.driver.Type("Új szöveg");
    rig.driver.Press(ui::keys::kReturn);
    rig.driver.Press(ui::keys::kBack);
    rig.driver.Press(ui::keys::kDelete);
    rig.driver.Press(ui::keys::kDelete, ui::kShift);
    rig.driver.Paste("beillesztve");
    EXPECT_EQ(leiras.Memo1.Text(), text);
  }));
  EXPECT_EQ(leiras.Memo1.Text(), text);
}

TEST(SmallWindowKeysTest, VersionHistoryCannotBeChanged) {
  Rig rig;
  TVerzioinfo& history = *rig.program.Verzioinfo;
  const std::string text = history.Memo1.Text();
  EXPECT_FALSE(ClosedBy(rig, history, [&] {
    ASSERT_TRUE(rig.driver.Focus(history.Memo1));
    rig.driver.Type("abc");
    rig.driver.Press(ui::keys::kBack);
    rig.driver.Press(ui::keys::kDelete);
  }));
  EXPECT_EQ(history.Memo1.Text(), text);
}

TEST(InfoWindowTest, VersionFromTheStartWindowsCaption) {
  Rig full;
  Rig vn(1280, 1024, WithoutFilmPlayer());
  EXPECT_EQ(full.program.Info->Lverzio.Caption(), "Verziószám: 6.873");
  EXPECT_EQ(vn.program.Info->Lverzio.Caption(), "Verziószám: 6.873VN");
  EXPECT_EQ(VersionLabel("Vemko"), "Verziószám: ");
  EXPECT_EQ(VersionLabel(""), "Verziószám: ");
}

TEST(InfoWindowTest, LinksOpenTheirAddressesAndReportNothing) {
  for (bool starts : {true, false}) {
    SCOPED_TRACE(starts);
    Rig rig;
    TInfo& info = *rig.program.Info;
    std::vector<desktop::Argv> launched;
    info.launch = [&](const desktop::Argv& argv) {
      launched.push_back(argv);
      return starts;
    };
    EXPECT_FALSE(ClosedBy(rig, info, [&] {
      ASSERT_TRUE(rig.driver.Click(info.Label4));
      ASSERT_TRUE(rig.driver.Click(info.Label8));
    }));
    EXPECT_EQ(launched, (std::vector<desktop::Argv>{{"xdg-open", std::string(kLabel4Link)},
                                                    {"xdg-open", std::string(kLabel8Link)}}));
    EXPECT_TRUE(rig.Lines("message: ").empty());
  }
}

}  // namespace
}  // namespace shell
