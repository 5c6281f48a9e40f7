#include "editor/torles_tobb.h"

#include <algorithm>
#include <limits>

#include "editor/felirat.h"
#include "editor/rules/row_command_rules.h"
#include "platform/text/text.h"
#include "shell/message_box.h"
#include "shell/program.h"

namespace editor {

TTorlesTobb::TTorlesTobb(shell::Program& program)
    : Form(program.app, "TorlesTobb"), program_(program) {
  SetCaption("Több sor törlése");
  SetBounds(0, 0, 260, 160);
  SetPosition(ui::FormPosition::kScreenCenter);

  Label1.SetCaption("Kérem adja meg a törlendő sorok adatait:");
  Label2.SetCaption("Kezdő sor:");
  SPelso.SetMaxLength(5);
  Label3.SetCaption("Utolsó törlendő sor:");
  Btorles.SetCaption("Törlés");
  Button1.SetCaption("<<< Vissza");

  OnActivate = [this] { FormActivate(); };
  SPelso.OnChange = [this] { SPelsoChange(); };
  Btorles.OnClick = [this] { BtorlesClick(); };
  Button1.OnClick = [this] { Button1Click(); };
  Created();
}

void TTorlesTobb::FormActivate() {
  const dataset::RowTable& table = program_.Felirat->cds;
  const int rows = table.RecordCount();
  const int current = table.RecNo();
  const bool on_last = current == rows;
  // The first row is held below the last one, but never below row 1.
  SPelso.SetMaxValue(std::max(1, rows - 1));
  SPelso.SetValue(current);
  SPutso.SetMinValue(on_last ? rows - 1 : SPelso.Value() + 1);
  SPutso.SetMaxValue(rows);
  SPutso.SetValue(on_last ? current : current + 1);
  SPelso.SetFocus();
}

void TTorlesTobb::SPelsoChange() {
  if (SPelso.Text().empty())
    return;
  const dataset::RowTable& table = program_.Felirat->cds;
  const int rows = table.RecordCount();
  const int current = table.RecNo();
  const int first = SPelso.Value();
  if (first == rows) {
    SPutso.SetMinValue(rows - 1);
    SPutso.SetValue(current);
  } else {
    // A typed first row may be the largest int: the bound after it stops there.
    SPutso.SetMinValue(first == std::numeric_limits<int>::max() ? first : first + 1);
    SPutso.SetValue(current + 1);
  }
}

void TTorlesTobb::BtorlesClick() {
  TFelirat& editor = *program_.Felirat;
  const int rows = editor.cds.RecordCount();
  RowRange range;
  if (!ValidRowRange(SPelso.Text(), SPutso.Text(), rows, range)) {
    shell::ShowError(program_, "Sor törlése", "Hibás sorszám!",
                     "1 <= Kezdő sor <= Utolsó törlendő sor <= " + text::IntToStr(rows));
    SPelso.SetFocus();
    return;
  }
  editor.DeleteRowRange(range.first, range.last);
  // The session ends only once control is back in this window's loop, after the report is
  // answered; the window leaves the screen before the report shows.
  Close();
  Hide();
  shell::Inform(program_, "Sor törlése", "Kész!");
}

void TTorlesTobb::Button1Click() {
  Close();
}

}  // namespace editor
