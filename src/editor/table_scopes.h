// The editor's own raise/restore pair of the row commands, so that every way out of a command
// puts InternalUpdate back and the panel on the current row.
#pragma once

#include "shell/state.h"

namespace editor {

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
