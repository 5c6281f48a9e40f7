// The overlap window `TAtfedes`: checks (and repairs) overlapping and too-short rows of
// the editor's subtitle.
#pragma once

#include "corrections/reporting.h"
#include "corrections/rules/timing_checks.h"
#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace corrections {

class TAtfedes : public ui::Form {
 public:
  explicit TAtfedes(shell::Program& program);

  ui::RadioButton RbCsak{*this, "RbCsak", {8, 8, 150, 17}};
  ui::CheckBox CBhiba{*this, "CBhiba", {170, 8, 200, 17}};
  ui::RadioButton RBV{*this, "RBV", {8, 28, 150, 17}};
  ui::Label Label1{*this, "Label1", {170, 30, 0, 0}};
  ui::CheckBox CB5{*this, "CB5", {8, 52, 300, 17}};
  ui::CheckBox CBstat{*this, "CBstat", {8, 72, 300, 17}};
  ui::Button Stat{*this, "Stat", {8, 100, 90, 25}};
  ui::Button Blista{*this, "Blista", {104, 100, 90, 25}};
  ui::Button Binditas{*this, "Binditas", {200, 100, 90, 25}};
  ui::Button Button2{*this, "Button2", {296, 100, 90, 25}};
  ui::Gauge FszazalekAF{*this, "FszazalekAF", {8, 134, 378, 16}};

  // The overlap check over the editor's rows, with its result message or silent.
  void RunOverlapCheck(Reporting show);
  // The options as the window's boxes stand.
  OverlapOptions Options() const;

  void BinditasClick();
  void Button2Click();
  void FormActivate();
  void BlistaClick();
  void CBhibaClick();
  void StatClick();
  // Checking "Csak vizsgálat" unchecks the stretch to half a second.
  void RbCsakClick();
  // Esc closes; F1 check only, F2 repair with the stretch, F3 repair without it.
  void RbCsakKeyDown(ui::Key& key, ui::ShiftState shift);
  // Checks "Csak vizsgálat" as its click does.
  void CheckOnlyMode();

  // The statistics of the last check made with `CBstat` checked.
  DurationStatistics statistics;

 private:
  shell::Program& program_;
};

}  // namespace corrections
