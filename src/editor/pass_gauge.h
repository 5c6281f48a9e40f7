// The progress gauge of a pass over many rows.
#pragma once

#include "editor/rules/retime_rules.h"
#include "platform/ui/ui.h"

namespace editor {

// Shows the gauge at 0 and steps it at most once per hundredth of the rows the pass expects
// (GaugePosition). Hiding it is the pass's own business.
class PassGauge {
 public:
  PassGauge(ui::Gauge& gauge, int expected) : gauge_(gauge), expected_(expected) {
    gauge_.SetProgress(0);
    gauge_.SetVisible(true);
  }
  PassGauge(const PassGauge&) = delete;
  PassGauge& operator=(const PassGauge&) = delete;

  void RowDone() {
    ++processed_;
    const int position = GaugePosition(processed_, expected_);
    if (position != gauge_.Progress())
      gauge_.SetProgress(position);
  }

 private:
  ui::Gauge& gauge_;
  int expected_ = 0;
  int processed_ = 0;
};

}  // namespace editor
