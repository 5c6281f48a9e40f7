#include "editor/reszletes.h"

#include "shell/program.h"

namespace editor {

TReszletes::TReszletes(shell::Program& program)
    : Form(program.app, "Reszletes"), program_(program) {
  SetCaption("Részletes módosítás");
  SetBounds(0, 0, 416, 330);
  SetPosition(ui::FormPosition::kScreenCenter);
  SetBorderIcons({.system_menu = true, .minimize = true, .maximize = false});
  SetCloseBox(false);

  Label1.SetCaption("Aktuális pont:");
  CbPMR.SetItems({"+", "-"});
  CbPMR.SetItemIndex(0);
  Emodositas2.SetMaxLength(12);
  Emodositas2.SetText("0");
  Bmodok.SetCaption("Módosítás");
  szazalek.SetVisible(false);

  Label2.SetCaption("Módosítás feltételei az aktuális ponttól:");
  Felfele.SetCaption("Felfele (pl.10-0)");
  Lefele.SetCaption("Lefele(pl.10-100)");
  Lefele.SetChecked(true);
  RB3.SetCaption("Az összeset");
  RB3.SetChecked(true);
  RB4.SetCaption("Eddig a sorig:");
  Edit2.SetMaxLength(5);
  Edit2.SetEnabled(false);

  GBertek.SetCaption("Melyik értéket változtassam meg:");
  cbKezdo.SetCaption("Kezdő érték");
  cbKezdo.SetChecked(true);
  cbBefejezo.SetCaption("Befejező érték");
  cbBefejezo.SetChecked(true);

  Edit3.SetVisible(false);
  Button1.SetCaption("<<< Vissza");
  Created();
}

}  // namespace editor
