// The detailed search window `TReszletesK`, shown beside the editor (not modally).
#pragma once

#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace editor {

class TReszletesK : public ui::Form {
 public:
  explicit TReszletesK(shell::Program& program);

  ui::Edit ERkereses{*this, "ERkereses", {8, 8, 250, 21}};
  ui::CheckBox cbkisnagy{*this, "cbkisnagy", {8, 36, 250, 17}};
  ui::CheckBox cbteljes{*this, "cbteljes", {8, 56, 250, 17}};
  ui::CheckBox cbvissza{*this, "cbvissza", {8, 76, 250, 17}};
  ui::CheckBox CBsortores2{*this, "CBsortores2", {8, 96, 250, 17}};
  ui::Button Bkeresok{*this, "Bkeresok", {8, 124, 100, 25}};
  ui::Button Button1{*this, "Button1", {116, 124, 100, 25}};

  // Every activation takes the editor's search text and focuses the search box.
  void FormActivate();
  // "Keresés": the next (or, backwards, the previous) row holding the text becomes the
  // editor's current row; from the first or last row the search starts with that row.
  void BkeresokClick();
  // Enter in any control searches, Esc closes the window.
  void BkeresokKeyPress(char& key);
  // "<<< Vissza".
  void Button1Click();

 private:
  void WireSearch();

  shell::Program& program_;
};

}  // namespace editor
