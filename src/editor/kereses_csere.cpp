#include "editor/kereses_csere.h"

#include "shell/program.h"

namespace editor {

TKeresesCsere::TKeresesCsere(shell::Program& program)
    : Form(program.app, "KeresesCsere"), program_(program) {
  SetCaption("Keresés és csere");
  SetBounds(0, 0, 364, 262);
  SetPosition(ui::FormPosition::kScreenCenter);
  SetCloseBox(false);

  Label1.SetCaption("Keresendő szöveg:");
  Label2.SetCaption("Mire legyen módosítva:");
  CBknb.SetCaption("Kis- és nagybetű megkülönböztetése");
  CBelsok.SetCaption("A ker. szöveg 1. kar.-e az adott sor 1. karaktere");
  Bkskereses.SetCaption("Keresés");
  Bcsere.SetCaption("Csere");
  Bcsere.SetEnabled(false);  // enabled by a found row
  Bosszes.SetCaption("Összes találat cseréje");
  Blistaa.SetCaption("Lista");
  Blistaa.SetEnabled(false);  // enabled by a replace-all
  Button2.SetCaption("Ugrás az első sorra");
  Button4.SetCaption("Vissza");
  merce.SetVisible(false);
  WireCommands();
  Created();
}

}  // namespace editor
