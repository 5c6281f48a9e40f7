// The new-subtitle window `TUjFelirat`: a time-based or a frame-based new subtitle.
#pragma once

#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace shell {

class TUjFelirat : public ui::Form {
 public:
  explicit TUjFelirat(shell::Program& program);

  ui::Label Label1{*this, "Label1", {16, 12}};
  ui::Button Button1{*this, "Button1", {16, 40, 210, 33}};
  ui::Button Button2{*this, "Button2", {240, 40, 210, 33}};
  ui::Button Button3{*this, "Button3", {176, 84, 115, 30}};

 private:
  shell::Program& program_;
};

}  // namespace shell
