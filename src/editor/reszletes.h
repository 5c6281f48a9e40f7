// The detailed shift window `TReszletes`: shifts the start values, the end values or both
// by an amount, from the editor's current row upwards or downwards, for every row in that
// direction or up to a given row.
#pragma once

#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace editor {

class TReszletes : public ui::Form {
 public:
  explicit TReszletes(shell::Program& program);

  // The current row, for information.
  ui::Label Label1{*this, "Label1", {8, 8, 0, 0}};
  ui::Edit Edit4{*this, "Edit4", {8, 26, 90, 21}};
  ui::Edit Edit5{*this, "Edit5", {104, 26, 90, 21}};
  ui::Edit Edit6{*this, "Edit6", {200, 26, 200, 21}};

  // Sign and amount.
  ui::ComboBox CbPMR{*this, "CbPMR", {8, 60, 40, 21}};
  ui::Edit Emodositas2{*this, "Emodositas2", {52, 60, 100, 21}};
  ui::Button Bmodok{*this, "Bmodok", {160, 58, 90, 25}};
  ui::Gauge szazalek{*this, "szazalek", {8, 92, 392, 16}};

  // Conditions: direction and range.
  ui::Label Label2{*this, "Label2", {8, 116, 0, 0}};
  ui::GroupBox GBirany{*this, "GBirany", {8, 134, 190, 64}};
  ui::RadioButton Felfele{GBirany, "Felfele", {8, 16, 170, 17}};
  ui::RadioButton Lefele{GBirany, "Lefele", {8, 38, 170, 17}};
  ui::GroupBox GBmeddig{*this, "GBmeddig", {206, 134, 194, 64}};
  ui::RadioButton RB3{GBmeddig, "RB3", {8, 16, 110, 17}};
  ui::RadioButton RB4{GBmeddig, "RB4", {8, 38, 100, 17}};
  ui::Edit Edit2{GBmeddig, "Edit2", {110, 36, 60, 21}};

  // Which values change.
  ui::GroupBox GBertek{*this, "GBertek", {8, 204, 392, 50}};
  ui::CheckBox cbKezdo{GBertek, "cbKezdo", {8, 22, 120, 17}};
  ui::CheckBox cbBefejezo{GBertek, "cbBefejezo", {150, 22, 120, 17}};

  // The editor's time base when the window was activated.
  ui::Edit Edit3{*this, "Edit3", {300, 266, 60, 21}};
  ui::Button Button1{*this, "Button1", {8, 266, 100, 25}};

  // Activation: the gauge hidden, downwards over every row, the editor's time base and its
  // current row shown, the focus on the sign box.
  void FormActivate();
  // The direction radios put the range back to "Az összeset".
  void FelfeleClick();
  void LefeleClick();
  // "Az összeset" empties and disables the row box; "Eddig a sorig:" enables and focuses it.
  void RB3Click();
  void RB4Click();
  void Edit2KeyPress(char& key);
  // Enter moves on to "Módosítás"; other keys are filtered for the time base.
  void Emodositas2KeyPress(char& key);
  // "Módosítás" is enabled while a value to change is ticked.
  void cbKezdoClick();
  // "Módosítás": the detailed shift; the editor is shown again and the window closes, or,
  // refused, the window stays open with its messages shown.
  void BmodokClick();
  // "<<< Vissza": the editor is shown again and the window closes.
  void Button1Click();

 private:
  void WireHandlers();
  void ResetRange();
  shell::Program& program_;
};

}  // namespace editor
