#include "qt_env.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <memory>

#include "platform/ui/qt/qt_backend.h"

namespace qt_test {

namespace {

// Made before the first test, destroyed after the last (before the process exits).
class QtEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "platform_ui_qt_tests";
    static char* argv[] = {name, nullptr};
    backend_ = ui::qt::MakeQtBackend(argc, argv);
  }
  void TearDown() override { backend_.reset(); }
  ui::Backend& Get() { return *backend_; }

 private:
  std::unique_ptr<ui::Backend> backend_;
};

QtEnvironment* const environment =
    static_cast<QtEnvironment*>(testing::AddGlobalTestEnvironment(new QtEnvironment));

}  // namespace

ui::Backend& Backend() {
  return environment->Get();
}

QWidget* WindowOf(const ui::Form& form) {
  const QString name = QString::fromStdString(form.Name());
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == name && w->isVisible())
      return w;
  }
  return nullptr;
}

bool ShowAndWait(ui::Form& form) {
  form.Show();
  QWidget* window = WindowOf(form);
  if (window == nullptr || !QTest::qWaitForWindowExposed(window))
    return false;
  window->activateWindow();
  const bool active = QTest::qWaitForWindowActive(window);
  Settle();
  return active;
}

void WhenModal(ui::Form& form, std::function<void()> step) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, &form, step = std::move(step)] {
    if (!form.InModalSession() || WindowOf(form) == nullptr)
      return;
    poll->stop();
    poll->deleteLater();
    Settle();
    step();
  });
  poll->start();
}

void Settle() {
  for (int i = 0; i < 3; ++i)
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool GrabToPng(const ui::Form& form, std::string_view name) {
  QWidget* window = WindowOf(form);
  if (window == nullptr)
    return false;
  const QString path = QStringLiteral(VEMKO_QT_PNG_DIR "/qt_") +
                       QString::fromUtf8(name.data(), name.size()) + QStringLiteral(".png");
  return window->grab().save(path);
}

}  // namespace qt_test
