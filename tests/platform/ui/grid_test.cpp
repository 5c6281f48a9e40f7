// The grid over a row table: cursor coupling, painting, MouseCoord.
#include <gtest/gtest.h>

#include "platform/dataset/row_table.h"
#include "platform/text/text.h"
#include "test_forms.h"

namespace ui_test {
namespace {

// 30 rows "r1".."r30"; the grid shows 5 rows under its title row (rows of 17 pixels).
struct GridWorld {
  ui::headless::Driver drv;
  ui::Form form{drv.App(), "F"};
  dataset::RowTable table{{{"Sorszam", 0, dataset::FieldKind::kRowNumber}, {"Szoveg", 220}}};
  ui::DataSource ds{form, "ds"};
  ui::DbGrid racs{form, "racs", {0, 0, 300, 6 * 17}};
  Trace trace;
  GridWorld() {
    table.CreateDataSet();
    for (int i = 1; i <= 30; ++i) {
      table.Append();
      table.SetValue(1, "r" + text::IntToStr(i));
      table.Post();
    }
    table.First();
    ds.SetDataSet(&table);
    racs.SetDataSource(&ds);
    racs.AddColumn({.field = "Sorszam", .title = "Sorszám", .width = 44});
    racs.AddColumn({.field = "szoveg", .title = "Szöveg", .width = 200});
    form.SetBounds(0, 0, 400, 300);
    form.Show();
  }
  std::string Shown(int line) const { return racs.PaintedCell(line, 1).text; }
};

TEST(Grid, CursorCoupling) {
  struct Case {
    const char* name;
    std::function<void(GridWorld&)> act;
    int rec_no;
    int top_row;
  };
  const std::vector<Case> cases = {
      {"a click on the third visible row moves the cursor",
       [](GridWorld& w) { w.drv.ClickAt(w.racs, 100, 17 * 3 + 5); }, 3, 1},
      {"Down moves to the next row",
       [](GridWorld& w) {
         w.drv.Focus(w.racs);
         w.drv.Press(ui::keys::kDown);
       },
       2, 1},
      {"a cursor move by code scrolls the grid", [](GridWorld& w) { w.table.SetRecNo(12); }, 12, 8},
      {"Last shows the last rows", [](GridWorld& w) { w.table.Last(); }, 30, 26},
      {"Ctrl+End in the grid goes to the last row",
       [](GridWorld& w) {
         w.drv.Focus(w.racs);
         w.drv.Press(ui::keys::kEnd, ui::kCtrl);
       },
       30, 26},
      {"a click on the title row does not move",
       [](GridWorld& w) { w.drv.ClickAt(w.racs, 100, 5); }, 1, 1},
      {"deleting rows at the end keeps the view full",
       [](GridWorld& w) {
         w.table.Last();
         for (int i = 0; i < 3; ++i)
           w.table.Delete();
       },
       27, 23},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GridWorld w;
    c.act(w);
    EXPECT_EQ(w.table.RecNo(), c.rec_no);
    EXPECT_EQ(w.racs.TopRow(), c.top_row);
    EXPECT_EQ(w.Shown(1), "r" + text::IntToStr(c.top_row));
    EXPECT_EQ(w.racs.PaintedCell(1, 0).text, text::IntToStr(c.top_row));
  }
}

TEST(Grid, CellClickRunsAfterTheCursorMoved) {
  GridWorld w;
  int rec_at_click = 0;
  int column = -1;
  w.racs.OnCellClick = [&](int col) {
    rec_at_click = w.table.RecNo();
    column = col;
  };
  w.drv.ClickAt(w.racs, 12 + 44 + 10, 17 * 2 + 3);
  EXPECT_EQ(rec_at_click, 2);
  EXPECT_EQ(column, 1);
  EXPECT_EQ(w.racs.SelectedField(), "szoveg");
}

TEST(Grid, MouseCoordGivesTheVisibleRow) {
  GridWorld w;
  struct Case {
    int x, y;
    ui::GridCoord coord;
  };
  const std::vector<Case> cases = {
      {20, 3, {0, 0}},  {20, 17, {0, 1}},        {100, 17 * 5 + 16, {1, 5}},
      {5, 30, {-1, 1}}, {100, 17 * 6, {-1, -1}}, {-1, 20, {-1, -1}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(w.racs.MouseCoord(c.x, c.y), c.coord) << c.x << "," << c.y;
  }
  w.table.SetRecNo(20);
  EXPECT_EQ(w.racs.MouseCoord(100, 20).row, 1);  // visible rows, whatever the top row
}

TEST(Grid, RepaintsOnDataChangeAndOnTheLastEnableControls) {
  GridWorld w;
  int before = w.racs.PaintCount();
  w.table.DisableControls();
  w.table.DisableControls();
  w.table.SetRecNo(9);
  w.table.Edit();
  w.table.SetValue(1, "changed");
  w.table.Post();
  w.table.EnableControls();
  EXPECT_EQ(w.racs.PaintCount(), before);
  w.table.EnableControls();
  EXPECT_EQ(w.racs.PaintCount(), before + 1);
  EXPECT_EQ(w.racs.TopRow(), 5);
  EXPECT_EQ(w.Shown(5), "changed");
}

TEST(Grid, DrawColumnCellRunsAfterTheDefaultPaint) {
  GridWorld w;
  w.racs.OnDrawColumnCell = [](const ui::Rect&, int column, const ui::GridColumn&,
                               ui::GridCellState state, ui::CellCanvas& canvas) {
    if (column == 1 && canvas.text == "r3")
      canvas.brush = ui::colors::kRed;
    if (state.selected)
      canvas.text = "[" + canvas.text + "]";
  };
  w.racs.SetRowSelect(true);
  EXPECT_EQ(w.racs.PaintedCell(3, 1).brush, ui::colors::kRed);
  EXPECT_EQ(w.racs.PaintedCell(1, 1).text, "[r1]");
  EXPECT_EQ(w.racs.PaintedCell(1, 0).text, "[1]");
  EXPECT_EQ(w.racs.PaintedCell(2, 1).text, "r2");
  EXPECT_EQ(w.racs.PaintedCell(2, 1).brush, ui::colors::kWindow);
}

// A handler that changes rows under a raised flag must not leave the grid painted with what
// OnDrawColumnCell saw during the change: cells are painted once the handler has returned.
TEST(Grid, CellsArePaintedAfterTheChangingHandlerReturns) {
  GridWorld w;
  bool changing = false;
  w.racs.OnDrawColumnCell = [&](const ui::Rect&, int column, const ui::GridColumn&,
                                ui::GridCellState, ui::CellCanvas& canvas) {
    if (column == 1 && !changing)
      canvas.brush = ui::colors::kRed;
  };
  changing = true;
  w.table.SetRecNo(2);
  w.table.Edit();
  w.table.SetValue(1, "edited");
  w.table.Post();
  changing = false;
  EXPECT_EQ(w.Shown(2), "edited");
  EXPECT_EQ(w.racs.PaintedCell(2, 1).brush, ui::colors::kRed);
}

TEST(Grid, HiddenColumnsAndScrollBar) {
  GridWorld w;
  w.racs.SetColumnVisible(0, false);
  EXPECT_EQ(w.racs.MouseCoord(20, 20).column, 1);
  w.racs.ShowVerticalScrollBar(false);
  EXPECT_FALSE(w.racs.VerticalScrollBar());
  w.table.Close();
  EXPECT_EQ(w.racs.PaintedCell(1, 1).text, "");
}

}  // namespace
}  // namespace ui_test
