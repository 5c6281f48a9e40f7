// A maximised window fills the screen's work area, whatever its border; the model keeps its
// normal bounds for when it is restored.
#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/ui/ui.h"
#include "qt_env.h"

namespace {

class Fixed : public ui::Form {
 public:
  explicit Fixed(ui::Application& app) : Form(app, "Fixed") {
    SetBorderStyle(ui::BorderStyle::kSingle);
    SetBounds(20, 20, 300, 200);
    Created();
  }
};

TEST(QtWindowStateTest, MaximisedFixedWindowFillsTheScreenAndComesBack) {
  ui::Application app{qt_test::Backend()};
  Fixed form{app};
  form.SetWindowState(ui::WindowState::kMaximized);
  ASSERT_TRUE(qt_test::ShowAndWait(form));
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  const ui::FrameMetrics m = app.GetBackend().Frame(form);
  QWidget* window = qt_test::WindowOf(form);
  ASSERT_NE(window, nullptr);
  // At least the work area inside the frame (a platform may add its own frame on top).
  EXPECT_GE(window->width(), area.width() - m.left - m.right);
  EXPECT_GE(window->height(), area.height() - m.top - m.bottom);
  EXPECT_EQ(form.Width(), 300);
  EXPECT_EQ(form.Height(), 200);

  form.Hide();
  form.SetWindowState(ui::WindowState::kNormal);
  ASSERT_TRUE(qt_test::ShowAndWait(form));
  EXPECT_EQ(window->size(), QSize(300 - m.left - m.right, 200 - m.top - m.bottom));
  form.Hide();
  qt_test::Settle();
}

}  // namespace
