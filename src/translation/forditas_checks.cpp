// The translation window's row checks ("E", "Felirat ellenőrzése") and the busy state that a
// check or a save of a side runs in.
#include <string>
#include <vector>

#include "shell/message_box.h"
#include "shell/program.h"
#include "translation/forditas.h"
#include "translation/rows/side_write.h"
#include "translation/side_busy.h"

namespace translation {

namespace field = dataset::translation_field;

BusySide::BusySide(dataset::RowTable& table, ui::Gauge& gauge, shell::SharedState& state,
                   int return_to)
    : table_(table), return_to_(return_to) {
  controls_off_.emplace(table_);
  gauge_.emplace(gauge);
  internal_.emplace(state);
}

void BusySide::End() {
  if (ended_)
    return;
  ended_ = true;
  controls_off_.reset();
  gauge_->End();
  table_.SetRecNo(return_to_);
  internal_.reset();
}

rows::Progress BusySide::GaugeSteps(std::size_t row_count) {
  const std::size_t step = row_count / 100;
  if (step == 0)
    return {};
  shell::GaugeScope* gauge = &*gauge_;
  return
      [gauge, step](std::size_t counter) { gauge->SetPosition(static_cast<int>(counter / step)); };
}

std::vector<rows::Row> RowsOfSide(const dataset::RowTable& table) {
  std::vector<rows::Row> rows;
  rows.reserve(static_cast<std::size_t>(table.RecordCount()));
  for (int row = 1; row <= table.RecordCount(); ++row) {
    rows.push_back({std::string(table.Cell(row, field::kKezdes)),
                    std::string(table.Cell(row, field::kBefejezes)),
                    std::string(table.Cell(row, field::kSzoveg))});
  }
  return rows;
}

BusySide TForditas::BeginBusyE() {
  return BusySide(cdsE, EEszazalek, program_.state, SavedRecNo);
}

BusySide TForditas::BeginBusyF() {
  return BusySide(cdsF, EFszazalek, program_.state, SavedRecNo);
}

bool TForditas::EEllenorzes(BusySide& busy, CheckReport report) {
  return CheckSide(Side::kSource, busy, report);
}

bool TForditas::FEllenorzes(BusySide& busy, CheckReport report) {
  return CheckSide(Side::kTranslation, busy, report);
}

bool TForditas::CheckSide(Side side, BusySide& busy, CheckReport report) {
  const bool source = side == Side::kSource;
  dataset::RowTable& table = source ? cdsE : cdsF;
  // A row still being edited or inserted is settled first (posted when written, else dropped),
  // so that the rows checked and then written are the table's rows, none left out.
  table.SetRecNo(table.RecNo());
  const std::vector<rows::Row> rows = RowsOfSide(table);
  rows::SideCheck check =
      rows::CheckSideRows(rows, (source ? EEfm : EFfm).Text(), busy.GaugeSteps(rows.size()));
  if (!check.ok) {
    // The cursor is back where the check began before the failing row's message shows.
    busy.End();
    if (check.notice)
      shell::ShowNotice(program_, *check.notice);
  }
  if (report == CheckReport::kShown) {
    busy.End();
    if (!source && TranslationLoaded) {
      for (ui::Edit* editor : {&Edit4, &Edit5, &Edit6})
        editor->Show();
    }
    if (check.ok) {
      shell::Inform(program_, "Ellenőrzés", "Mindent rendben találtam!");
    }
  }
  return check.ok;
}

// A side that holds no loaded or built rows has nothing to check.
void TForditas::BEellClick() {
  if (!SourceLoaded)
    return;
  SavedRecNo = cdsE.RecNo();
  BusySide busy = BeginBusyE();
  EEllenorzes(busy, CheckReport::kShown);
}

void TForditas::BFellClick() {
  if (!TranslationLoaded)
    return;
  SavedRecNo = cdsF.RecNo();
  BusySide busy = BeginBusyF();
  FEllenorzes(busy, CheckReport::kShown);
}

}  // namespace translation
