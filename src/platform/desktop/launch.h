// Starting other programs, without a shell: the arguments are passed as they are.
//
// The functions that start programs are handed in where they are used, so tests can put a
// recording fake in their place.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace desktop {

// argv[0] is the program, looked up in PATH when it holds no '/'.
using Argv = std::vector<std::string>;

// Starts a program and does not wait for it; true when it could be started.
using Launcher = std::function<bool(const Argv& argv)>;

enum class RunOutcome {
  kSucceeded,   // ran and exited with status 0
  kFailed,      // ran, but exited with another status or was killed
  kNotStarted,  // could not be started (not installed, not executable)
};
// Runs a program to its end.
using CommandRunner = std::function<RunOutcome(const Argv& argv)>;

struct CommandOutput {
  RunOutcome outcome = RunOutcome::kNotStarted;
  std::string output;  // what the program wrote to its standard output (at most 64 KiB)
};
// Runs a program to its end and gives what it wrote.
using OutputRunner = std::function<CommandOutput(const Argv& argv)>;

// The system's launcher: the program runs in a session of its own with its standard streams on
// /dev/null, and is reaped when it ends, so no zombie stays behind.
bool SpawnDetached(const Argv& argv);

// The system's runner: the program's standard streams on /dev/null; waits for its exit.
RunOutcome RunAndWait(const Argv& argv);

// The system's runner that keeps the standard output: the program's input and error stream on
// /dev/null; waits for its exit.
CommandOutput RunAndRead(const Argv& argv);

// Opens a web address (http:// or https://) in the user's browser through `xdg-open`. False when
// the address is not a web address or the opener could not be started; the browser's own
// success is not known.
bool OpenLink(std::string_view url, const Launcher& launch = SpawnDetached);

}  // namespace desktop
