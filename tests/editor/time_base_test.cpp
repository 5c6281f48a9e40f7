// The Frame/Time switch, the shift of all rows, the detailed shift window and the frame-rate
// conversion window, driven through the editor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/fps_valtas.h"
#include "editor/reszletes.h"
#include "row_command_rig.h"

namespace editor {
namespace {

using testing::Row;
using testing::RowCommandRig;
using Strings = std::vector<std::string>;
namespace field = dataset::subtitle_field;

const std::string kZeroShift = "message: Felhívás | 0-val nem lenne értelme módosítani! |";

// An editor whose values are in `base`, as a load leaves it, with the switch enabled.
struct TimeBaseRig : RowCommandRig {
  explicit TimeBaseRig(std::string_view base, std::vector<Row> rows = {})
      : RowCommandRig(base, std::move(rows)) {
    program.state.CurrentTimeBase = std::string(base);
    editor().beosztas.SetEnabled(true);
    editor().Batvaltas.SetEnabled(true);
    editor().Breszletes.SetEnabled(true);
    editor().cbFps.SetItemIndex(editor().cbFps.IndexOf("25"));
  }
  void Choose(std::string_view base) {
    driver.Choose(editor().beosztas, editor().beosztas.IndexOf(base));
  }
  void Shift(std::string_view sign, std::string_view amount) {
    editor().CbPM.SetItemIndex(editor().CbPM.IndexOf(sign));
    editor().Emodositas.SetText(amount);
    driver.Click(editor().Bmodok);
  }
  bool Modified() { return editor().Bmentes.Enabled() && editor().Mentes1.Enabled(); }
};

std::vector<Row> FrameRows(int count) {
  std::vector<Row> rows;
  for (int i = 1; i <= count; ++i)
    rows.push_back({std::to_string(i * 100), std::to_string(i * 100 + 50), "t"});
  return rows;
}

// ---- The Frame/Time switch -------------------------------------------------------------------

TEST(TimeBaseSwitch, TimeToFrameConvertsAndDisablesTimeCommands) {
  TimeBaseRig rig("Time", {{"00:00:01,000", "00:00:00,039", "a"}, {"", "", "b"}});
  rig.editor().cds.SetRecNo(2);
  rig.Choose("Frame");
  TFelirat& f = rig.editor();
  EXPECT_EQ(rig.Column(field::kKezdes), (Strings{"25", "0"}));
  EXPECT_EQ(rig.Column(field::kBefejezes), (Strings{"0", "0"}));
  EXPECT_EQ(rig.program.state.CurrentTimeBase, "Frame");
  EXPECT_EQ(f.cds.RecNo(), 1);
  EXPECT_EQ(f.kezdes.Text(), "25");
  EXPECT_EQ(f.Emodositas.Text(), "0");
  EXPECT_EQ(f.kezdes.MaxLength(), 6);
  EXPECT_FALSE(f.B12.Enabled());
  EXPECT_FALSE(f.BAtfedes.Enabled());
  EXPECT_FALSE(f.Cbtobb.Enabled());
  EXPECT_FALSE(f.SEbetu.Enabled());
  EXPECT_FALSE(f.Fszazalek.Visible());
  EXPECT_FALSE(rig.program.state.InternalUpdate);
  EXPECT_FALSE(f.cds.ControlsDisabled());
  EXPECT_TRUE(rig.Modified());
}

TEST(TimeBaseSwitch, FrameToTimeConvertsAndCountsFlagsAfresh) {
  const std::string long_line(40, 'x');
  TimeBaseRig rig("Frame", {{"25", "1", long_line}, {"", "50", "a|b|c"}, {"", "", "ok"}});
  // Counters gone astray in Frame base are put right by the switch.
  rig.program.state.LongLineRowCount = 7;
  rig.program.state.ManyLineRowCount = 0;
  rig.Choose("Time");
  TFelirat& f = rig.editor();
  EXPECT_EQ(rig.Column(field::kKezdes), (Strings{"00:00:01,000", "00:00:02,000", "00:00:00,000"}));
  EXPECT_EQ(rig.Column(field::kBefejezes),
            (Strings{"00:00:00,040", "00:00:02,000", "00:00:00,000"}));
  EXPECT_EQ(rig.Column(field::kBetu38), (Strings{"t", "", ""}));
  EXPECT_EQ(rig.Column(field::kSor3), (Strings{"", "t", ""}));
  EXPECT_EQ(rig.program.state.LongLineRowCount, 1);
  EXPECT_EQ(rig.program.state.ManyLineRowCount, 1);
  EXPECT_EQ(f.Emodositas.Text(), "00:00:00,000");
  EXPECT_TRUE(f.B12.Enabled());
  EXPECT_TRUE(f.Cbtobb.Enabled());
  EXPECT_FALSE(f.Cbtobb.Checked());
  EXPECT_EQ(rig.program.state.CurrentTimeBase, "Time");
}

TEST(TimeBaseSwitch, SameBaseChangesNothingAndEmptyTableStillSwitches) {
  TimeBaseRig same("Frame", {{"25", "50", "a"}});
  same.editor().beosztas.SetItemIndex(same.editor().beosztas.IndexOf("Frame"));
  same.editor().beosztasChange();
  EXPECT_EQ(same.Column(field::kKezdes), (Strings{"25"}));
  EXPECT_FALSE(same.Modified());

  TimeBaseRig empty("Frame");
  empty.Choose("Time");
  EXPECT_TRUE(empty.Modified());
  EXPECT_EQ(empty.editor().Emodositas.Text(), "00:00:00,000");
  EXPECT_EQ(empty.editor().kezdes.MaxLength(), 12);
}

TEST(TimeBaseSwitch, ChooseOnlyBoxesTakeNoTyping) {
  TimeBaseRig rig("Frame", {{"25", "50", "a"}});
  TFelirat& f = rig.editor();
  for (ui::ComboBox* box : {&f.beosztas, &f.cbFps, &f.CbPM}) {
    const std::string before = box->Text();
    rig.driver.Focus(*box);
    rig.driver.Type("Time1");
    EXPECT_EQ(box->Text(), before) << box->Name();
  }
  EXPECT_EQ(rig.program.state.CurrentTimeBase, "Frame");
}

// ---- The shift of all rows --------------------------------------------------------------------

TEST(ShiftAllTimes, FrameBaseClampsAndKeepsTheCurrentRow) {
  TimeBaseRig rig("Frame", {{"50", "80", "a"}, {"200", "999999", "b"}, {"", "", "c"}});
  rig.editor().cds.SetRecNo(2);
  rig.Shift("-", "100");
  EXPECT_EQ(rig.Column(field::kKezdes), (Strings{"0", "100", ""}));
  EXPECT_EQ(rig.Column(field::kBefejezes), (Strings{"0", "999899", ""}));
  rig.Shift("+", "1");
  EXPECT_EQ(rig.Column(field::kBefejezes), (Strings{"1", "999900", ""}));
  TFelirat& f = rig.editor();
  EXPECT_EQ(f.cds.RecNo(), 2);
  EXPECT_EQ(f.kezdes.Text(), "101");
  EXPECT_EQ(f.Emodositas.Text(), "0");
  EXPECT_TRUE(rig.Modified());
  EXPECT_FALSE(rig.program.state.InternalUpdate);
  EXPECT_FALSE(f.cds.ControlsDisabled());
  EXPECT_FALSE(f.Fszazalek.Visible());
}

TEST(ShiftAllTimes, TimeBaseClampsAtTheDayEndAndCountsEmptyAsZero) {
  TimeBaseRig rig("Time", {{"23:59:58,000", "23:59:59,000", "a"}, {"", "00:00:01,000", "b"}});
  rig.Shift("+", "00:00:05,000");
  EXPECT_EQ(rig.Column(field::kKezdes), (Strings{"24:00:00,000", "00:00:05,000"}));
  EXPECT_EQ(rig.Column(field::kBefejezes), (Strings{"24:00:00,000", "00:00:06,000"}));
  EXPECT_EQ(rig.editor().Emodositas.Text(), "00:00:00,000");
}

TEST(ShiftAllTimes, ZeroOrInvalidAmountChangesNothing) {
  struct Case {
    std::string base;
    std::string amount;
    std::string message_start;
  };
  const std::vector<Case> cases = {
      {"Frame", "0", kZeroShift},
      {"Time", "00:00:00,000", kZeroShift},
      {"Time", "00:61:00,000", "message: "},
      {"Frame", "012", "message: "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.base + " " + c.amount);
    const std::string start = c.base == "Time" ? "00:00:01,000" : "25";
    TimeBaseRig rig(c.base, {{start, start, "a"}});
    rig.AnswerOk();
    rig.Shift("+", c.amount);
    EXPECT_EQ(rig.Column(field::kKezdes), (Strings{start}));
    EXPECT_FALSE(rig.Modified());
    ASSERT_EQ(rig.Messages().size(), 1u);
    EXPECT_EQ(rig.Messages()[0].rfind(c.message_start, 0), 0u) << rig.Messages()[0];
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

TEST(ShiftAllTimes, ShiftBoxKeys) {
  TimeBaseRig rig("Time", {{"00:00:01,000", "00:00:02,000", "a"}});
  TFelirat& f = rig.editor();
  struct Case {
    int caret;
    ui::Key key;
    ui::ShiftState shift;
    bool refused;
  };
  const std::vector<Case> cases = {
      {2, ui::keys::kDelete, {}, true},        {5, ui::keys::kDelete, {}, true},
      {8, ui::keys::kDelete, {}, true},        {3, ui::keys::kDelete, {}, false},
      {4, ui::keys::kLeft, ui::kShift, true},  {4, ui::keys::kLeft, {}, false},
      {4, ui::keys::kRight, ui::kShift, true}, {4, ui::keys::kUp, ui::kShift, true},
  };
  for (const Case& c : cases) {
    ui::Key key = c.key;
    f.Emodositas.SetSelStart(c.caret);
    f.EmodositasKeyDown(key, c.shift);
    EXPECT_EQ(key == 0, c.refused) << c.caret << " " << c.key;
  }
  // Typing goes through the time-code filter; Enter shifts every row.
  rig.driver.Focus(f.Emodositas);
  f.Emodositas.SetText("");
  rig.driver.Type("00a:00:02,000");
  EXPECT_EQ(f.Emodositas.Text(), "00:00:02,000");
  rig.driver.Press(ui::keys::kReturn);
  EXPECT_EQ(rig.Column(field::kKezdes), (Strings{"00:00:03,000"}));
  EXPECT_EQ(f.Emodositas.Text(), "00:00:00,000");
}

// ---- The detailed shift ---------------------------------------------------------------------

struct DetailedCase {
  std::string name;
  int current;
  bool upwards;
  std::string to_row;  // empty: "Az összeset"
  bool starts, ends;
  Strings changed;  // "s" start and end moved by 7, "e" only the end, "-" nothing
};

TEST(DetailedShift, ChangesTheRangeAndReturnsToTheEditor) {
  const std::vector<DetailedCase> cases = {
      {"up to row 5",
       10,
       true,
       "5",
       true,
       true,
       {"-", "-", "-", "-", "s", "s", "s", "s", "s", "s", "-", "-"}},
      {"down, all",
       3,
       false,
       "",
       true,
       true,
       {"-", "-", "s", "s", "s", "s", "s", "s", "s", "s", "s", "s"}},
      {"up, all, ends only",
       2,
       true,
       "",
       false,
       true,
       {"e", "e", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-"}},
      {"down to row 4",
       3,
       false,
       "4",
       true,
       true,
       {"-", "-", "s", "s", "-", "-", "-", "-", "-", "-", "-", "-"}},
  };
  for (const DetailedCase& c : cases) {
    SCOPED_TRACE(c.name);
    TimeBaseRig rig("Frame", FrameRows(12));
    TFelirat& f = rig.editor();
    f.cds.SetRecNo(c.current);
    f.Emodositas.SetText("7");
    TReszletes& w = *rig.program.Reszletes;
    rig.driver.OnModal("Reszletes", [&] {
      EXPECT_EQ(w.Emodositas2.Text(), "7");
      EXPECT_EQ(w.Edit4.Text(), std::to_string(c.current * 100));
      EXPECT_FALSE(f.Visible());
      rig.driver.Click(c.upwards ? w.Felfele : w.Lefele);
      if (!c.to_row.empty()) {
        rig.driver.Click(w.RB4);
        rig.driver.Type(c.to_row);
      }
      w.cbKezdo.SetChecked(c.starts);
      w.cbBefejezo.SetChecked(c.ends);
      rig.driver.Click(w.Bmodok);
    });
    rig.driver.Click(f.Breszletes);
    EXPECT_EQ(rig.driver.Verify(), "");
    for (int row = 1; row <= 12; ++row) {
      const std::string& how = c.changed[row - 1];
      const int moved = how == "-" ? 0 : 7;
      EXPECT_EQ(f.cds.Cell(row, field::kKezdes),
                std::to_string(row * 100 + (how == "s" ? moved : 0)))
          << row;
      EXPECT_EQ(f.cds.Cell(row, field::kBefejezes), std::to_string(row * 100 + 50 + moved)) << row;
    }
    EXPECT_EQ(f.cds.RecNo(), c.current);
    EXPECT_TRUE(f.Visible());
    EXPECT_FALSE(w.Visible());
    EXPECT_TRUE(rig.Modified());
    EXPECT_FALSE(rig.program.state.InternalUpdate);
  }
}

TEST(DetailedShift, RefusalsKeepTheWindowOpen) {
  struct Case {
    std::string amount;
    bool upwards;
    std::string to_row;
    Strings messages;
  };
  const std::string larger = "message: Felhívás | Kérem nagyobb számot üssön be a darabhoz! |";
  const std::string smaller = "message: Felhívás | Kérem kisebb számot üssön be a darabhoz! |";
  const std::vector<Case> cases = {
      {"0", false, "", {kZeroShift}},
      {"5", true, "9", {smaller}},
      {"5", false, "3", {larger}},
      {"5", false, "0", {larger}},
      {"0", false, "2", {kZeroShift, larger}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.amount + " " + c.to_row);
    TimeBaseRig rig("Frame", FrameRows(5));
    TFelirat& f = rig.editor();
    f.cds.SetRecNo(3);
    f.Emodositas.SetText(c.amount);
    TReszletes& w = *rig.program.Reszletes;
    rig.driver.OnModal("Reszletes", [&] {
      for (std::size_t i = 0; i < c.messages.size(); ++i)
        rig.AnswerOk();
      rig.driver.Click(c.upwards ? w.Felfele : w.Lefele);
      if (!c.to_row.empty()) {
        rig.driver.Click(w.RB4);
        rig.driver.Type(c.to_row);
      }
      rig.driver.Click(w.Bmodok);
      EXPECT_TRUE(w.Visible());
      rig.driver.Click(w.Button1);
    });
    rig.driver.Click(f.Breszletes);
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_EQ(rig.Messages(), c.messages);
    EXPECT_EQ(rig.Column(field::kKezdes), (Strings{"100", "200", "300", "400", "500"}));
    EXPECT_FALSE(rig.Modified());
    EXPECT_TRUE(f.Visible());
  }
}

TEST(DetailedShift, NothingTickedDisablesTheButton) {
  TimeBaseRig rig("Time", {{"00:00:01,000", "00:00:02,000", "a"}});
  TReszletes& w = *rig.program.Reszletes;
  w.cbKezdo.SetChecked(false);
  EXPECT_TRUE(w.Bmodok.Enabled());
  w.cbBefejezo.SetChecked(false);
  EXPECT_FALSE(w.Bmodok.Enabled());
  w.cbKezdo.SetChecked(true);
  EXPECT_TRUE(w.Bmodok.Enabled());
}

TEST(DetailedShift, TimeBaseShiftsBackwards) {
  TimeBaseRig rig("Time", {{"00:00:01,000", "00:00:02,000", "a"}, {"00:00:04,000", "", "b"}});
  TFelirat& f = rig.editor();
  TReszletes& w = *rig.program.Reszletes;
  f.Emodositas.SetText("00:00:1");  // not a whole time code: the window starts from zero
  rig.driver.OnModal("Reszletes", [&] {
    EXPECT_EQ(w.Emodositas2.Text(), "00:00:00,000");
    w.CbPMR.SetItemIndex(w.CbPMR.IndexOf("-"));
    w.Emodositas2.SetText("00:00:01,500");
    rig.driver.Click(w.Bmodok);
  });
  rig.driver.Click(f.Breszletes);
  EXPECT_EQ(rig.driver.Verify(), "");
  EXPECT_EQ(rig.Column(field::kKezdes), (Strings{"00:00:00,000", "00:00:02,500"}));
  EXPECT_EQ(rig.Column(field::kBefejezes), (Strings{"00:00:00,500", "00:00:00,000"}));
}

// ---- The frame-rate conversion ----------------------------------------------------------------

TEST(FpsConversion, ScalesEveryRowAndReports) {
  struct Case {
    std::string base;
    std::vector<Row> rows;
    Strings starts;
    Strings ends;
  };
  const std::vector<Case> cases = {
      {"Frame", {{"1000", "0", "a"}, {"", "2000", "b"}}, {"959", ""}, {"0", "1918"}},
      {"Time",
       {{"00:00:10,000", "00:00:00,000", "a"}, {"", "00:00:20,000", "b"}},
       {"00:00:09,590", ""},
       {"00:00:00,000", "00:00:19,180"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.base);
    TimeBaseRig rig(c.base, c.rows);
    TFpsValtas& w = *rig.program.FpsValtas;
    rig.driver.OnModal("FpsValtas", [&] {
      EXPECT_EQ(w.cb1.Text(), "");
      EXPECT_TRUE(w.cb2.Items().empty());
      rig.driver.Choose(w.cb1, w.cb1.IndexOf("23,976"));
      EXPECT_EQ(w.cb2.Items(), (Strings{"15", "20", "24", "25", "29,976", "30"}));
      EXPECT_EQ(w.cb2.Text(), "15");
      rig.driver.Choose(w.cb1, w.cb1.IndexOf("25"));
      rig.driver.Choose(w.cb2, w.cb2.IndexOf("23,976"));
      // The window has left the screen when the report shows.
      rig.driver.OnModal("Kiszoveg", [&] {
        EXPECT_FALSE(w.Visible());
        EXPECT_TRUE(rig.editor().Visible());
        rig.driver.Click(rig.program.Kiszoveg->Bok);
      });
      rig.driver.Click(w.Button1);
    });
    rig.driver.Click(rig.editor().Batvaltas);
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_EQ(rig.Column(field::kKezdes), c.starts);
    EXPECT_EQ(rig.Column(field::kBefejezes), c.ends);
    EXPECT_EQ(rig.Messages(), (Strings{"message: FPS módosítás | Az átváltás megtörtént! |"}));
    EXPECT_TRUE(rig.Modified());
    EXPECT_FALSE(w.Visible());
    EXPECT_FALSE(rig.program.state.InternalUpdate);
  }
}

TEST(FpsConversion, WithoutBothRatesNothingHappens) {
  TimeBaseRig rig("Frame", {{"1000", "2000", "a"}});
  TFpsValtas& w = *rig.program.FpsValtas;
  rig.driver.OnModal("FpsValtas", [&] {
    rig.driver.Click(w.Button1);
    EXPECT_TRUE(w.Visible());
    rig.driver.Click(w.Button2);
  });
  rig.driver.Click(rig.editor().Batvaltas);
  EXPECT_EQ(rig.driver.Verify(), "");
  EXPECT_EQ(rig.Column(field::kKezdes), (Strings{"1000"}));
  EXPECT_TRUE(rig.Messages().empty());
  EXPECT_FALSE(rig.Modified());
}

}  // namespace
}  // namespace editor
