// The common main of vemko and vemkovn: the program on real windows.
#pragma once

#include "shell/program.h"

namespace app {

// Builds the Qt backend and the program with the command line, runs the message loop and
// gives the exit status.
int RunOnScreen(int argc, char** argv, shell::ProgramOptions options);

}  // namespace app
