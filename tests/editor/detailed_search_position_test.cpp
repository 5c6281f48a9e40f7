// Where the detailed search window appears: centred on the editor it is opened from.
#include <gtest/gtest.h>

#include "editor/reszletes_k.h"
#include "row_command_rig.h"

namespace editor {
namespace {

using testing::RowCommandRig;

TEST(DetailedSearchPosition, CentredOnTheEditorWhereverTheEditorIs) {
  struct Case {
    const char* name;
    ui::WindowState state;
    ui::Rect editor;
  };
  for (const Case& c :
       {Case{"centred editor", ui::WindowState::kNormal, {130, 137, 1020, 750}},
        Case{"moved editor", ui::WindowState::kNormal, {0, 40, 808, 574}},
        Case{"near the right edge", ui::WindowState::kNormal, {1100, 500, 400, 300}},
        Case{"maximised editor", ui::WindowState::kMaximized, {90, 60, 808, 574}}}) {
    SCOPED_TRACE(c.name);
    RowCommandRig rig("Time", {{"00:00:01,000", "00:00:02,000", "alma"}});
    TFelirat& f = rig.editor();
    TReszletesK& window = *rig.program.ReszletesK;
    f.SetBounds(c.editor.left, c.editor.top, c.editor.width, c.editor.height);
    f.SetWindowState(c.state);
    f.BMReszker.SetEnabled(true);
    ASSERT_TRUE(rig.driver.ChooseMenuItem(f.BMReszker));
    ASSERT_TRUE(window.Visible());

    const ui::Screen& screen = rig.program.app.GetScreen();
    ui::Rect area = c.editor;
    if (c.state == ui::WindowState::kMaximized)
      area = {0, 0, screen.Width(), screen.Height()};
    int left = area.left + (area.width - window.Width()) / 2;
    int top = area.top + (area.height - window.Height()) / 2;
    // Kept on the screen.
    left = std::min(left, screen.Width() - window.Width());
    top = std::min(top, screen.Height() - window.Height());
    EXPECT_EQ(window.Left(), left);
    EXPECT_EQ(window.Top(), top);
    EXPECT_NE(window.Left(), 0);
  }
}

}  // namespace
}  // namespace editor
