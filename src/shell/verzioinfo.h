// The version-history window `TVerzioinfo`: the changes of every version, newest first, in a
// read-only memo; Escape in the memo closes the window.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace shell {

// The lines of the version history: for each version "v" and its number, the changes each
// on a line beginning "- ", then a blank line; the newest version first.
std::vector<std::string> VersionHistoryLines();

class TVerzioinfo : public ui::Form {
 public:
  explicit TVerzioinfo(shell::Program& program);

  ui::Memo Memo1{*this, "Memo1", {0, 0, 275, 307}};

 private:
  // Escape closes the window.
  void Memo1KeyPress(char& ch);

  shell::Program& program_;
};

}  // namespace shell
