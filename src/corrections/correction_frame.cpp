#include "corrections/correction_frame.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "corrections/pass_row_write.h"
#include "editor/felirat.h"
#include "editor/table_scopes.h"
#include "platform/text/text.h"
#include "shell/hibaki.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/scopes.h"

namespace corrections {

namespace field = dataset::subtitle_field;

CorrectionRows::CorrectionRows(editor::TFelirat& editor) : editor_(editor) {}

dataset::RowTable& CorrectionRows::Table() {
  return editor_.cds;
}

int CorrectionRows::Row() const {
  return editor_.cds.RecNo();
}

std::string CorrectionRows::Text() const {
  return editor_.cds.Value(field::kSzoveg);
}

std::string CorrectionRows::Start() const {
  return editor_.cds.Value(field::kKezdes);
}

std::string CorrectionRows::End() const {
  return editor_.cds.Value(field::kBefejezes);
}

void CorrectionRows::StoreText(std::string_view text, const RowTextStore& store) {
  // The frame shows the flag counters once the pass is over.
  if (store.edit_first && !store.lower_internal_update && store.full_flag_update)
    StorePassRowText(editor_, text);
  else
    editor_.SetRowText1(text, store);
  MarkModified();
}

void CorrectionRows::DeleteRow() {
  if (editor_.cds.IsEmpty())
    return;
  StoreText("");
  editor_.cds.Delete();
}

void CorrectionRows::MarkModified() {
  editor_.MarkModified();
}

int CorrectionRows::LetterLimit() const {
  return editor_.LetterLimit();
}

namespace {

void RunRerunPass(CorrectionRows& rows, const FrameRun& run) {
  dataset::RowTable& table = rows.Table();
  int index = 1;
  int turns_on_row = 0;
  std::string before;  // one buffer for every turn's text
  while (index <= table.RecordCount()) {
    table.SetRecNo(index);
    const int count_before = table.RecordCount();
    before.assign(table.Cell(index, field::kSzoveg));
    run.turn(rows);
    if (table.RecordCount() < count_before) {
      // The row went: the one that followed it is handled from its first turn.
      turns_on_row = 0;
      continue;
    }
    // Only a turn that left a different text in the row is followed by another one, and a
    // row that keeps changing is given up after the turn limit.
    if (table.Cell(index, field::kSzoveg) != before && ++turns_on_row < kRerunTurnLimit)
      continue;
    turns_on_row = 0;
    ++index;
  }
}

// `gauge`, when the pass shows one, expects the rows counted at the start.
void RunSinglePass(CorrectionRows& rows, const FrameRun& run, shell::GaugeScope* gauge) {
  dataset::RowTable& table = rows.Table();
  const int count_at_start = table.RecordCount();
  for (int turn = 1;
       turn <=
       (run.choices.row_count == RowCountTaken::kAtStart ? count_at_start : table.RecordCount());
       ++turn) {
    run.turn(rows);
    if (gauge)
      gauge->RowDone();
    table.Next();
  }
}

}  // namespace

int RunCorrectionFrame(editor::TFelirat& editor, shell::Program& program, const FrameRun& run) {
  CorrectionRows rows(editor);
  dataset::RowTable& table = editor.cds;
  shell::THibaki& list = *program.Hibaki;
  {
    const int remembered = table.RecNo();
    shell::ControlsOffScope controls_off(table);
    editor::CommandUpdateScope update(editor);
    std::optional<ChangeListScope> change_list(std::in_place, list.LBhiba, rows.List(),
                                               run.choices.empties_list);

    table.First();
    std::optional<shell::GaugeScope> gauge;
    if (run.choices.gauge)
      gauge.emplace(editor.Fszazalek, table.RecordCount());
    switch (run.choices.pass) {
      case PassShape::kRerun:
        RunRerunPass(rows, run);
        break;
      case PassShape::kSingle:
        RunSinglePass(rows, run, gauge ? &*gauge : nullptr);
        break;
      case PassShape::kPendingAction:
        run.turn(rows);
        break;
    }
    gauge.reset();
    change_list.reset();
    update.Lower();
    if (remembered >= 1) {
      const int restored = run.choices.restore == RowRestore::kLastRowLimit
                               ? std::min(remembered, table.RecordCount())
                               : remembered;
      table.SetRecNo(restored);
    }
  }
  editor.ShowFlagCounters();
  if (rows.findings > 0)
    rows.MarkModified();
  if (run.show == kShowReport) {
    if (run.choices.report == FrameReport::kStandard)
      ShowStandardReport(program, rows.findings);
    else if (run.choices.report == FrameReport::kOwn && run.own_report)
      run.own_report(rows);
  }
  if (run.choices.focus_to_grid)
    editor.racs.SetFocus();
  return rows.findings;
}

ChangeListScope::ChangeListScope(ui::ListBox& list_box, ChangeList& list, bool empties_list)
    : list_box_(list_box), list_(list) {
  list_ = list_box_.TakeItems();
  if (empties_list)
    list_.resize(0);
}

ChangeListScope::~ChangeListScope() {
  list_box_.SetItems(std::move(list_));
}

void ShowStandardReport(shell::Program& program, int findings) {
  if (findings != 0) {
    shell::Inform(program, "Eredmény", "Ennyit találtam: " + text::IntToStr(findings),
                  "További információt a \"Lista\" gomb alatt találsz!");
  } else {
    shell::Inform(program, "Eredmény", "Nem találtam módosítandó sort!");
  }
}

}  // namespace corrections
