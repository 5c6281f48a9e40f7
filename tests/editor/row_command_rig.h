// A shown editor holding a few rows, for the tests of the row commands, the row flags and the
// grid.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/felirat.h"
#include "shell/kiszoveg.h"
#include "shell/rig.h"

namespace editor::testing {

namespace field = dataset::subtitle_field;

struct Row {
  std::string start;
  std::string end;
  std::string text;
  std::string text2 = {};
};

struct RowCommandRig : shell::testing::Rig {
  explicit RowCommandRig(std::string_view time_base, std::vector<Row> rows = {},
                         shell::ProgramOptions options = {})
      : Rig(1280, 1024, std::move(options)) {
    TFelirat& f = editor();
    f.cds.CreateDataSet();
    f.beosztas.SetItemIndex(f.beosztas.IndexOf(time_base));
    f.SetTimeBaseLimits(time_base);
    {
      shell::InternalUpdateGuard guard(program.state);
      for (const Row& row : rows) {
        f.AppendRow();
        f.cds.SetValue(field::kKezdes, row.start);
        f.cds.SetValue(field::kBefejezes, row.end);
        f.cds.SetValue(field::kSzoveg2, row.text2);
        f.SetRowText1(row.text, editor::RowWrite::kInEditState);
      }
      f.cds.First();
    }
    f.szoveg.SetEnabled(true);
    f.kezdes.SetEnabled(true);
    f.befejezes.SetEnabled(true);
    f.Bmentes.SetEnabled(false);
    f.Mentes1.SetEnabled(false);
    f.Show();
    f.LoadRowIntoEditor();
    driver.ClearLog();
  }

  TFelirat& editor() { return *program.Felirat; }
  dataset::RowTable& table() { return editor().cds; }

  // The next message window is answered with this button.
  void Answer(ui::BitBtn shell::TKiszoveg::*button) {
    driver.OnModal("Kiszoveg", [this, button] { driver.Click(program.Kiszoveg.get()->*button); });
  }
  void AnswerOk() { Answer(&shell::TKiszoveg::Bok); }

  std::vector<std::string> Column(int field_index) {
    std::vector<std::string> values;
    for (int row = 1; row <= table().RecordCount(); ++row)
      values.emplace_back(table().Cell(row, field_index));
    return values;
  }
  std::vector<std::string> Messages() const { return driver.LogLines("message: "); }
};

}  // namespace editor::testing
