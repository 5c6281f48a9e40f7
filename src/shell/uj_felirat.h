// The new-subtitle window `TUjFelirat`: a time-based or a frame-based new subtitle.
//
// The start window has set OpenMode "uj" and hidden itself before it shows this window
// modally. Choosing a kind closes this window and shows the editor modally from inside the
// button's handler, so the close handler runs once the editor returns; "Vissza" and Escape
// go back to the start window with StartState "be2". Any other way out (the close box)
// leaves StartState "ki", which ends the program.
#pragma once

#include <string_view>

#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace shell {

class TUjFelirat : public ui::Form {
 public:
  explicit TUjFelirat(shell::Program& program);

  ui::Label Label1{*this, "Label1", {16, 12}};
  ui::Button Button1{*this, "Button1", {16, 40, 210, 33}};
  ui::Button Button2{*this, "Button2", {240, 40, 210, 33}};
  ui::Button Button3{*this, "Button3", {176, 84, 115, 30}};

 private:
  void FormCreate();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  // Shared by the window and its three buttons: Escape goes back to the start window.
  void FormKeyPress(char& ch);
  void FormClose(ui::CloseAction& action);

  // Closes this window and shows the editor modally with the time base "Time" or "Frame".
  void StartEditor(std::string_view time_base);

  shell::Program& program_;
};

// Disables the editor's row controls (and empties the difference box) before a new
// time-based subtitle (TFelirat::DisableRowControlsForNewSubtitle); the editor's activation
// for a new subtitle enables them again.
void DisableEditorRowControls(Program& program);

}  // namespace shell
