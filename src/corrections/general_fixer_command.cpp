// "Ö": the general fixer over the editor's rows.
#include "corrections/commands.h"
#include "corrections/correction_frame.h"
#include "corrections/rules/general_fixer.h"
#include "editor/felirat.h"
#include "shell/hibaki.h"
#include "shell/program.h"

namespace corrections {

namespace {

void FixCurrentRow(CorrectionRows& rows) {
  WorkingText working{.text = rows.Text(), .row = rows.Row(), .list = &rows.List()};
  RunFixerTurn(working);
  rows.findings += working.findings;
  if (working.row_deleted)
    rows.DeleteRow();
  else if (working.changed)
    rows.StoreText(working.text);
}

}  // namespace

void RunGeneralFixer(editor::TFelirat& editor, shell::Program& program, std::uint8_t show) {
  RunCorrectionFrame(editor, program,
                     FrameRun{.choices = kGeneralFixerFrame, .show = show, .turn = FixCurrentRow});
}

void ShowChangeList(editor::TFelirat& editor, shell::Program& program) {
  shell::THibaki& list = *program.Hibaki;
  list.SetCaption(shell::kChangeResultCaption);
  list.SetLabelsVisible(false);
  list.ShowReport();
  editor.racs.SetFocus();
}

}  // namespace corrections
