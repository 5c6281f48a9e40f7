#include <array>
#include <string_view>

#include "platform/ui/headless/driver.h"
#include "probe/probe.h"

namespace probe {

std::span<const Operation> Operations() {
  static constexpr std::array kOperations{
      Operation{"read", "read FILE [--second FILE2] [--fps RATE] [--limit N]", RunRead},
      Operation{"save", "save FILE OUT [--second FILE2 OUT2]", RunSave},
      Operation{"export", "export FILE \"ENTRY CAPTION\" OUT [--fps RATE]", RunExport},
      Operation{"rows", kRowsUsage, RunRows},
      Operation{"join", kJoinUsage, RunJoinParts},
      Operation{"translate", kTranslateUsage, RunTranslate},
  };
  return kOperations;
}

void AppendShownWindows(const ui::headless::Driver& driver, Output& output) {
  for (const std::string& line : driver.Log()) {
    const std::string_view shown = line;
    if (shown.starts_with("message: ") || shown.starts_with("list: ") || shown == "|" ||
        shown.starts_with("| ")) {
      output.push_back(line);
    }
  }
}

}  // namespace probe
