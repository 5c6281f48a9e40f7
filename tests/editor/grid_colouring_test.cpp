// Row flags over the whole table, the grid's colours and the grid's keys.
#include "editor/grid_colouring.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "row_command_rig.h"

namespace editor {
namespace {

using testing::Row;
using testing::RowCommandRig;
namespace field = dataset::subtitle_field;

constexpr ui::Color kPainted = ui::colors::kWindow;
constexpr ui::Color kSilver = kShortRowColor;
constexpr ui::Color kRed = kLongLineColor;
constexpr ui::Color kGreen = kManyLinesColor;

TEST(RowBrush, ColourTable) {
  const std::string line38(38, 'a');
  const std::string line40(40, 'a');
  const std::string three_lines = line38 + "|b|c";
  struct Case {
    std::string base;
    std::string start;
    std::string end;
    std::string text;
    bool long_box;
    bool many_box;
    int limit;
    bool internal_update;
    ui::Color brush;
  };
  const std::vector<Case> cases = {
      // Silver under half a second, in Time only, with or without the boxes.
      {"Time", "00:00:01,000", "00:00:01,400", "x", false, false, 37, false, kSilver},
      {"Time", "00:00:01,000", "00:00:01,500", "x", false, false, 37, false, kPainted},
      {"Time", "00:00:01,000", "00:00:01,400", "x", true, true, 37, false, kSilver},
      {"Frame", "10", "11", "x", false, false, 37, false, kPainted},
      {"Time", "", "", "x", false, false, 37, false, kSilver},
      // Red for a line over the limit, green for a third line; green wins.
      {"Time", "00:00:01,000", "00:00:03,000", line38, true, false, 37, false, kRed},
      {"Time", "00:00:01,000", "00:00:03,000", line38, false, false, 37, false, kPainted},
      {"Time", "00:00:01,000", "00:00:03,000", line38, true, false, 38, false, kPainted},
      {"Time", "00:00:01,000", "00:00:03,000", line40, true, false, 40, false, kPainted},
      {"Time", "00:00:01,000", "00:00:03,000", three_lines, true, true, 37, false, kGreen},
      {"Time", "00:00:01,000", "00:00:03,000", three_lines, true, false, 37, false, kRed},
      {"Time", "00:00:01,000", "00:00:03,000", three_lines, false, true, 37, false, kGreen},
      {"Time", "00:00:01,000", "00:00:01,100", three_lines, true, true, 37, false, kGreen},
      {"Frame", "10", "100", line38, true, false, 37, false, kRed},
      // An empty text is never red or green; nor is any row while rows are being changed.
      {"Time", "00:00:01,000", "00:00:03,000", "", true, true, 10, false, kPainted},
      {"Time", "00:00:01,000", "00:00:01,100", "", true, true, 10, false, kSilver},
      {"Time", "00:00:01,000", "00:00:03,000", three_lines, true, true, 37, true, kPainted},
  };
  for (const Case& c : cases) {
    const RowColouring options{.time_base = c.base,
                               .colour_long_lines = c.long_box,
                               .colour_many_lines = c.many_box,
                               .letter_limit = c.limit,
                               .internal_update = c.internal_update};
    EXPECT_EQ(RowBrush(kPainted, options, {c.start, c.end, c.text}), c.brush)
        << c.base << " " << c.start << "-" << c.end << " [" << c.text << "] " << c.long_box
        << c.many_box << " " << c.limit;
  }
}

TEST(GridColouring, EveryCellOfAFlaggedRowAndTheRecountOnANewLimit) {
  const std::string line38(38, 'a');
  RowCommandRig rig("Time", {{"00:00:01,000", "00:00:03,000", "short"},
                             {"00:00:04,000", "00:00:06,000", line38},
                             {"00:00:07,000", "00:00:07,200", "quick"}});
  TFelirat& f = rig.editor();
  f.Cbtobb.SetEnabled(true);
  f.SEbetu.SetEnabled(true);
  f.Cbtobb.SetChecked(true);
  EXPECT_TRUE(f.Lbetu.Visible());
  EXPECT_EQ(f.Lbetu.Caption(), "(1)");
  auto brush = [&f](int row, int column) { return f.racs.PaintedCell(row, column).brush; };
  for (int column = 0; column < 4; ++column) {
    EXPECT_EQ(brush(2, column), kRed) << column;
    EXPECT_EQ(brush(3, column), kSilver) << column;
  }
  // The selected row (row 1) keeps the grid's own selection colour.
  EXPECT_EQ(brush(1, 3), ui::colors::kNavy);

  f.SEbetu.SetValue(40);
  EXPECT_NE(brush(2, 3), kRed);
  EXPECT_EQ(f.Lbetu.Caption(), "(0)");
  EXPECT_EQ(rig.program.state.LongLineRowCount, 0);
  EXPECT_EQ(rig.table().Cell(2, field::kBetu38), "");
  EXPECT_EQ(rig.table().RecNo(), 1);

  f.SEbetu.SetValue(20);
  EXPECT_EQ(brush(2, 3), kRed);
  EXPECT_EQ(f.Lbetu.Caption(), "(1)");
  EXPECT_EQ(rig.table().Cell(2, field::kBetu38), "t");
  EXPECT_FALSE(f.Fszazalek.Visible());

  f.Cbtobb.SetChecked(false);
  EXPECT_FALSE(f.Lbetu.Visible());
  EXPECT_NE(brush(2, 3), kRed);
}

TEST(GridColouring, MenuTogglesOnlyEnabledBoxes) {
  RowCommandRig rig("Time", {{"00:00:01,000", "00:00:03,000", "a|b|c"}});
  TFelirat& f = rig.editor();
  f.Cbtobb.SetEnabled(false);
  f.Szinezes38Click();
  EXPECT_FALSE(f.Cbtobb.Checked());

  f.CB3sor.SetEnabled(true);
  f.Szinezes3Click();
  EXPECT_TRUE(f.CB3sor.Checked());
  EXPECT_TRUE(f.Lsor.Visible());
  EXPECT_EQ(f.Lsor.Caption(), "(1)");
  f.Szinezes3Click();
  EXPECT_FALSE(f.CB3sor.Checked());
  EXPECT_FALSE(f.Lsor.Visible());
}

TEST(RowFlags, DecrementIsJudgedFromTheText) {
  const std::string line38(38, 'a');
  RowCommandRig rig("Time", {{"00:00:01,000", "00:00:03,000", line38 + "|b|c"}});
  shell::SharedState& state = rig.program.state;
  ASSERT_EQ(state.LongLineRowCount, 1);
  ASSERT_EQ(state.ManyLineRowCount, 1);
  rig.editor().DecrementRowFlagCounters();
  EXPECT_EQ(state.LongLineRowCount, 0);
  EXPECT_EQ(state.ManyLineRowCount, 0);
  EXPECT_EQ(rig.editor().Lbetu.Caption(), "(0)");
}

// ---- Keys ---------------------------------------------------------------------------------------

TEST(GridKeys, EnterAndCtrlEnterByColumn) {
  struct Case {
    std::string column;
    bool ctrl;
    bool second_text_enabled;
    std::string focused;
  };
  const std::vector<Case> cases = {
      {"Sorszam", false, true, "szoveg"},  {"Szoveg", false, true, "szoveg"},
      {"Kezdes", false, true, "racs"},     {"Befejezes", false, true, "racs"},
      {"Szoveg2", false, true, "szoveg2"}, {"Szoveg2", false, false, "racs"},
      {"Kezdes", true, true, "kezdes"},    {"Szoveg", true, true, "kezdes"},
  };
  for (const Case& c : cases) {
    RowCommandRig rig("Time", {{"00:00:01,000", "00:00:03,000", "x", "y"}});
    TFelirat& f = rig.editor();
    f.racs.SetColumnVisible(f.racs.ColumnOfField("Szoveg2"), true);
    f.racs.SetRowSelect(false);
    if (c.column == "Szoveg2")
      f.EditorTwoTextLayout();
    f.szoveg2.SetEnabled(c.second_text_enabled);
    f.racs.SetSelectedIndex(f.racs.ColumnOfField(c.column));
    ASSERT_TRUE(rig.driver.Focus(f.racs));
    rig.driver.KeyDown(ui::keys::kReturn, c.ctrl ? ui::kCtrl : ui::kNoShift);
    const ui::Control* focus = f.ActiveControl();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus->Name(), c.focused) << c.column << " ctrl " << c.ctrl;
  }
}

TEST(GridKeys, CtrlEnterWithoutTheStartBoxActsAsEnter) {
  for (bool two_texts : {false, true}) {
    RowCommandRig rig("Time", {{"00:00:01,000", "00:00:03,000", "x"}});
    TFelirat& f = rig.editor();
    // Disabled, or hidden by the panel's layout for two texts.
    if (two_texts)
      f.EditorTwoTextLayout();
    else
      f.kezdes.SetEnabled(false);
    ASSERT_TRUE(rig.driver.Focus(f.racs));
    rig.driver.KeyDown(ui::keys::kReturn, ui::kCtrl);
    EXPECT_TRUE(f.szoveg.Focused()) << two_texts;
  }
}

TEST(GridKeys, StyleKeysNeedARow) {
  for (bool with_row : {true, false}) {
    RowCommandRig rig("Time");
    TFelirat& f = rig.editor();
    if (with_row) {
      rig.table().Append();
      rig.table().Post();
    }
    std::string runs;
    f.dolt.OnClick = [&runs] { runs += 'i'; };
    f.Vastagitott.OnClick = [&runs] { runs += 'b'; };
    f.Alahuzott.OnClick = [&runs] { runs += 'u'; };
    ASSERT_TRUE(rig.driver.Focus(f.racs));
    rig.driver.Type("ibuI");
    EXPECT_EQ(runs, with_row ? "ibu" : "");
    EXPECT_EQ(rig.table().RecordCount(), with_row ? 1 : 0);
  }
}

TEST(GridKeys, DeleteAsksFirst) {
  RowCommandRig rig("Time",
                    {{"00:00:01,000", "00:00:03,000", "a"}, {"00:00:04,000", "00:00:05,000", "b"}});
  rig.Answer(&shell::TKiszoveg::Bigen);
  ASSERT_TRUE(rig.driver.Focus(rig.editor().racs));
  rig.driver.KeyDown(ui::keys::kDelete);
  EXPECT_EQ(rig.Column(field::kSzoveg), (std::vector<std::string>{"b"}));
}

}  // namespace
}  // namespace editor
