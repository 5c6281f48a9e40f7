// The export window `TMentesMaskent`: the 56 export formats as a list of large icons; a
// double click on one exports the editor's rows in that format.
#pragma once

#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace files {

class TMentesMaskent : public ui::Form {
 public:
  explicit TMentesMaskent(shell::Program& program);

  ui::Label Label1{*this, "Label1", {8, 8, 0, 0}};
  // One entry per export format, in the order of ExportFormats(), each with the list's one
  // icon (image 0).
  ui::ListView Lista{*this, "Lista", {8, 32, 530, 168}};
  ui::Button Button1{*this, "Button1", {408, 208, 130, 30}};

 private:
  shell::Program& program_;
};

}  // namespace files
