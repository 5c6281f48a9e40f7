// The editor's export command "Felirat konvertálása".
#include "editor/felirat.h"
#include "files/mentes_maskent.h"
#include "shell/program.h"

namespace editor {

// "Felirat konvertálása" (Ctrl+Shift+S): the export window, modally; always enabled.
void TFelirat::Feliratmentsemsknt1Click() {
  program_.MentesMaskent->ShowModal();
}

void TFelirat::WireExportCommand() {
  Feliratmentsemsknt1.OnClick = [this] { Feliratmentsemsknt1Click(); };
}

}  // namespace editor
