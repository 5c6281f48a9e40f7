// The editor's correction commands, each run inside the correction frame
// (corrections/correction_frame.h). The editor's handlers call these.
#pragma once

#include "corrections/reporting.h"

namespace editor {
class TFelirat;
}
namespace shell {
class Program;
}

namespace corrections {

// "Ö" (`BOsszesN`): the general fixer's rules over every row, re-running a changed row.
void RunGeneralFixer(editor::TFelirat& editor, shell::Program& program, Reporting show);

// "Agresszív sortörés" (`BagresszivN`): every row with an over-long line or three lines is
// brought within the letter limit, re-broken in place or split into two or three rows.
void RunAggressiveBreaking(editor::TFelirat& editor, shell::Program& program, Reporting show);

// "4 soros sorok megtörése": every row of four lines becomes two rows of two lines. The
// build without the film player reports how many rows it split.
void RunFourLineBreaking(editor::TFelirat& editor, shell::Program& program);

// "Lista" (F5): the change list of the last correction, modally; the focus then goes back to
// the grid.
void ShowChangeList(editor::TFelirat& editor, shell::Program& program);

}  // namespace corrections
