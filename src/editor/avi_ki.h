// The AVI window `TAviKi`: a film file is chosen to read its frame rate into the editor
// ("FPS kinyerése") or, in the full build, to open it as the film ("Film megnyitása").
#pragma once

#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace editor {

class TAviKi : public ui::Form {
 public:
  explicit TAviKi(shell::Program& program);

  ui::DriveComboBox DriveComboBox2{*this, "DriveComboBox2", {8, 8, 200, 21}};
  ui::DirectoryListBox DirectoryListBox2{*this, "DirectoryListBox2", {8, 34, 200, 222}};
  ui::FileListBox filelistbox2{*this, "filelistbox2", {216, 8, 380, 196}};
  ui::FilterComboBox FilterComboBox2{*this, "FilterComboBox2", {216, 208, 380, 21}};
  ui::Edit e11{*this, "e11", {216, 235, 380, 21}};  // name of the chosen file
  ui::Button Bmegnyitas{*this, "Bmegnyitas", {216, 262, 120, 25}};
  ui::Button BopenFilm{*this, "BopenFilm", {216, 262, 120, 25}};
  ui::Button Button1{*this, "Button1", {476, 262, 120, 25}};

 private:
  shell::Program& program_;
};

}  // namespace editor
