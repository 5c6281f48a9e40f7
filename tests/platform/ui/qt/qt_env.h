// The Qt backend the tests share (one QApplication per process), and helpers to reach the
// widgets of a form and to act inside a modal session.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

#include "platform/ui/ui.h"

namespace qt_test {

// A Qt text from a UTF-16 literal (sources compile their narrow literals to Windows-1250).
inline QString U(const char16_t* text) {
  return QString::fromUtf16(text);
}

// The process's backend (offscreen platform under CTest).
ui::Backend& Backend();

// The visible window of a form, and a widget of it by the control's name.
QWidget* WindowOf(const ui::Form& form);
template <typename W = QWidget>
W* PeerOf(const ui::Control& control) {
  QWidget* window = WindowOf(control.OwnerForm());
  return window == nullptr ? nullptr
                           : window->findChild<W*>(QString::fromStdString(control.Name()));
}

// Shows the form and waits until its window is exposed and active.
bool ShowAndWait(ui::Form& form);

// Runs `step` from the event loop as soon as `form` is shown in a modal session.
void WhenModal(ui::Form& form, std::function<void()> step);

// Lets queued work run (posted calls of the backend, paints).
void Settle();

// Grabs the form's window into VEMKO_QT_PNG_DIR/qt_NAME.png; false when it failed.
bool GrabToPng(const ui::Form& form, std::string_view name);

}  // namespace qt_test
