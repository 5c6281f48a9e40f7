#include "editor/avi_ki.h"

#include "shell/program.h"

namespace editor {

TAviKi::TAviKi(shell::Program& program) : Form(program.app, "AviKi"), program_(program) {
  SetCaption("Fps érték kinyerése Avi file-ból");
  SetBounds(0, 0, 613, 322);
  SetConstraints({.min_width = 613, .max_width = 613, .min_height = 322, .max_height = 322});
  SetPosition(ui::FormPosition::kScreenCenter);

  DriveComboBox2.SetDirList(&DirectoryListBox2);
  DirectoryListBox2.SetFileList(&filelistbox2);
  FilterComboBox2.SetFileList(&filelistbox2);
  FilterComboBox2.SetFilter("Feliratok (*.avi,*.dat)|*.avi;*.dat");

  Bmegnyitas.SetCaption("FPS kinyerése");
  Bmegnyitas.SetEnabled(false);
  BopenFilm.SetCaption("Film megnyitása");
  BopenFilm.SetVisible(false);  // shown only in film mode of the full build
  Button1.SetCaption("<<< Vissza");
  Created();
}

}  // namespace editor
