// Reading the chosen file into the editor's table as the open driver does it: the main text
// into an emptied table, or the second text onto the rows from the first one on, with the
// table's controls detached and InternalUpdate raised while the reader runs.
#pragma once

#include <filesystem>
#include <string>

namespace shell {
class Program;
}

namespace files {

// Reads CurrentFilePath as the text of TextSlot ("1" main, "2" second); gives the kind code.
// Afterwards the first row is current, the gauge is hidden and InternalUpdate is as before.
std::string ReadIntoEditor(shell::Program& program);
// The same for a file given as a path (CurrentFilePath is left as it is).
std::string ReadIntoEditor(shell::Program& program, const std::filesystem::path& file);

// The message for a file of no usable kind ("" or "4").
void ShowUnusableFileMessage(shell::Program& program);

}  // namespace files
