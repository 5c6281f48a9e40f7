// The editor's search box and the menu items that open the two search windows.
#include <optional>
#include <string>

#include "editor/felirat.h"
#include "editor/kereses_csere.h"
#include "editor/reszletes_k.h"
#include "editor/rules/search_rules.h"
#include "editor/table_scopes.h"
#include "platform/text/text.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/scopes.h"

namespace editor {

namespace field = dataset::subtitle_field;

namespace {

constexpr char kEnterKey = '\r';

}  // namespace

void TFelirat::WireSearch() {
  BMKeres.OnClick = [this] { BMKeresClick(); };
  BMReszker.OnClick = [this] { BKreszletesClick(); };
  Mkercsere.OnClick = [this] { MkercsereClick(); };
  Bkeresok.OnClick = [this] { BkeresokClick(); };
  BKreszletes.OnClick = [this] { BKreszletesClick(); };
  Ekereses.OnKeyPress = [this](char& key) { EkeresesKeyPress(key); };
}

// "Keresés", "Részletes keresés", "Keresés és csere", the search box's "Ok"; Enter in the
// search box `Ekereses` searches.
void TFelirat::BMKeresClick() {
  Ekereses.SetFocus();
}

void TFelirat::BKreszletesClick() {
  program_.ReszletesK->Show();
}

void TFelirat::MkercsereClick() {
  TKeresesCsere& window = *program_.KeresesCsere;
  window.Bcsere.SetEnabled(false);
  window.Emit.SetText("");
  window.Emire.SetText("");
  window.ShowModal();
}

void TFelirat::EkeresesKeyPress(char& key) {
  if (key != kEnterKey)
    return;
  key = 0;
  BkeresokClick();
}

void TFelirat::BkeresokClick() {
  const std::string search = Ekereses.Text();
  if (search.empty())
    return;
  const bool ignore_breaks = CBsortores.Checked();
  if (ignore_breaks && search.find('|') != std::string::npos) {
    shell::Inform(program_, "Figyelmeztetés",
                  "Ha be van kapcsolva a \"Sortörés figyelmen kívül hagyása\"",
                  "akkor nem használhatja ezt a jelet: \"|\"");
    return;
  }
  bool found = false;
  {
    std::optional<shell::ControlsOffScope> controls_off(cds);
    CommandUpdateScope update(*this);
    const int start = cds.RecNo();
    if (start >= 1 && start < cds.RecordCount()) {
      cds.Next();
      for (; !cds.Eof(); cds.Next()) {
        if (EditorSearchPos(cds.Value(field::kSzoveg), search, ignore_breaks) > 0) {
          found = true;
          break;
        }
      }
    }
    if (!found) {
      if (start >= 1)
        cds.SetRecNo(start);
      controls_off.reset();
      shell::Inform(program_, "Információ", "Nincs (több) ilyen: ", search);
    }
  }
  LoadRowIntoEditor();
  if (found && CBugras.Checked()) {
    const MemoSelection selection =
        EditorSearchSelection(cds.Value(field::kSzoveg), search, ignore_breaks);
    szoveg.SetFocus();
    szoveg.SetSelStart(selection.start);
    szoveg.SetSelLength(selection.length);
  }
}

}  // namespace editor
