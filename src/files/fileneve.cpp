#include "files/fileneve.h"

#include "shell/program.h"

namespace files {

TFileneve::TFileneve(shell::Program& program) : Form(program.app, "Fileneve"), program_(program) {
  SetCaption("File nevének megadása");
  SetBounds(0, 0, 557, 424);
  SetConstraints({.min_width = 557, .max_width = 557, .min_height = 424, .max_height = 424});
  SetPosition(ui::FormPosition::kScreenCenter);

  DriveComboBox1.SetDirList(&dlb);
  dlb.SetFileList(&flb);
  flb.SetMask("*.srt;*.sub");
  fcb.SetFileList(&flb);
  fcb.SetFilter("All files (*.srt;*.sub)|*.srt;*.sub");

  Bok.SetCaption("Ok");
  Bok.SetEnabled(false);
  Button1.SetCaption("<<< Vissza");

  Created();
}

}  // namespace files
