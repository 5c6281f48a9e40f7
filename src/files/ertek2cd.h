// The start-value window `TErtek2cd` of the join: the value the second part is to start at,
// and the name of the joined file.
#pragma once

#include "formats/document_path.h"
#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace files {

class TErtek2cd : public ui::Form {
 public:
  explicit TErtek2cd(shell::Program& program);

  ui::Label Label1{*this, "Label1", {8, 8}};
  ui::Label Label3{*this, "Label3", {8, 26}};
  // The start value of the second part (a time code or a frame number).
  ui::Edit Edit2{*this, "Edit2", {8, 48, 100, 21}};
  // The time base of the two parts, "Time" or "Frame".
  ui::Edit Edit4{*this, "Edit4", {120, 48, 60, 21}};
  ui::Label Label4{*this, "Label4", {8, 84}};
  // Full path of the joined file.
  ui::Edit E2cdfilenev{*this, "E2cdfilenev", {8, 102, 480, 21}};
  ui::Button Btalloz{*this, "Btalloz", {496, 100, 90, 25}};
  ui::Button B2ervenyesit{*this, "B2ervenyesit", {8, 150, 150, 33}};
  ui::Button Button2{*this, "Button2", {436, 150, 150, 33}};

  // The joined file as the file-name window gave it; E2cdfilenev shows it.
  ShownPath JoinTarget;

  void FormActivate();
  void Edit2Change();
  void Edit2KeyPress(char& ch);
  void E2cdfilenevClick();
  void BtallozClick();
  void B2ervenyesitClick();
  void Button2Click();

 private:
  void WireHandlers();

  shell::Program& program_;
};

}  // namespace files
