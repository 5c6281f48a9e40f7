// Joining two parts of a subtitle into one file: the second part's times are moved so that it
// starts at the value typed in the start-value window, and the result is saved under the name
// chosen there.
#pragma once

#include "formats/join_rules.h"

#include <string>
#include <string_view>

namespace shell {
class Program;
}

namespace files {

// The join of the editor's "Végrehajtás": reads the parts the chooser holds into the emptied
// table, the second with its times moved, and saves the result under the start-value window's
// file name.
void RunJoin(shell::Program& program);

}  // namespace files
