// The plain message box: a text of one or more lines (split at CR LF) and an OK button,
// modally, under the program's title; made for one message and gone with it. A few result
// reports of the corrections use it instead of the message window (shell/message_box.h), which
// is one lasting window with a caption, an icon, two lines and its question buttons. Showing
// notes "message: LINE1 | LINE2 | ..." in the session log, as the message window notes its
// caption and lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace shell {

class Program;

// The form's name, for the test driver's modal steps.
inline constexpr std::string_view kPlainMessageName = "PlainMessage";

// The lines of a message text: split at "\r\n" only. Unlike the message window's lines
// (ShownLines), a lone LF stays in its line and a break at the very end opens an empty line.
std::vector<std::string> MessageLines(std::string_view message);

void ShowPlainMessage(Program& program, std::string_view message);

}  // namespace shell
