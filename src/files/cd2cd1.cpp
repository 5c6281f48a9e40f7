#include "files/cd2cd1.h"

#include "shell/program.h"

namespace files {

TCd2cd1::TCd2cd1(shell::Program& program) : Form(program.app, "Cd2cd1"), program_(program) {
  SetCaption("File-ok kiválasztása");
  SetBounds(0, 0, 560, 480);
  SetCloseBox(false);
  SetPosition(ui::FormPosition::kScreenCenter);

  Label3.SetCaption("Dupla kattintással válassza ki a file-okat:");
  DriveComboBox1.SetDirList(&DirectoryListBox1);
  DirectoryListBox1.SetFileList(&filelistbox);
  filelistbox.SetMask("*.srt");
  FilterComboBox1.SetFileList(&filelistbox);
  FilterComboBox1.SetFilter("Srt (*.srt)|*.srt|Sub (*.sub)|*.sub");

  Label1.SetCaption("Az első file:");
  Label2.SetCaption("A második file:");
  Bervenyesit.SetCaption("Érvényesítés");
  Bervenyesit.SetEnabled(false);
  Button2.SetCaption("<<< Vissza");

  Created();
}

}  // namespace files
