// Row commands on times and position: "G", the divisions "1-2", "2-2", "2-1", the jump box.
#include <string>

#include "editor/felirat.h"
#include "editor/rules/row_command_rules.h"
#include "editor/table_scopes.h"
#include "shell/program.h"
#include "shell/scopes.h"
#include "timecode/key_filters.h"

namespace editor {

namespace field = dataset::subtitle_field;

namespace {

constexpr char kEnter = '\r';

}  // namespace

void TFelirat::WireRowTiming() {
  Bvegelso.OnClick = [this] { BvegelsoClick(); };
  B12.OnClick = [this] { B12Click(); };
  B22.OnClick = [this] { B22Click(); };
  B21.OnClick = [this] { B21Click(); };
  Eugras.OnKeyPress = [this](char& key) { EugrasKeyPress(key); };
  Bugras.OnClick = [this] { BugrasClick(); };
}

// "G" (the next row starts where the current one ends) and "1-2", "2-2", "2-1" (the
// previous row's span divided with the current row).
void TFelirat::BvegelsoClick() {
  // The last row has no next row to take its end.
  if (cds.IsEmpty() || cds.RecNo() >= cds.RecordCount())
    return;
  const std::string end = cds.Value(field::kBefejezes);
  cds.Next();
  cds.Edit();
  cds.SetValue(field::kKezdes, end);
  cds.Post();
  MarkModified();
  racs.SetFocus();
}

void TFelirat::DividePreviousRowTime(int part, int parts) {
  // Row 1 has no previous row to divide.
  if (cds.RecNo() < 2) {
    ShowRowCommandInfo("Figyelmeztetés", "Csak a 2. sortól lehet ilyen műveletet végrehajtani!");
    return;
  }
  {
    CommandUpdateScope update(*this);
    cds.Prior();
    const std::string cut =
        DividedTime(cds.Value(field::kKezdes), cds.Value(field::kBefejezes), part, parts);
    cds.Edit();
    cds.SetValue(field::kBefejezes, cut);
    cds.Post();
    cds.Next();
    cds.Edit();
    cds.SetValue(field::kKezdes, cut);
    update.Lower();
    cds.Post();
  }
  MarkModified();
  racs.SetFocus();
}

void TFelirat::B12Click() {
  DividePreviousRowTime(1, 3);
}

void TFelirat::B22Click() {
  DividePreviousRowTime(1, 2);
}

void TFelirat::B21Click() {
  DividePreviousRowTime(2, 3);
}

// The jump box: Enter or "Ok" goes to the row typed.
void TFelirat::EugrasKeyPress(char& key) {
  if (key == kEnter) {
    key = 0;
    BugrasClick();
    return;
  }
  key = timecode::DigitKeyFilter(key);
}

void TFelirat::BugrasClick() {
  const int target = JumpTarget(Eugras.Text(), cds.RecordCount());
  if (target == 0)
    return;
  {
    shell::ControlsOffScope controls_off(cds);
    cds.SetRecNo(target);
  }
  racs.SetFocus();
}

}  // namespace editor
