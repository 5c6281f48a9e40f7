// What the new-subtitle, about, description and version-history windows are made of.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/headless/driver.h"
#include "shell/info.h"
#include "shell/leiras.h"
#include "shell/program.h"
#include "shell/uj_felirat.h"
#include "shell/verzioinfo.h"

namespace {

using ui::ControlKind;

struct Windows {
  ui::headless::Driver drv;
  shell::Program program{drv.App(), shell::ProgramOptions{}};
};

TEST(SmallWindows, HaveTheirCaptionsSizesAndControls) {
  Windows w;
  struct ExpectedControl {
    const ui::Form& form;
    std::string_view caption;
    int width;
    int height;
    bool fixed_size;
    std::string_view control;
    ControlKind kind;
    std::string_view control_caption;
  };
  const shell::Program& p = w.program;
  const std::vector<ExpectedControl> table = {
      {*p.UjFelirat, "Új felirat készítése", 475, 155, true, "Label1", ControlKind::kLabel,
       "Válasszon egyet:"},
      {*p.UjFelirat, "Új felirat készítése", 475, 155, true, "Button1", ControlKind::kButton,
       "Másodperc alapú (.srt)"},
      {*p.UjFelirat, "Új felirat készítése", 475, 155, true, "Button2", ControlKind::kButton,
       "Képkocka alapján (.sub)"},
      {*p.UjFelirat, "Új felirat készítése", 475, 155, true, "Button3", ControlKind::kButton,
       "Vissza"},
      {*p.Info, "Info", 594, 508, true, "PInfo", ControlKind::kImage, ""},
      {*p.Info, "Info", 594, 508, true, "Label2", ControlKind::kLabel, "Vemko"},
      {*p.Info, "Info", 594, 508, true, "Label5", ControlKind::kLabel, "Készült: 2008.10"},
      {*p.Info, "Info", 594, 508, true, "Label7", ControlKind::kLabel,
       "Az új verziót keresd 2 havonta /link/:"},
      {*p.Info, "Info", 594, 508, true, "Button1", ControlKind::kButton, "OK"},
      {*p.Leiras, "Leírás", 525, 484, true, "Bleiras", ControlKind::kButton, "Bezárás"},
      {*p.Verzioinfo, "Verzióinformáció", 283, 337, false, "Memo1", ControlKind::kMemo,
       "v6.873\r\n- Külön \"gomb\" a 4 soros sorok megtöréséhez\r\n"},
  };
  for (const ExpectedControl& want : table) {
    SCOPED_TRACE(want.form.Name() + "." + std::string(want.control));
    EXPECT_EQ(want.form.Caption(), want.caption);
    EXPECT_EQ(want.form.Width(), want.width);
    EXPECT_EQ(want.form.Height(), want.height);
    const ui::SizeConstraints pinned{want.width, want.width, want.height, want.height};
    EXPECT_EQ(want.form.Constraints() == pinned, want.fixed_size);
    const ui::Control* control = want.form.FindControl(want.control);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->Kind(), want.kind);
    EXPECT_EQ(control->Parent(), &want.form);
    // The memo is checked by its first entry.
    EXPECT_EQ(control->Caption().substr(0, want.control_caption.size()), want.control_caption);
    EXPECT_TRUE(control->Enabled());
    EXPECT_TRUE(control->Visible());
  }
}

TEST(SmallWindows, VersionHistoryRunsFromTheNewestToV585InBlocks) {
  const std::vector<std::string> lines = shell::VersionHistoryLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "v6.873");
  std::vector<std::string> versions;
  bool block_start = true;
  for (const std::string& line : lines) {
    if (block_start) {
      ASSERT_EQ(line.substr(0, 1), "v") << line;
      versions.push_back(line);
      block_start = false;
    } else if (line.empty()) {
      block_start = true;
    } else {
      EXPECT_EQ(line.substr(0, 2), "- ") << line;
    }
  }
  EXPECT_TRUE(block_start) << "the last entry ends with a blank line";
  EXPECT_EQ(versions.back(), "v5.85");
}

TEST(SmallWindows, InfoLabelsAreTransparentOverThePicture) {
  Windows w;
  const shell::TInfo& info = *w.program.Info;
  for (const ui::Label* label : {&info.Label1, &info.Label4, &info.Label8, &info.Lverzio}) {
    EXPECT_TRUE(label->Transparent()) << label->Name();
  }
  EXPECT_TRUE(info.Label2.GetFont().bold);
  EXPECT_TRUE(w.program.Verzioinfo->Memo1.ReadOnly());
}

}  // namespace
