// What the window system is asked for: the client area inside the form's outer frame, the
// owner of an owned window, the border icons, and the focus shown on the focused control.
#include <gtest/gtest.h>
#include <QPushButton>
#include <QWindow>

#include "platform/ui/ui.h"
#include "qt_env.h"

namespace {

using qt_test::PeerOf;

class Framed : public ui::Form {
 public:
  Framed(ui::Application& app, std::string name) : Form(app, std::move(name)) {
    SetBorderStyle(ui::BorderStyle::kSingle);
    SetBounds(40, 30, 320, 200);
    Created();
  }
  ui::Button B1{*this, "B1", {8, 8, 75, 25}};
  ui::Button B2{*this, "B2", {8, 40, 75, 25}};
};

TEST(QtFrameTest, TheClientAreaIsWhatTheOuterFrameLeaves) {
  ui::Application app{qt_test::Backend()};
  Framed form{app, "Framed"};
  ASSERT_TRUE(qt_test::ShowAndWait(form));
  QWidget* window = qt_test::WindowOf(form);
  ASSERT_NE(window, nullptr);
  const ui::FrameMetrics m = app.GetBackend().Frame(form);
  EXPECT_EQ(window->geometry(),
            QRect(40 + m.left, 30 + m.top, 320 - m.left - m.right, 200 - m.top - m.bottom));
  form.Hide();
  qt_test::Settle();
}

TEST(QtFrameTest, AnOwnedWindowIsItsOwnersDialog) {
  ui::Application app{qt_test::Backend()};
  Framed owner{app, "Owner"};
  Framed owned{app, "Owned"};
  owned.SetBorderIcons({.system_menu = false, .minimize = false, .maximize = false});
  ASSERT_TRUE(qt_test::ShowAndWait(owner));
  owned.SetOwner(&owner);
  ASSERT_TRUE(qt_test::ShowAndWait(owned));
  QWidget* window = qt_test::WindowOf(owned);
  ASSERT_NE(window, nullptr);
  ASSERT_NE(window->windowHandle(), nullptr);
  EXPECT_EQ(window->windowHandle()->transientParent(), qt_test::WindowOf(owner)->windowHandle());
  EXPECT_EQ(window->windowType(), Qt::Dialog);
  // No border icons: a title and nothing else.
  const Qt::WindowFlags flags = window->windowFlags();
  EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowSystemMenuHint);
  EXPECT_TRUE(flags & Qt::WindowTitleHint);
  owned.Hide();
  owner.Hide();
  qt_test::Settle();
}

TEST(QtFrameTest, TheFocusedButtonShowsItsFocus) {
  ui::Application app{qt_test::Backend()};
  Framed form{app, "Focused"};
  ASSERT_TRUE(qt_test::ShowAndWait(form));
  form.B2.SetFocus();
  qt_test::Settle();
  auto* button = PeerOf<QPushButton>(form.B2);
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->hasFocus());
  // The style draws a focus frame only after a focus change by the keyboard.
  EXPECT_TRUE(button->window()->testAttribute(Qt::WA_KeyboardFocusChange));
  form.Hide();
  qt_test::Settle();
}

}  // namespace
