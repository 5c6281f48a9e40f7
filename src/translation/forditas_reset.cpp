// The translation window's state as the start window leaves it before showing the window.
#include "platform/ui/enable.h"
#include "shell/start.h"
#include "translation/forditas.h"

namespace translation {

using ui::Disable;

void TForditas::ResetForNewTranslation() {
  Disable(Esave, Fsave, Esorbe, Fsorbe, EsorDel, FsorDel, EkerE, EkerF, BkerE, BkerF);
  EkerE.SetText("");
  EkerF.SetText("");
  Efe.SetText("");
  Eff.SetText("");
  cdsE.CreateDataSet();
  cdsE.EmptyDataSet();
  cdsF.CreateDataSet();
  cdsF.EmptyDataSet();
  Edit4.Hide();
  Edit5.Hide();
  Edit6.Hide();
  Disable(Pem, Pfm, Pmm, Kef, kff);
}

void TForditas::EnableLayoutMenus(const shell::LayoutMenuStates& menus) {
  felbonts11.SetEnabled(menus.forditas800);
  felbonts22.SetEnabled(menus.forditas1024);
}

}  // namespace translation
