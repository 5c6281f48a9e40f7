// "Ö": the general fixer over the editor's rows.
#include <string>
#include <utility>

#include "corrections/commands.h"
#include "corrections/correction_frame.h"
#include "corrections/rules/general_fixer.h"
#include "editor/felirat.h"
#include "shell/hibaki.h"
#include "shell/program.h"

namespace corrections {

namespace {

// `buffer` lends its storage to every turn's working text.
void FixCurrentRow(CorrectionRows& rows, std::string& buffer) {
  WorkingText working{.text = std::move(buffer), .row = rows.Row(), .list = &rows.List()};
  working.text.assign(rows.Table().Cell(working.row, dataset::subtitle_field::kSzoveg));
  RunFixerTurn(working);
  rows.findings += working.findings;
  if (working.row_deleted)
    rows.DeleteRow();
  else if (working.changed)
    rows.StoreText(working.text);
  buffer = std::move(working.text);
}

}  // namespace

void RunGeneralFixer(editor::TFelirat& editor, shell::Program& program, Reporting show) {
  std::string buffer;
  RunCorrectionFrame(
      editor, program,
      FrameRun{.choices = kGeneralFixerFrame,
               .show = show,
               .turn = [&buffer](CorrectionRows& rows) { FixCurrentRow(rows, buffer); }});
}

void ShowChangeList(editor::TFelirat& editor, shell::Program& program) {
  shell::THibaki& list = *program.Hibaki;
  list.SetCaption(shell::kChangeResultCaption);
  list.SetLabelsVisible(false);
  list.ShowReport();
  editor.racs.SetFocus();
}

}  // namespace corrections
