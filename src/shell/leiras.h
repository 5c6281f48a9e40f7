// The description window `TLeiras`: what the program does and the news of its versions.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace shell {

// The lines of the description shown in the window.
std::vector<std::string> DescriptionLines();

class TLeiras : public ui::Form {
 public:
  explicit TLeiras(shell::Program& program);

  ui::Memo Memo1{*this, "Memo1", {0, 0, 517, 410}};
  ui::Button Bleiras{*this, "Bleiras", {213, 418, 91, 30}};

 private:
  shell::Program& program_;
};

}  // namespace shell
