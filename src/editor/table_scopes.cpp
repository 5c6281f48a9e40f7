#include "editor/table_scopes.h"

#include "editor/felirat.h"
#include "shell/program.h"

namespace editor {

CommandUpdateScope::CommandUpdateScope(TFelirat& editor) : editor_(editor) {
  Raise();
}

CommandUpdateScope::~CommandUpdateScope() {
  Lower();
  editor_.ShowCurrentRowAfterCommand();
}

void CommandUpdateScope::Raise() {
  editor_.program_.state.InternalUpdate = true;
}

void CommandUpdateScope::Lower() {
  editor_.program_.state.InternalUpdate = false;
}

}  // namespace editor
