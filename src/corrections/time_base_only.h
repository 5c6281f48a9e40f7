// The commands that work on time codes only: in the "Frame" base they refuse with one message.
#pragma once

namespace editor {
class TFelirat;
}
namespace shell {
class Program;
}

namespace corrections {

// The editor's rows hold frame numbers (`beosztas` is "Frame").
bool InFrameBase(const editor::TFelirat& editor);

// "Ez a művelet csak "Time" beosztásban használható!", under the caption "Eredmény".
void RefuseInFrameBase(shell::Program& program);

}  // namespace corrections
