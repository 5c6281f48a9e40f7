// Texts shown whole where they belong: the grid's column titles inside their columns, a
// centred text box's lines in its middle.
#include <gtest/gtest.h>
#include <QHeaderView>
#include <QImage>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "platform/dataset/row_table.h"
#include "platform/ui/ui.h"
#include "qt_env.h"

namespace {

using qt_test::PeerOf;

class TitlesForm : public ui::Form {
 public:
  explicit TitlesForm(ui::Application& app) : Form(app, "TitlesForm") {
    SetCaption("Felirat");
    SetBounds(20, 20, 760, 360);
    table.CreateDataSet();
    source.SetDataSet(&table);
    racs.SetDataSource(&source);
    // The editor's columns.
    racs.AddColumn({.field = "Sorszam",
                    .title = "Sorszám",
                    .width = 44,
                    .alignment = ui::Alignment::kCenter,
                    .title_alignment = ui::Alignment::kCenter});
    racs.AddColumn({.field = "Kezdes",
                    .title = "Kezdés",
                    .width = 80,
                    .title_alignment = ui::Alignment::kCenter});
    racs.AddColumn({.field = "Befejezes",
                    .title = "Befejezés",
                    .width = 80,
                    .title_alignment = ui::Alignment::kCenter});
    racs.AddColumn({.field = "Szoveg", .title = "Szöveg", .width = 300});
    racs.SetTitles(true);
    racs.SetIndicator(true);
    szoveg.SetAlignment(ui::Alignment::kCenter);
    szoveg.SetText("ab\r\nc");
    Created();
  }

  dataset::RowTable table{dataset::SubtitleRowFields()};
  ui::DataSource source{*this, "source"};
  ui::DbGrid racs{*this, "racs", {8, 8, 560, 200}};
  ui::Memo szoveg{*this, "szoveg", {8, 220, 344, 72}};
};

bool Dark(QColor c) {
  return c.lightness() < 110;
}

// The first and last pixel columns of `area` holding dark (text) pixels; {-1, -1} when none.
std::pair<int, int> InkColumns(const QImage& image, QRect area) {
  int first = -1;
  int last = -1;
  for (int x = area.left(); x <= area.right(); ++x) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
      if (Dark(image.pixelColor(x, y))) {
        if (first < 0)
          first = x;
        last = x;
        break;
      }
    }
  }
  return {first, last};
}

class QtTitlesTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(qt_test::ShowAndWait(form)); }
  void TearDown() override { qt_test::Settle(); }

  ui::Application app{qt_test::Backend()};
  TitlesForm form{app};
};

TEST_F(QtTitlesTest, EveryTitleIsShownWholeInsideItsColumn) {
  auto* view = PeerOf(form.racs)->findChild<QTableView*>();
  ASSERT_NE(view, nullptr);
  QHeaderView* titles = view->horizontalHeader();
  const QImage image = titles->grab().toImage();
  for (int i = 0; i < static_cast<int>(form.racs.Columns().size()); ++i) {
    SCOPED_TRACE(form.racs.Column(i).title);
    // The section without its separator line at the right and the line below.
    const QRect section(titles->sectionViewportPosition(i), 0, titles->sectionSize(i) - 1,
                        titles->height() - 1);
    const auto [first, last] = InkColumns(image, section);
    ASSERT_GE(first, 0) << "no title text";
    // Clear background on both sides: nothing of the text is cut off at an edge.
    EXPECT_GT(first, section.left() + 1);
    EXPECT_LT(last, section.right() - 1);
    if (form.racs.Column(i).title_alignment == ui::Alignment::kCenter) {
      EXPECT_LE(std::abs((first - section.left()) - (section.right() - last)), 3);
    }
  }
  EXPECT_TRUE(qt_test::GrabToPng(form, "titles"));
}

TEST_F(QtTitlesTest, ACentredTextBoxShowsItsLinesInItsMiddle) {
  auto* memo = PeerOf<QPlainTextEdit>(form.szoveg);
  ASSERT_NE(memo, nullptr);
  QWidget* viewport = memo->viewport();
  const QImage image = viewport->grab().toImage();
  const auto [first, last] = InkColumns(image, QRect(0, 0, viewport->width(), viewport->height()));
  ASSERT_GE(first, 0);
  const int middle = viewport->width() / 2;
  EXPECT_LE(std::abs((first + last) / 2 - middle), 4) << first << ".." << last;
  // Each line on its own: the short second line "c" is centred too.
  const QRect caret = memo->cursorRect(QTextCursor(memo->document()->findBlockByNumber(1)));
  EXPECT_GT(caret.left(), middle - 8);
}

}  // namespace
