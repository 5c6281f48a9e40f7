// The description window `TLeiras`: what the program does and the news of its versions.
// "Bezárás" and Escape close it; the description cannot be changed.
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
  void FormCreate();
  void BleirasClick();
  void BleirasKeyPress(char& ch);
  // Escape closes the window; every other character is turned into Escape and dropped.
  void Memo1KeyPress(char& ch);

  shell::Program& program_;
};

}  // namespace shell
