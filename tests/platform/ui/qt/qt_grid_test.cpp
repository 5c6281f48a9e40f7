// The grid over a 50,000-row table in a real window.
#include <gtest/gtest.h>
#include <QAbstractItemModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include "platform/dataset/row_table.h"
#include "platform/text/text.h"
#include "platform/ui/ui.h"
#include "qt_env.h"

namespace {

using qt_test::PeerOf;

constexpr int kRows = 50000;

class GridForm : public ui::Form {
 public:
  explicit GridForm(ui::Application& app) : Form(app, "GridForm") {
    SetCaption("Felirat");
    SetBounds(0, 0, 560, 360);
    table.CreateDataSet();
    table.DisableControls();
    for (int i = 1; i <= kRows; ++i) {
      table.Append();
      table.SetValue(dataset::subtitle_field::kKezdes, "00:00:01,000");
      table.SetValue(dataset::subtitle_field::kSzoveg,
                     (i % 10 == 0 ? "piros " : "sor ") + text::IntToStr(i));
      table.Post();
    }
    table.First();
    table.EnableControls();
    source.SetDataSet(&table);
    racs.SetDataSource(&source);
    racs.AddColumn(
        {.field = "Sorszam", .title = "Sorszám", .width = 50, .alignment = ui::Alignment::kCenter});
    racs.AddColumn({.field = "Kezdes", .title = "Kezdés", .width = 90});
    racs.AddColumn({.field = "Szoveg", .title = "Szöveg", .width = 300});
    racs.OnDrawColumnCell = [](const ui::Rect&, int, const ui::GridColumn&, ui::GridCellState,
                               ui::CellCanvas& canvas) {
      if (canvas.text.starts_with("piros")) {
        canvas.brush = ui::Bgr(255, 0, 0);
        canvas.font.color = ui::colors::kWhite;
      }
    };
    Created();
  }

  dataset::RowTable table{dataset::SubtitleRowFields()};
  ui::DataSource source{*this, "source"};
  ui::DbGrid racs{*this, "racs", {8, 8, 520, 300}};
};

class QtGridTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(qt_test::ShowAndWait(form));
    form.racs.SetFocus();
    view = PeerOf(form.racs)->findChild<QTableView*>();
    ASSERT_NE(view, nullptr);
  }
  void TearDown() override { qt_test::Settle(); }

  // The row of the table the view shows at a height of its viewport.
  int ShownRowAt(int y) const { return view->rowAt(y) + 1; }
  // A point of the grid (its client coordinates) in a line of the model.
  QPoint LinePoint(int line, int x = 300) const {
    const int rh = form.racs.DefaultRowHeight();
    return {x, rh + (line - 1) * rh + rh / 2};
  }

  ui::Application app{qt_test::Backend()};
  GridForm form{app};
  QTableView* view = nullptr;
};

TEST_F(QtGridTest, ShowsAllRowsAndFollowsTheCursor) {
  EXPECT_EQ(view->model()->rowCount(), kRows);
  EXPECT_EQ(view->model()->columnCount(), 3);
  EXPECT_EQ(ShownRowAt(1), 1);

  form.table.SetRecNo(25000);
  qt_test::Settle();
  const int top = form.racs.TopRow();
  EXPECT_LE(top, 25000);
  EXPECT_GT(top + form.racs.VisibleRowCount(), 25000);
  EXPECT_EQ(ShownRowAt(1), top);
  EXPECT_TRUE(qt_test::GrabToPng(form, "grid"));

  // The cell the hook coloured is red on the screen; the plain one keeps the window colour.
  const QImage image = PeerOf(form.racs)->grab().toImage();
  const QPoint red = LinePoint(25000 - top + 1, 400);
  EXPECT_EQ(image.pixelColor(red), QColor(255, 0, 0));
  const QPoint plain = LinePoint(25001 - top + 1, 400);
  EXPECT_EQ(image.pixelColor(plain), QColor(255, 255, 255));

  // Keys go to the grid through the model.
  QTest::keyClick(view, Qt::Key_Down);
  EXPECT_EQ(form.table.RecNo(), 25001);
  QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
  qt_test::Settle();
  EXPECT_EQ(form.table.RecNo(), kRows);
  EXPECT_EQ(ShownRowAt(1), form.racs.TopRow());
  EXPECT_EQ(view->verticalScrollBar()->value(), form.racs.TopRow() - 1);
}

TEST_F(QtGridTest, ClicksHitTheModelsCellsAndRightClickKeepsTheCursor) {
  QWidget* grid = PeerOf(form.racs);
  QTest::mouseClick(grid->findChild<QTableView*>()->viewport(), Qt::RightButton, {},
                    view->viewport()->mapFrom(grid, LinePoint(4)));
  EXPECT_EQ(form.table.RecNo(), 1);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                    view->viewport()->mapFrom(grid, LinePoint(4)));
  EXPECT_EQ(form.table.RecNo(), 4);
  EXPECT_EQ(form.racs.SelectedIndex(), 2);
}

TEST_F(QtGridTest, WheelMovesTheCursorThroughTheModel) {
  form.table.SetRecNo(100);
  const QPoint at(100, 100);
  QWheelEvent wheel(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -240), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(view->viewport(), &wheel);
  EXPECT_EQ(form.table.RecNo(), 102);
}

TEST_F(QtGridTest, ScrollBarMovesTheCursor) {
  auto* bar = PeerOf(form.racs)->findChild<QScrollBar*>(QString(), Qt::FindDirectChildrenOnly);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->maximum(), kRows);
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(form.table.RecNo(), 2);
  bar->triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(form.table.RecNo(), kRows);
  EXPECT_EQ(bar->value(), kRows);
}

TEST_F(QtGridTest, RowsAddedWhileShownAreAnnouncedWithoutAReset) {
  int resets = 0;
  int inserted = 0;
  QObject::connect(view->model(), &QAbstractItemModel::modelReset, [&] { ++resets; });
  QObject::connect(view->model(), &QAbstractItemModel::rowsInserted,
                   [&](const QModelIndex&, int first, int last) { inserted += last - first + 1; });
  for (int i = 0; i < 20; ++i) {
    form.table.Append();
    form.table.SetValue(dataset::subtitle_field::kSzoveg, "új sor");
    form.table.Post();
  }
  EXPECT_EQ(inserted, 20);
  EXPECT_EQ(resets, 0);
  EXPECT_EQ(view->model()->rowCount(), kRows + 20);
  form.table.Delete();
  EXPECT_EQ(view->model()->rowCount(), kRows + 19);
}

}  // namespace
