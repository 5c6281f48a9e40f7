#include "shell/scopes.h"

#include "editor/rules/retime_rules.h"

namespace shell {

GaugeScope::GaugeScope(ui::Gauge& gauge, int expected_rows, AtEnd at_end)
    : gauge_(gauge), expected_(expected_rows), at_end_(at_end) {
  gauge_.SetProgress(0);
  gauge_.SetVisible(true);
}

void GaugeScope::RowDone() {
  ++processed_;
  SetPosition(editor::GaugePosition(processed_, expected_));
}

void GaugeScope::SetPosition(int position) {
  if (position != gauge_.Progress())
    gauge_.SetProgress(position);
}

void GaugeScope::End() {
  if (ended_)
    return;
  ended_ = true;
  if (at_end_ == AtEnd::kStaysShown)
    return;
  gauge_.SetProgress(0);
  gauge_.SetVisible(false);
}

}  // namespace shell
