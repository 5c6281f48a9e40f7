#include "app/run.h"

#include <string>
#include <utility>

#include "platform/ui/qt/qt_backend.h"

namespace app {

int RunOnScreen(int argc, char** argv, shell::ProgramOptions options) {
  for (int i = 1; i < argc; ++i)
    options.arguments.emplace_back(argv[i]);
  auto backend = ui::qt::MakeQtBackend(argc, argv);
  ui::Application application(*backend);
  return shell::RunProgram(application, std::move(options));
}

}  // namespace app
