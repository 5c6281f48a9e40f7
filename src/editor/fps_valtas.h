// The frame-rate conversion window `TFpsValtas`: scales every start and end value by the
// ratio of a target rate to a source rate.
#pragma once

#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace editor {

class TFpsValtas : public ui::Form {
 public:
  explicit TFpsValtas(shell::Program& program);

  ui::Label Label1{*this, "Label1", {8, 8, 0, 0}};
  ui::ComboBox cb1{*this, "cb1", {8, 30, 100, 21}};    // source rate
  ui::ComboBox cb2{*this, "cb2", {130, 30, 100, 21}};  // target rate, filled from the source list
  ui::Gauge FPSszazalek{*this, "FPSszazalek", {8, 64, 356, 16}};
  ui::Button Button1{*this, "Button1", {8, 92, 100, 25}};
  ui::Button Button2{*this, "Button2", {120, 92, 100, 25}};

  // Activation: both rate boxes and the target list empty, the gauge at 0.
  void FormActivate();
  // A source rate chosen: the target list is every other rate, showing the first.
  void cb1Change();
  // "Végrehajt": every start and end of the editor's rows scaled by target / source; the
  // window closes and the result is reported. Without both rates chosen nothing happens.
  void Button1Click();
  // "<<< Vissza".
  void Button2Click();
  void FormClose(ui::CloseAction& action);

 private:
  void WireHandlers();
  shell::Program& program_;
};

}  // namespace editor
