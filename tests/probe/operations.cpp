#include <array>
#include <string_view>

#include "editor/felirat.h"
#include "platform/text/text.h"
#include "platform/ui/headless/driver.h"
#include "probe/probe.h"
#include "shell/program.h"

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

void AppendEditorRows(shell::Program& program, Output& output) {
  namespace field = dataset::subtitle_field;
  const editor::TFelirat& editor = *program.Felirat;
  output.push_back("timebase: " + editor.beosztas.Text());
  const dataset::RowTable& table = editor.cds;
  for (int row = 1; row <= table.RecordCount(); ++row) {
    std::string line = "row " + text::IntToStr(row) + ":";
    for (int column : {field::kKezdes, field::kBefejezes, field::kSzoveg, field::kSzoveg2,
                       field::kSor3, field::kBetu38}) {
      line += column == field::kKezdes ? ' ' : '\t';
      line += table.Cell(row, column);
    }
    output.push_back(std::move(line));
  }
}

void AppendCounters(const shell::Program& program, Output& output) {
  const shell::SharedState& state = program.state;
  output.push_back("counters: long=" + text::IntToStr(state.LongLineRowCount) +
                   " many=" + text::IntToStr(state.ManyLineRowCount) +
                   " second=" + text::IntToStr(state.SecondTextRowCount));
}

}  // namespace probe
