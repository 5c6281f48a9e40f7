// InternalUpdate raised for a command of the translation window, and lowered when it ends
// whatever it was found at (shell::InternalUpdateGuard puts back what it found instead).
//
// The window's commands rely on the lowering: after a load, a check, a save, a store from a line
// editor or a typing hand-over the tables' data-change coupling is live again, also when the flag
// was left raised by an earlier window. And a typing hand-over started inside a store (the
// table's Edit starts it) lowers the flag before the store's post, so that the post shows the
// stored row in the source side's editors and drags the translation along.
#pragma once

#include "shell/state.h"

namespace translation {

class InternalUpdateEndsLowered {
 public:
  explicit InternalUpdateEndsLowered(shell::SharedState& state) : state_(state) {
    state_.InternalUpdate = true;
  }
  ~InternalUpdateEndsLowered() { state_.InternalUpdate = false; }
  InternalUpdateEndsLowered(const InternalUpdateEndsLowered&) = delete;
  InternalUpdateEndsLowered& operator=(const InternalUpdateEndsLowered&) = delete;

 private:
  shell::SharedState& state_;
};

}  // namespace translation
