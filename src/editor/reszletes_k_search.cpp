// The detailed search of `TReszletesK`.
#include <initializer_list>
#include <optional>
#include <string>

#include "editor/felirat.h"
#include "editor/reszletes_k.h"
#include "editor/rules/search_rules.h"
#include "editor/table_scopes.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/scopes.h"

namespace editor {

namespace field = dataset::subtitle_field;

void TReszletesK::WireSearch() {
  OnActivate = [this] { FormActivate(); };
  Bkeresok.OnClick = [this] { BkeresokClick(); };
  Button1.OnClick = [this] { Button1Click(); };
  for (ui::Control* control : std::initializer_list<ui::Control*>{
           &ERkereses, &cbkisnagy, &cbteljes, &cbvissza, &CBsortores2, &Bkeresok, &Button1}) {
    control->OnKeyPress = [this](char& key) { BkeresokKeyPress(key); };
  }
}

void TReszletesK::FormActivate() {
  ERkereses.SetText(program_.Felirat->Ekereses.Text());
  ERkereses.SetFocus();
}

void TReszletesK::BkeresokKeyPress(char& key) {
  if (key == '\r') {
    key = 0;
    BkeresokClick();
  } else if (key == '\x1b') {
    key = 0;
    Close();
  }
}

void TReszletesK::Button1Click() {
  Close();
}

void TReszletesK::BkeresokClick() {
  TFelirat& editor = *program_.Felirat;
  dataset::RowTable& table = editor.cds;
  const std::string search = ERkereses.Text();
  const bool backwards = cbvissza.Checked();
  const DetailedSearchOptions options{.case_sensitive = cbkisnagy.Checked(),
                                      .whole_word = cbteljes.Checked(),
                                      .ignore_breaks = CBsortores2.Checked()};
  {
    std::optional<shell::ControlsOffScope> controls_off(table);
    CommandUpdateScope update(editor);
    const int start = table.RecNo();
    bool found = false;
    if (start >= 1) {
      auto step = [&] { backwards ? table.Prior() : table.Next(); };
      // At the first (backwards) or last row the move does not happen and that row is tested.
      step();
      while (true) {
        if (DetailedSearchMatches(table.Value(field::kSzoveg), search, options)) {
          found = true;
          break;
        }
        const int before = table.RecNo();
        step();
        if (table.RecNo() == before)
          break;
      }
    }
    if (!found) {
      if (start >= 1)
        table.SetRecNo(start);
      controls_off.reset();
      shell::Inform(program_, "Információ", "Nincs (több) ilyen: ", search);
    }
  }
  editor.LoadRowIntoEditor();
}

}  // namespace editor
