// The clean-up commands over the editor's rows: dialogue dashes, blanks after punctuation,
// short rows joined, l to I, accents, lower case, empty rows, line halving and blanks before
// marks.
#include "corrections/clean_up_commands.h"
#include "corrections/correction_frame.h"
#include "corrections/rules/clean_up.h"
#include "editor/felirat.h"
#include "platform/text/text.h"
#include "shell/message_box.h"
#include "shell/program.h"

namespace corrections {

namespace {

using RowRule = void (*)(WorkingText&);

// Runs `rule` (anything callable on a WorkingText&) on the current row's text and stores the
// result when the rule changed it.
template <typename Rule>
void ApplyToCurrentRow(CorrectionRows& rows, Rule&& rule) {
  WorkingText working{.text = rows.Text(), .row = rows.Row(), .list = &rows.List()};
  rule(working);
  rows.findings += working.findings;
  if (working.changed)
    rows.StoreText(working.text);
}

void RunRule(editor::TFelirat& editor, shell::Program& program, const FrameChoices& choices,
             Reporting show, RowRule rule) {
  RunCorrectionFrame(
      editor, program,
      FrameRun{.choices = choices, .show = show, .turn = [rule](CorrectionRows& rows) {
                 ApplyToCurrentRow(rows, rule);
               }});
}

void ShowDone(shell::Program& program) {
  shell::Inform(program, "Eredmény", "Kész!");
}

// The empty-row walk: an empty row goes with its entry and its follower is looked at next.
void DeleteEmptyRows(CorrectionRows& rows) {
  dataset::RowTable& table = rows.Table();
  int index = 1;
  while (index <= table.RecordCount()) {
    table.SetRecNo(index);
    if (!rows.Text().empty()) {
      ++index;
      continue;
    }
    rows.List().push_back("");
    rows.List().push_back("Sor száma: " + text::IntToStr(index) + "      Érték: " + rows.Start() +
                          "-->" + rows.End());
    rows.List().push_back("Üres sor miatt: sor törlése");
    rows.DeleteRow();
    ++rows.findings;
  }
}

void ReportDialogueDashes(shell::Program& program, const DialogueDashCounts& totals) {
  if (totals.dashes > 0 || totals.moves > 0) {
    shell::Inform(
        program, "Eredmény",
        "Ennyit találtam: " + text::IntToStr(totals.dashes) + "+" + text::IntToStr(totals.moves),
        "További információt a \"Lista\" gomb alatt találsz!");
  } else {
    ShowStandardReport(program, 0);
  }
}

}  // namespace

void RunDialogueDashes(editor::TFelirat& editor, shell::Program& program, Reporting show) {
  DialogueDashCounts totals;
  const auto fix_dashes = [&totals](WorkingText& working) {
    const DialogueDashCounts counts = FixDialogueDashes(working);
    totals.dashes += counts.dashes;
    totals.moves += counts.moves;
  };
  FrameChoices choices = kDialogueDashFrame;
  choices.row_count = RowCountTaken::kEachTurn;
  RunCorrectionFrame(
      editor, program,
      FrameRun{.choices = choices,
               .show = show,
               .turn = [&](CorrectionRows& rows) { ApplyToCurrentRow(rows, fix_dashes); },
               .own_report = [&](CorrectionRows&) { ReportDialogueDashes(program, totals); }});
}

void RunBlankAfterPunctuation(editor::TFelirat& editor, shell::Program& program, Reporting show) {
  RunRule(editor, program, kBlankAfterPunctuationFrame, show, InsertBlanksAfterPunctuation);
}

void RunJoinShortRows(editor::TFelirat& editor, shell::Program& program, Reporting show) {
  RunRule(editor, program, kJoinShortRowsFrame, show, JoinShortRow);
}

void RunLowerLToCapitalI(editor::TFelirat& editor, shell::Program& program) {
  RunRule(editor, program, kLowerLToCapitalIFrame, kShowReport, LowerLToCapitalI);
}

void RunAccentRemoval(editor::TFelirat& editor, shell::Program& program) {
  RunCorrectionFrame(
      editor, program,
      FrameRun{.choices = kAccentRemovalFrame,
               .turn = [](CorrectionRows& rows) { ApplyToCurrentRow(rows, RemoveAccents); },
               .own_report = [&](CorrectionRows&) { ShowDone(program); }});
}

void RunLowerCase(editor::TFelirat& editor, shell::Program& program) {
  RunCorrectionFrame(
      editor, program,
      FrameRun{.choices = kLowerCaseFrame,
               .turn = [](CorrectionRows& rows) { ApplyToCurrentRow(rows, LowerAllLetters); },
               .own_report = [&](CorrectionRows&) { ShowDone(program); }});
}

void RunEmptyRowDeletion(editor::TFelirat& editor, shell::Program& program) {
  FrameChoices choices = kEmptyRowDeletionFrame;
  choices.pass = PassShape::kPendingAction;
  RunCorrectionFrame(
      editor, program,
      FrameRun{
          .choices = choices, .turn = DeleteEmptyRows, .own_report = [&](CorrectionRows& rows) {
            shell::Inform(program, "Eredmény",
                          rows.findings > 0
                              ? "Ennyi üres sort töröltem: " + text::IntToStr(rows.findings)
                              : std::string("Nem volt üres sor!"));
          }});
}

void RunLineHalving(editor::TFelirat& editor, shell::Program& program) {
  RunRule(editor, program, kLineHalvingFrame, kShowReport, HalveLine);
}

void RunBlanksBeforeMarks(editor::TFelirat& editor, shell::Program& program) {
  RunRule(editor, program, kBlanksBeforeMarksFrame, kShowReport, RemoveBlanksBeforeMarks);
}

}  // namespace corrections
