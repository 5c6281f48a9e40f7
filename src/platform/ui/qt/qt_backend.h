// The Qt 6 Widgets backend: the program's forms as real windows.
//
//   int main(int argc, char** argv) {
//     std::unique_ptr<ui::Backend> backend = ui::qt::MakeQtBackend(argc, argv);
//     ui::Application app(*backend);  // destroyed before the backend
//     return shell::RunProgram(app, options);
//   }
//
// The backend owns the QApplication (made with high-dpi scaling off, so geometry and fonts
// are pixels at 96 dpi). It shows what the model says and reports every key, mouse button,
// wheel notch, activation, close request, expose and menu choice through the input entry
// points of ui::Application; Qt's own shortcuts, focus moves, scrolling by wheel and editing
// never act. Each form becomes a top-level window named after the form; each control a child
// widget named after the control (QObject::objectName), at its bounds.
#pragma once

#include <memory>

#include "platform/ui/backend.h"

namespace ui::qt {

// Makes the QApplication from the program's arguments (Qt takes its own options out of
// them) and the backend over it. One per process.
std::unique_ptr<ui::Backend> MakeQtBackend(int& argc, char** argv);

}  // namespace ui::qt
