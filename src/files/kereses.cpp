#include "files/kereses.h"

#include "shell/program.h"

namespace files {

TKereses::TKereses(shell::Program& program) : Form(program.app, "Kereses"), program_(program) {
  SetCaption("Felirat megnyitása");
  SetBounds(0, 0, 580, 539);
  SetConstraints({.min_width = 580, .max_width = 580, .min_height = 539, .max_height = 539});
  SetBorderIcons({.system_menu = false, .minimize = false, .maximize = false});
  SetStayOnTop(true);
  SetPosition(ui::FormPosition::kScreenCenter);

  DriveComboBox1.SetDirList(&DirectoryListBox1);
  DirectoryListBox1.SetFileList(&filelistbox);
  filelistbox.SetMask("*.srt;*.sub");
  FilterComboBox1.SetFileList(&filelistbox);
  FilterComboBox1.SetFilter("Feliratok (*.srt,*.sub)|*.srt;*.sub");

  e1.SetReadOnly(true);
  megnyitas.SetCaption("Megnyitás");
  megnyitas.SetEnabled(false);
  Button1.SetCaption("<<< Vissza");

  WireHandlers();
  Created();
}

}  // namespace files
