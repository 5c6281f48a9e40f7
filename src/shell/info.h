// The about window `TInfo`: a picture with the program's name, version and download links.
#pragma once

#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace shell {

class TInfo : public ui::Form {
 public:
  explicit TInfo(shell::Program& program);

  ui::Image PInfo{*this, "PInfo", {0, 0, 586, 478}};
  ui::Label Label1{*this, "Label1", {40, 40}};
  ui::Label Label2{*this, "Label2", {40, 64}};
  ui::Label Label3{*this, "Label3", {40, 120}};
  // "Verziószám: " and the version of the start window's caption, set on creation.
  ui::Label Lverzio{*this, "Lverzio", {40, 150}};
  ui::Label Label5{*this, "Label5", {40, 172}};
  ui::Label Label6{*this, "Label6", {40, 220}};
  ui::Label Label7{*this, "Label7", {40, 270}};
  // Links to the two download sites.
  ui::Label Label4{*this, "Label4", {40, 294}};
  ui::Label Label8{*this, "Label8", {40, 316}};
  ui::Button Button1{*this, "Button1", {255, 420, 75, 30}};

 private:
  shell::Program& program_;
};

}  // namespace shell
