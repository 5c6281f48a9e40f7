// Raise/restore pairs every window uses around a long command: the table's attached controls
// off, and the progress gauge shown for a pass.
#pragma once

#include "platform/dataset/row_table.h"
#include "platform/ui/ui.h"

namespace shell {

// The table's attached controls are off for the lifetime of the scope; the last
// EnableControls repaints the grid and reloads the panel once.
class ControlsOffScope {
 public:
  explicit ControlsOffScope(dataset::RowTable& table) : table_(table) { table_.DisableControls(); }
  ~ControlsOffScope() { table_.EnableControls(); }
  ControlsOffScope(const ControlsOffScope&) = delete;
  ControlsOffScope& operator=(const ControlsOffScope&) = delete;

 private:
  dataset::RowTable& table_;
};

// A pass's progress gauge: shown at 0 while the scope lives, and back at 0 and hidden when it
// ends (at End() or, on any other way out, when it goes out of scope). A gauge that belongs to
// a small window's own face stays shown where the pass left it.
//
// A pass that knows how many rows it expects steps the gauge with RowDone(), at most once per
// hundredth of them; a pass that counts in its own way moves it with SetPosition().
class GaugeScope {
 public:
  enum class AtEnd { kHidden, kStaysShown };

  explicit GaugeScope(ui::Gauge& gauge, int expected_rows = 0, AtEnd at_end = AtEnd::kHidden);
  ~GaugeScope() { End(); }
  GaugeScope(const GaugeScope&) = delete;
  GaugeScope& operator=(const GaugeScope&) = delete;

  void RowDone();
  void SetPosition(int position);
  // Only the first call does anything.
  void End();

 private:
  ui::Gauge& gauge_;
  int expected_ = 0;
  AtEnd at_end_;
  int processed_ = 0;
  bool ended_ = false;
};

}  // namespace shell
