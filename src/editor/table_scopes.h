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

class TFelirat;

// InternalUpdate is raised at once and lowered when the command is over (or earlier, with
// Lower(), before the command's last post so that the post reloads the panel). Unlike
// shell::InternalUpdateGuard it does not put back a raised flag it found: the row commands
// leave InternalUpdate lowered.
//
// The table's notifications do not reload the row panel while the flag is raised, so a
// command that moved the cursor or rebuilt the rows would leave the panel on a row that is
// no longer current, and the next key typed into the text box would be written into the
// current row. When the scope ends the panel is therefore filled again from the current row,
// unless the table's controls are still off: the last EnableControls does it then.
class CommandUpdateScope {
 public:
  explicit CommandUpdateScope(TFelirat& editor);
  ~CommandUpdateScope();
  CommandUpdateScope(const CommandUpdateScope&) = delete;
  CommandUpdateScope& operator=(const CommandUpdateScope&) = delete;

  void Raise();
  void Lower();

 private:
  TFelirat& editor_;
};

}  // namespace editor
