// Reading the chosen file into the editor's table as the open driver does it: the main text
// into an emptied table, or the second text onto the rows from the first one on, with the
// table's controls detached and InternalUpdate raised while the reader runs.
#pragma once

#include <filesystem>
#include <string>

#include "files/reader.h"
#include "platform/desktop/line_reader.h"

namespace shell {
class Program;
}

namespace files {

// Reads `file` as the text of TextSlot ("1" main, "2" second). Afterwards the first row is
// current, the gauge is hidden and InternalUpdate is as before.
SubtitleRead ReadFileIntoEditor(shell::Program& program, const std::filesystem::path& file);
// The same, giving the kind code only: for CurrentFilePath, and for a file given as a path
// (CurrentFilePath is left as it is).
std::string ReadIntoEditor(shell::Program& program);
std::string ReadIntoEditor(shell::Program& program, const std::filesystem::path& file);

// The message for a file of no usable kind ("" or "4").
void ShowUnusableFileMessage(shell::Program& program);

// The message for a file whose read ran out of memory, naming it.
void ShowOutOfMemoryMessage(shell::Program& program, const std::filesystem::path& file);

// The message for a file that could not be read at all (missing, a folder, no permission),
// naming it.
void ShowUnreadableFileMessage(shell::Program& program, const std::filesystem::path& file,
                               desktop::FileError error);

}  // namespace files
