// Raise/restore pairs of the row commands, so that every way out of a command puts them back.
#pragma once

#include "platform/dataset/row_table.h"
#include "shell/state.h"

namespace editor {

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

// InternalUpdate is raised at once and lowered when the command is over (or earlier, with
// Lower(), before the command's last post so that the post reloads the panel). Unlike
// shell::InternalUpdateGuard it does not put back a raised flag it found: the row commands
// leave InternalUpdate lowered.
class CommandUpdateScope {
 public:
  explicit CommandUpdateScope(shell::SharedState& state) : state_(state) {
    state_.InternalUpdate = true;
  }
  ~CommandUpdateScope() { state_.InternalUpdate = false; }
  CommandUpdateScope(const CommandUpdateScope&) = delete;
  CommandUpdateScope& operator=(const CommandUpdateScope&) = delete;

  void Raise() { state_.InternalUpdate = true; }
  void Lower() { state_.InternalUpdate = false; }

 private:
  shell::SharedState& state_;
};

}  // namespace editor
