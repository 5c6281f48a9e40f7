#include "corrections/atfedes.h"

#include "shell/program.h"

namespace corrections {

TAtfedes::TAtfedes(shell::Program& program) : Form(program.app, "Atfedes"), program_(program) {
  SetCaption("Felirat átfedésének vizsgálata");
  SetBounds(0, 0, 400, 190);
  SetPosition(ui::FormPosition::kScreenCenter);
  SetBorderIcons({.system_menu = false, .minimize = false, .maximize = false});

  RbCsak.SetCaption("Csak vizsgálat");
  RbCsak.SetChecked(true);
  RBV.SetCaption("Vizsgálat+javítás");
  CBhiba.SetCaption("Csak hiba kiírása");
  Label1.SetCaption("/átfedés esetén 0,001 mp hozzáadása /");
  CB5.SetCaption("0,5 mp alatti 0,5 mp legyen");
  CBstat.SetCaption("0,5 másodperc alatti statisztika készítése");
  CBstat.SetChecked(true);
  Stat.SetCaption("Statisztika");
  Stat.SetEnabled(false);
  Blista.SetCaption("Lista");
  Binditas.SetCaption("Indítás");
  Button2.SetCaption("Vissza");
  FszazalekAF.SetVisible(false);
  Created();
}

}  // namespace corrections
