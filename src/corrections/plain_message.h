// The plain message box of the GUI library: a text of one or more lines (split at CR LF) and
// an OK button, modally, under the program's title. A few result reports of the corrections
// use it instead of the message window. Showing notes "message: LINE1 | LINE2 | ..." in the
// session log.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace shell {
class Program;
}

namespace corrections {

// The form's name, for the test driver's modal steps.
inline constexpr std::string_view kPlainMessageName = "PlainMessage";

// The lines of a message text: split at "\r\n".
std::vector<std::string> MessageLines(std::string_view message);

void ShowPlainMessage(shell::Program& program, std::string_view message);

}  // namespace corrections
