#include "files/mentes_maskent.h"

#include "files/export_formats.h"
#include "shell/program.h"

namespace files {

TMentesMaskent::TMentesMaskent(shell::Program& program)
    : Form(program.app, "MentesMaskent"), program_(program) {
  SetCaption("Mentés másként");
  SetBounds(0, 0, 554, 278);
  SetConstraints({.min_width = 554, .max_width = 554, .min_height = 278, .max_height = 278});
  SetBorderIcons({.system_menu = true, .minimize = true, .maximize = false});
  SetPosition(ui::FormPosition::kScreenCenter);
  SetColor(ui::Bgr(31, 107, 152));

  Label1.SetCaption("Dupla kattintás a kiválasztandó formátumra:");
  ui::Font label_font = Label1.GetFont();
  label_font.size = 16;
  label_font.color = ui::Bgr(183, 208, 200);
  Label1.SetFont(label_font);

  for (const ExportFormat& format : ExportFormats()) {
    Lista.AddItem(format.caption, 0);
  }

  Button1.SetCaption("<<< Vissza");

  Created();
}

}  // namespace files
