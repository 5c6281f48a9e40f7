// Joining two parts of a subtitle into one file: the second part's times are moved so that it
// starts at the value typed in the start-value window, and the result is saved under the name
// chosen there.
#pragma once

#include <string>
#include <string_view>

namespace shell {
class Program;
}

namespace files {

// Why two parts of these kinds cannot be joined.
enum class JoinRefusal {
  kNone,      // they can
  kStyle,     // kinds differ, or the first part is SubRip in UTF-16
  kUnusable,  // neither part holds a kind the editor reads
};
JoinRefusal JoinRefusalOf(std::string_view first_kind, std::string_view second_kind);

// The join of the editor's "Végrehajtás": reads the parts the chooser holds into the emptied
// table, the second with its times moved, and saves the result under the start-value window's
// file name.
void RunJoin(shell::Program& program);

}  // namespace files
