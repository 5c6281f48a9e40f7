// The window `TTorlesTobb`: deletes a range of rows of the editor.
#pragma once

#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace editor {

class TTorlesTobb : public ui::Form {
 public:
  explicit TTorlesTobb(shell::Program& program);

  ui::Label Label1{*this, "Label1", {8, 8, 0, 0}};
  ui::Label Label2{*this, "Label2", {8, 34, 0, 0}};
  ui::SpinEdit SPelso{*this, "SPelso", {140, 30, 70, 21}};  // first row to delete
  ui::Label Label3{*this, "Label3", {8, 62, 0, 0}};
  ui::SpinEdit SPutso{*this, "SPutso", {140, 58, 70, 21}};  // last row to delete
  ui::Button Btorles{*this, "Btorles", {8, 92, 90, 25}};
  ui::Button Button1{*this, "Button1", {104, 92, 100, 25}};

 private:
  shell::Program& program_;
};

}  // namespace editor
