// The join half of the editor's two-part panel: "2 CD -> 1 CD", "File-ok kiválasztása" and its
// "Végrehajtás".
#include "editor/felirat.h"
#include "files/cd2cd1.h"
#include "files/join.h"
#include "shell/program.h"

namespace editor {

void TFelirat::WireJoinPanel() {
  RB12cd1.OnClick = [this] { RB12cd1Click(); };
  RB12cd2.OnClick = [this] { RB12cd2Click(); };
  Bfileki.OnClick = [this] { BfilekiClick(); };
  Bvegre21.OnClick = [this] { Bvegre21Click(); };
}

void TFelirat::RB12cd1Click() {
  Bvegre21.SetEnabled(false);
}

void TFelirat::RB12cd2Click() {
  if (program_.state.InternalUpdate)
    return;
  Bvegre21.SetEnabled(false);
  Label13.SetEnabled(false);
  Bvegrehajt.SetEnabled(false);
  E4kezdo.SetText("");
  E4kezdouj.SetText("");
}

void TFelirat::BfilekiClick() {
  Bvegre21.SetEnabled(false);
  program_.state.OpenMode = shell::open_mode::k22;
  Hide();
  program_.Cd2cd1->ShowModal();
}

void TFelirat::Bvegre21Click() {
  // The join empties the table: a modified subtitle is offered for saving first, and
  // "Mégsem" leaves everything, the ready join included, as it was.
  if (!AskSaveBeforeDiscard(Discard::kReplacing))
    return;
  files::RunJoin(program_);
}

}  // namespace editor
