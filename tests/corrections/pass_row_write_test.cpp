// The pass's row write leaves the editor as SetRowText1(text, editor::RowWrite::kEdit) leaves it,
// once the frame has shown the counters.
#include "corrections/pass_row_write.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/row_command_rig.h"

namespace {

using editor::testing::Row;
using editor::testing::RowCommandRig;
namespace field = dataset::subtitle_field;

struct WriteCase {
  std::string name;
  std::string before;  // row 2's text
  std::string text;    // written into row 2
  bool max2 = false;
  bool controls_off = true;
  int letter_limit = 38;
};

std::vector<WriteCase> WriteCases() {
  const std::string long_line(45, 'a');
  return {
      {"NoFlagChanges", "Jó napot", "Jó estét"},
      {"BecomesLong", "Rövid", long_line},
      {"StopsBeingLong", long_line, "Rövid"},
      {"GainsAThirdLine", "a|b", "a|b|c"},
      {"LosesItsThirdLineAndItsLength", long_line + "|b|c", "a|b"},
      {"LeadingBreaksKept", "x", "||Két sortörés"},
      {"LeadingBreaksDropped", "x", "||Két sortörés", true},
      {"CutToTheField", "x", std::string(230, 'b') + "|c|d", false},
      {"AnotherLetterLimit", "x", std::string(20, 'c'), false, true, 12},
      {"ControlsOn", "Rövid", long_line, false, false},
      {"Emptied", long_line + "|b|c", ""},
  };
}

struct EditorState {
  std::vector<std::string> cells;
  int long_count = 0;
  int many_count = 0;
  std::string captions;
  std::array<std::uint8_t, 5> line_lengths{};
  int sel_start = 0;
  int sel_length = 0;
  bool save_enabled = false;
  int rec_no = 0;
  dataset::TableState table_state = dataset::TableState::kInactive;
};

EditorState Write(const WriteCase& c, bool pass_write) {
  RowCommandRig rig("Time", {Row{"00:00:01,000", "00:00:02,000", "Első"},
                             Row{"00:00:03,000", "00:00:04,000", c.before}});
  editor::TFelirat& f = rig.editor();
  f.Max2.SetChecked(c.max2);
  f.SEbetu.SetValue(c.letter_limit);
  rig.table().SetRecNo(2);
  f.szoveg.SetSelStart(1);
  f.szoveg.SetSelLength(2);
  if (c.controls_off)
    rig.table().DisableControls();
  if (pass_write)
    corrections::StorePassRowText(f, c.text);
  else
    f.SetRowText1(c.text, editor::RowWrite::kEdit);
  EditorState s;
  s.sel_start = f.szoveg.SelStart();
  s.sel_length = f.szoveg.SelLength();
  if (c.controls_off)
    rig.table().EnableControls();
  f.ShowFlagCounters();
  for (int row = 1; row <= rig.table().RecordCount(); ++row) {
    for (int i = 0; i < rig.table().FieldCount(); ++i)
      s.cells.push_back(rig.table().CellText(row, i));
  }
  s.long_count = rig.program.state.LongLineRowCount;
  s.many_count = rig.program.state.ManyLineRowCount;
  s.captions = f.Lbetu.Caption() + f.Lsor.Caption();
  s.line_lengths = rig.program.state.LineLengths;
  s.save_enabled = f.Bmentes.Enabled() && f.Mentes1.Enabled();
  s.rec_no = rig.table().RecNo();
  s.table_state = rig.table().State();
  return s;
}

TEST(PassRowWrite, LeavesTheEditorAsSetRowText1) {
  for (const WriteCase& c : WriteCases()) {
    SCOPED_TRACE(c.name);
    const EditorState expected = Write(c, false);
    const EditorState written = Write(c, true);
    EXPECT_EQ(written.cells, expected.cells);
    EXPECT_EQ(written.long_count, expected.long_count);
    EXPECT_EQ(written.many_count, expected.many_count);
    EXPECT_EQ(written.captions, expected.captions);
    EXPECT_EQ(written.line_lengths, expected.line_lengths);
    EXPECT_EQ(written.sel_start, expected.sel_start);
    EXPECT_EQ(written.sel_length, expected.sel_length);
    EXPECT_EQ(written.save_enabled, expected.save_enabled);
    EXPECT_EQ(written.rec_no, expected.rec_no);
    EXPECT_EQ(written.table_state, expected.table_state);
  }
}

}  // namespace
