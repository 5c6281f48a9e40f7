#include "corrections/time_base_only.h"

#include <string_view>

#include "editor/felirat.h"
#include "shell/message_box.h"
#include "timecode/time_base.h"

namespace corrections {

namespace {

constexpr std::string_view kTimeBaseOnly = "Ez a művelet csak \"Time\" beosztásban használható!";

}  // namespace

bool InFrameBase(const editor::TFelirat& editor) {
  return editor.TimeBase() == timecode::kTimeBaseFrame;
}

void RefuseInFrameBase(shell::Program& program) {
  shell::ShowError(program, "Eredmény", kTimeBaseOnly);
}

}  // namespace corrections
