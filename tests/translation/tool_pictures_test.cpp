// The translation window's tool buttons without a caption show a picture, one per command.
#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <string>

#include "platform/ui/headless/driver.h"
#include "shell/program.h"
#include "translation/ford_elott.h"
#include "translation/forditas.h"
#include "translation/tool_pictures.h"

namespace {

TEST(ForditasToolPictures, EveryButtonWithoutACaptionHasThePictureOfItsCommand) {
  ui::headless::Driver drv;
  shell::Program program{drv.App(), shell::ProgramOptions{}};
  const translation::TForditas& f = *program.Forditas;
  // The command of a button is its hint; the search buttons have none.
  std::map<std::string, const ui::Picture*> by_command;
  for (const ui::Control* control : f.AllControls()) {
    const auto* button = dynamic_cast<const ui::BitBtn*>(control);
    if (button == nullptr || !button->Caption().empty())
      continue;
    SCOPED_TRACE(button->Name());
    const ui::Picture& glyph = button->Glyph();
    ASSERT_FALSE(glyph.Empty());
    EXPECT_EQ(glyph.width, 16);
    EXPECT_EQ(glyph.height, 16);
    ASSERT_EQ(glyph.rgb.size(), 16u * 16u * 3u);
    // Something is drawn on the button face.
    bool drawn = false;
    for (std::size_t i = 3; i < glyph.rgb.size() && !drawn; ++i)
      drawn = glyph.rgb[i] != glyph.rgb[i % 3];
    EXPECT_TRUE(drawn);
    const std::string command = button->Hint().empty() ? "search" : button->Hint();
    auto [it, fresh] = by_command.emplace(command, &glyph);
    if (!fresh) {
      EXPECT_EQ(*it->second, glyph);  // the same command looks the same on both sides
    }
  }
  ASSERT_FALSE(by_command.empty());
  // Each command its own picture.
  for (auto a = by_command.begin(); a != by_command.end(); ++a) {
    for (auto b = std::next(a); b != by_command.end(); ++b)
      EXPECT_NE(*a->second, *b->second) << a->first << " / " << b->first;
  }
}

TEST(FordElottToolPictures, BothChoosersShowThePictureOfOpeningASubtitle) {
  ui::headless::Driver drv;
  shell::Program program{drv.App(), shell::ProgramOptions{}};
  const translation::TFordElott& d = *program.FordElott;
  const ui::Picture folder = translation::DrawToolPicture(translation::ToolPicture::kOpenSubtitle);
  for (const ui::BitBtn* button : {&d.K1, &d.K2}) {
    SCOPED_TRACE(button->Name());
    EXPECT_TRUE(button->Caption().empty());
    EXPECT_EQ(button->Glyph(), folder);
  }
  // The translation window's open buttons look the same.
  EXPECT_EQ(program.Forditas->BitBtn2.Glyph(), folder);
}

}  // namespace
