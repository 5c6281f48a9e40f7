#include "files/ertek2cd.h"

#include "shell/program.h"

namespace files {

TErtek2cd::TErtek2cd(shell::Program& program) : Form(program.app, "Ertek2cd"), program_(program) {
  SetCaption("Kezdő érték és a File nevének megadása");
  SetBounds(0, 0, 600, 230);
  SetCloseBox(false);
  SetPosition(ui::FormPosition::kScreenCenter);

  Label1.SetCaption("A 2.cd kezdő értéke milyen értékkel szerepeljen az 1. cd-ben:");
  Label3.SetCaption(
      "(Ha pl. az 1.cd utolsó értéke:01:00:00,000 akkor a 2.cd kezdő értéke lehet: "
      "01:00:01,000)");
  Edit2.SetMaxLength(12);
  Edit4.SetVisible(false);
  Label4.SetCaption("Kérem adja meg a keletkező file nevét:");
  Btalloz.SetCaption("Tallozás");
  B2ervenyesit.SetCaption("Érvényesít");
  B2ervenyesit.SetEnabled(false);
  Button2.SetCaption("<<< Vissza");

  Created();
}

}  // namespace files
