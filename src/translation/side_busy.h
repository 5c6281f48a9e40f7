// The busy state of one side of the translation window while its rows are checked or written:
// the grid does not follow the table, the side's gauge shows the progress and InternalUpdate
// keeps the data-change handlers quiet. The scope ends it exactly once: at End() or, on any
// other way out, when it goes out of scope.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/dataset/row_table.h"
#include "platform/ui/ui.h"
#include "shell/scopes.h"
#include "shell/state.h"
#include "translation/rows/side_parse.h"

namespace translation {

class BusySide {
 public:
  // Begins the busy state; its end moves the side's cursor to `return_to`.
  BusySide(dataset::RowTable& table, ui::Gauge& gauge, shell::SharedState& state, int return_to);
  ~BusySide() { End(); }
  BusySide(const BusySide&) = delete;
  BusySide& operator=(const BusySide&) = delete;

  // Grid updates on, gauge hidden, the cursor back on its row, InternalUpdate lowered. Only
  // the first call does anything.
  void End();
  bool Ended() const { return ended_; }

  // Moves the gauge once per hundredth of `row_count` rows (not at all below 100 rows).
  rows::Progress GaugeSteps(std::size_t row_count);

 private:
  dataset::RowTable& table_;
  int return_to_;
  // Begun in this order and ended in this order.
  std::optional<shell::ControlsOffScope> controls_off_;
  std::optional<shell::GaugeScope> gauge_;
  std::optional<shell::InternalUpdateEndsLowered> internal_;
  bool ended_ = false;
};

// The rows of a side's table, in table order, read without moving its cursor.
std::vector<rows::Row> RowsOfSide(const dataset::RowTable& table);

}  // namespace translation
