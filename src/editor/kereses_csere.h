// The search-and-replace window `TKeresesCsere` (modal): finds the next row, replaces in
// the current row, or replaces every occurrence in every row.
#pragma once

#include <string_view>

#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace editor {

class TKeresesCsere : public ui::Form {
 public:
  explicit TKeresesCsere(shell::Program& program);

  ui::Label Label1{*this, "Label1", {8, 8, 0, 0}};
  ui::Edit Emit{*this, "Emit", {8, 24, 340, 21}};
  ui::Label Label2{*this, "Label2", {8, 52, 0, 0}};
  ui::Edit Emire{*this, "Emire", {8, 68, 340, 21}};
  ui::CheckBox CBknb{*this, "CBknb", {8, 98, 340, 17}};
  ui::CheckBox CBelsok{*this, "CBelsok", {8, 118, 340, 17}};
  ui::Button Bkskereses{*this, "Bkskereses", {8, 144, 90, 25}};
  ui::Button Bcsere{*this, "Bcsere", {104, 144, 90, 25}};
  ui::Button Bosszes{*this, "Bosszes", {200, 144, 148, 25}};
  ui::Button Blistaa{*this, "Blistaa", {8, 176, 90, 25}};
  ui::Button Button2{*this, "Button2", {104, 176, 148, 25}};
  ui::Button Button4{*this, "Button4", {258, 176, 90, 25}};
  ui::Gauge merce{*this, "merce", {8, 208, 340, 16}};

  // Shown: "Lista" disabled. Activated: focus to the search text.
  void FormShow();
  void FormActivate();
  // Enter in the search text goes to the replacement, Enter there to "Keresés"; Esc closes.
  void EmitKeyPress(char& key);
  void EmireKeyPress(char& key);
  // Esc on any button closes the window.
  void BkskeresesKeyPress(char& key);
  // "Keresés": the next row holding the search text becomes current and "Csere" is enabled.
  void BkskeresesClick();
  // "Csere": the first occurrence in the current row is replaced (case always ignored).
  void BcsereClick();
  // "Összes találat cseréje": replaces in every row, one result-list entry per replacement.
  void BosszesClick();
  // "Lista": the entries of the last replace-all.
  void BlistaaClick();
  // "Ugrás az első sorra".
  void Button2Click();
  // "Vissza".
  void Button4Click();
  // Closing repaints the editor's grid and gives it the focus.
  void FormClose(ui::CloseAction& action);

 private:
  void WireCommands();
  // Replaces in the editor's current row until its scope says stop; returns the count.
  int ReplaceAllInCurrentRow(std::string_view search, std::string_view replacement,
                             bool case_sensitive);

  shell::Program& program_;
};

}  // namespace editor
