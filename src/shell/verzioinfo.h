// The version-history window `TVerzioinfo`: the changes of every version, newest first.
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
  shell::Program& program_;
};

}  // namespace shell
