// The `rows` word "split ROW START": the split half of the two-part panel as the user drives it.
// The panel is switched to "X CD -> X CD" / "1 CD -> 2 CD", ROW is picked in the grid, START is
// typed as part 2's start and "Végrehajtás" (BvegrehajtClick) is pressed when it is enabled.
#include <optional>
#include <string>

#include "editor/felirat.h"
#include "formats/document_path.h"
#include "formats/split.h"
#include "platform/text/text.h"
#include "probe/probe.h"
#include "shell/program.h"
#include "timecode/time_base.h"

namespace probe {

bool RunSplitWord(shell::Program& program, std::span<const std::string> arguments, std::size_t& i,
                  Output& parts, std::string& error) {
  if (i + 2 >= arguments.size()) {
    error = "split needs ROW and START";
    return false;
  }
  const std::optional<int32_t> row = text::TryStrToInt(arguments[i + 1]);
  if (!row) {
    error = "split takes a row number";
    return false;
  }
  const std::string& start = arguments[i + 2];
  i += 2;

  editor::TFelirat& f = *program.Felirat;
  // Setting a radio button runs its click handler, as the user's click does.
  if (!f.RB12.Checked())
    f.RB12.SetChecked(true);
  if (!f.RB12cd1.Checked() && f.RB12cd1.Enabled())
    f.RB12cd1.SetChecked(true);
  // The grid click: a change of row offers the row through the row change, a click on the
  // current row offers it itself.
  if (f.cds.Active() && f.cds.RecNo() != *row)
    f.cds.SetRecNo(*row);
  else
    f.racsCellClick(0);
  if (f.E4kezdouj.Enabled())
    f.E4kezdouj.SetText(start);
  if (f.Bvegrehajt.Enabled())
    f.BvegrehajtClick();

  const std::optional<files::SplitTargets> targets =
      files::SplitTargetsOf(program.state.CurrentFilePath, f.Efilenev.Text(),
                            f.beosztas.Text() == timecode::kTimeBaseTime);
  if (!targets) {
    parts.push_back("parts: none (no file name)");
    return true;
  }
  parts.push_back("part 1: " + files::TextOfPath(targets->path1));
  parts.push_back("part 2: " + files::TextOfPath(targets->path2));
  return true;
}

}  // namespace probe
