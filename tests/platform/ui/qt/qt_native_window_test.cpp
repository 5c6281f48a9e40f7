// A native window for a component that draws into a control itself (the film player).
#include <gtest/gtest.h>
#include <QWidget>

#include "platform/ui/ui.h"
#include "qt_env.h"

namespace {

class Player : public ui::Form {
 public:
  explicit Player(ui::Application& app) : Form(app, "Player") {
    SetBounds(10, 10, 400, 300);
    Created();
  }
  ui::Panel Keret{*this, "Keret", {10, 10, 380, 280}};
  ui::MediaHost Vetito{Keret, "Vetito", {20, 20, 320, 240}};
};

// Asked before the form was ever shown: the window is made then, hidden, and the host has a
// native window of its own whose id stays the same once the form is shown.
TEST(QtNativeWindowTest, MediaHostGetsANativeWindowBeforeTheFormIsShown) {
  ui::Application app{qt_test::Backend()};
  Player player{app};
  const std::int64_t id = app.GetBackend().NativeWindowId(player.Vetito);
  EXPECT_NE(id, 0);
  EXPECT_EQ(qt_test::WindowOf(player), nullptr);  // not shown
  ASSERT_TRUE(qt_test::ShowAndWait(player));
  QWidget* host = qt_test::PeerOf(player.Vetito);
  ASSERT_NE(host, nullptr);
  EXPECT_TRUE(host->testAttribute(Qt::WA_NativeWindow));
  EXPECT_EQ(static_cast<std::int64_t>(host->winId()), id);
  EXPECT_EQ(app.GetBackend().NativeWindowId(player.Vetito), id);
  // Its parents are not made native for it.
  EXPECT_FALSE(qt_test::PeerOf(player.Keret)->testAttribute(Qt::WA_NativeWindow));
  player.Hide();
  qt_test::Settle();
}

}  // namespace
