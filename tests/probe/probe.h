// The probe's operations: each runs on a fresh headless program and writes its result lines.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace shell {
class Program;
}
namespace ui::headless {
class Driver;
}

namespace probe {

// The lines an operation prints; each becomes one line of output, its bytes as they are.
using Output = std::vector<std::string>;

// An operation gets the arguments after its name; it gives false (with a reason in `error`)
// when they are not what it takes.
struct Operation {
  std::string_view name;
  std::string_view usage;
  bool (*run)(shell::Program& program, ui::headless::Driver& driver,
              std::span<const std::string> arguments, Output& output, std::string& error);
};

// Every operation the probe knows.
std::span<const Operation> Operations();

// The windows the program showed so far, in the order shown: "message: ..." for the message
// window, "list: CAPTION" and "| LINE" lines for the result list.
void AppendShownWindows(const ui::headless::Driver& driver, Output& output);

bool RunRead(shell::Program& program, ui::headless::Driver& driver,
             std::span<const std::string> arguments, Output& output, std::string& error);
bool RunSave(shell::Program& program, ui::headless::Driver& driver,
             std::span<const std::string> arguments, Output& output, std::string& error);

}  // namespace probe
