#include "editor/reszletes_k.h"

#include "shell/program.h"

namespace editor {

TReszletesK::TReszletesK(shell::Program& program)
    : Form(program.app, "ReszletesK"), program_(program) {
  SetCaption("Részletes keresés");
  SetBounds(0, 0, 276, 190);
  SetPosition(ui::FormPosition::kOwnerCenter);
  SetBorderIcons({.system_menu = true, .minimize = true, .maximize = false});
  SetCloseBox(false);

  cbkisnagy.SetCaption("Kis- és nagybetű megkülönböztetése");
  cbteljes.SetCaption("Csak teljes szó");
  cbvissza.SetCaption("Keresés visszafelé");
  CBsortores2.SetCaption("Sortörés figyelmen kívül hagyása");
  Bkeresok.SetCaption("Keresés");
  Button1.SetCaption("<<< Vissza");
  WireSearch();
  Created();
}

}  // namespace editor
