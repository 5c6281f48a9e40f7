// The window `TTorlesTobb`: deletes a range of rows of the editor.
//
// It opens on the editor's current row and proposes that row and the next as the range; the
// rows typed are checked (1 <= first <= last <= row count) before anything is deleted.
#pragma once

#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace editor {

class TTorlesTobb : public ui::Form {
 public:
  explicit TTorlesTobb(shell::Program& program);

  ui::Label Label1{*this, "Label1", {8, 8, 0, 0}};
  ui::Label Label2{*this, "Label2", {8, 34, 0, 0}};
  ui::SpinEdit SPelso{*this, "SPelso", {140, 30, 70, 21}};  // first row to delete
  ui::Label Label3{*this, "Label3", {8, 62, 0, 0}};
  ui::SpinEdit SPutso{*this, "SPutso", {140, 58, 70, 21}};  // last row to delete
  ui::Button Btorles{*this, "Btorles", {8, 92, 90, 25}};
  ui::Button Button1{*this, "Button1", {104, 92, 100, 25}};

  // Proposes the editor's current row and the row after it (the last two rows on the last row).
  void FormActivate();
  // A first row typed: the last row proposed again after it.
  void SPelsoChange();
  // "Törlés": deletes the rows typed, or says why it cannot.
  void BtorlesClick();
  // "<<< Vissza".
  void Button1Click();

 private:
  shell::Program& program_;
};

}  // namespace editor
