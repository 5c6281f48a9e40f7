// Drop-down boxes and scrolling lists in a real window, used with the mouse and the keys as a
// person uses them.
#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWindow>
#include <string>
#include <vector>

#include "platform/text/text.h"
#include "platform/ui/ui.h"
#include "qt_env.h"

namespace {

using qt_test::PeerOf;

constexpr int kListEntries = 56;

class ListsForm : public ui::Form {
 public:
  explicit ListsForm(ui::Application& app) : Form(app, "ListsForm") {
    SetCaption("Listák");
    SetBounds(40, 40, 620, 440);
    beosztas.SetItems({"Frame", "Time"});
    beosztas.SetItemIndex(1);
    cbFps.SetItems({"15", "20", "23,976", "24", "25", "29,976", "30"});
    cbFps.SetStyle(ui::ComboStyle::kDropDownList);
    cbFps.SetItemIndex(2);
    for (ui::ComboBox* box : {&beosztas, &cbFps, &static_cast<ui::ComboBox&>(Meghajto)}) {
      box->OnChange = [this, box] { changed.push_back(box->Name()); };
    }
    for (int i = 1; i <= kListEntries; ++i)
      Lista.AddItem("Formátum " + text::IntToStr(i), 0);
    std::vector<std::string> lines;
    for (int i = 1; i <= 40; ++i)
      lines.push_back("sor " + text::IntToStr(i));
    Sorok.SetItems(lines);
    Created();
  }

  // An editable box (the arrow opens it), a list-only box, the drive box.
  ui::ComboBox beosztas{*this, "beosztas", {8, 8, 100, 21}};
  ui::ComboBox cbFps{*this, "cbFps", {120, 8, 100, 21}};
  ui::DriveComboBox Meghajto{*this, "Meghajto", {232, 8, 200, 21}};
  // The export window's list: 56 entries, two rows of cells fit.
  ui::ListView Lista{*this, "Lista", {8, 40, 530, 168}};
  ui::ListBox Sorok{*this, "Sorok", {8, 220, 150, 120}};

  std::vector<std::string> changed;
};

class QtListsTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(qt_test::ShowAndWait(form)); }
  void TearDown() override {
    if (QWidget* popup = QApplication::activePopupWidget())
      popup->hide();
    qt_test::Settle();
  }

  // A click as a person makes it: press, a moment, release, through the window system (so
  // that an open list window gets the mouse, as it does on the screen).
  static void SlowClick(QWidget* widget, QPoint at) {
    QWindow* window = widget->window()->windowHandle();
    const QPoint in_window = widget->mapTo(widget->window(), at);
    QTest::mouseMove(window, in_window);
    QTest::mousePress(window, Qt::LeftButton, {}, in_window);
    QTest::qWait(120);
    QTest::mouseRelease(window, Qt::LeftButton, {}, in_window);
    qt_test::Settle();
  }

  static void Wheel(QWidget* widget, int delta) {
    const QPoint at(20, 20);
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &wheel);
  }

  ui::Application app{qt_test::Backend()};
  ListsForm form{app};
};

// Where a person clicks a box: anywhere on a list-only box, on the arrow of an editable one.
QPoint ClickPoint(const ui::ComboBox& box) {
  return box.Style() == ui::ComboStyle::kDropDownList ? QPoint(box.Width() / 3, box.Height() / 2)
                                                      : QPoint(box.Width() - 6, box.Height() / 2);
}

TEST_F(QtListsTest, AClickOpensTheListAndASecondClickChooses) {
  form.Meghajto.SetPlaces({{"/", "/"}, {"Saját mappa", "/home"}, {"tmp", "/tmp"}});
  form.Meghajto.SetItemIndex(0);
  for (ui::ComboBox* box :
       {&form.beosztas, &form.cbFps, &static_cast<ui::ComboBox&>(form.Meghajto)}) {
    SCOPED_TRACE(box->Name());
    form.changed.clear();
    auto* combo = PeerOf<QComboBox>(*box);
    ASSERT_NE(combo, nullptr);
    SlowClick(combo, ClickPoint(*box));
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }, 1000));
    // Still open a while after the release.
    QTest::qWait(50);
    ASSERT_TRUE(list->isVisible());
    EXPECT_TRUE(box->DroppedDown());
    EXPECT_TRUE(box->Focused());

    const int wanted = box->ItemIndex() == 0 ? 1 : 0;
    const QPoint item = list->visualRect(list->model()->index(wanted, 0)).center();
    SlowClick(list->viewport(), item);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !list->isVisible(); }, 1000));
    EXPECT_FALSE(box->DroppedDown());
    EXPECT_EQ(box->ItemIndex(), wanted);
    EXPECT_EQ(combo->currentIndex(), wanted);
    EXPECT_EQ(form.changed, std::vector<std::string>{box->Name()});
  }
}

TEST_F(QtListsTest, AClickOnAnOpenListsBoxClosesItWithoutAChoice) {
  auto* combo = PeerOf<QComboBox>(form.cbFps);
  SlowClick(combo, ClickPoint(form.cbFps));
  ASSERT_TRUE(QTest::qWaitFor([&] { return combo->view()->isVisible(); }, 1000));
  // The list window has the mouse: the press on the box is outside it.
  ASSERT_NE(QApplication::activePopupWidget(), nullptr);
  QTest::qWait(500);  // not the second click of a double click
  SlowClick(combo, ClickPoint(form.cbFps));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !combo->view()->isVisible(); }, 1000));
  EXPECT_FALSE(form.cbFps.DroppedDown());
  EXPECT_EQ(form.cbFps.ItemIndex(), 2);
  EXPECT_TRUE(form.changed.empty());
}

TEST_F(QtListsTest, KeysOpenTheListMoveInItAndChoose) {
  struct Case {
    Qt::Key open;
    Qt::KeyboardModifiers modifiers;
  };
  for (const Case& c : {Case{Qt::Key_Down, Qt::AltModifier}, Case{Qt::Key_F4, Qt::NoModifier}}) {
    SCOPED_TRACE(c.open);
    form.cbFps.SetItemIndex(2);
    form.changed.clear();
    form.cbFps.SetFocus();
    auto* combo = PeerOf<QComboBox>(form.cbFps);
    QTest::keyClick(combo, c.open, c.modifiers);
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }, 1000));
    EXPECT_TRUE(form.cbFps.DroppedDown());
    // In the open list the arrows move the highlight and Return chooses it.
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !list->isVisible(); }, 1000));
    EXPECT_EQ(form.cbFps.ItemIndex(), 4);
    EXPECT_EQ(form.cbFps.Text(), "25");
    EXPECT_FALSE(form.cbFps.DroppedDown());
  }
  // Escape in the open list closes it and keeps the item.
  auto* combo = PeerOf<QComboBox>(form.cbFps);
  QTest::keyClick(combo, Qt::Key_F4);
  ASSERT_TRUE(QTest::qWaitFor([&] { return combo->view()->isVisible(); }, 1000));
  QTest::keyClick(combo->view(), Qt::Key_Escape);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !combo->view()->isVisible(); }, 1000));
  EXPECT_FALSE(form.cbFps.DroppedDown());
  EXPECT_EQ(form.cbFps.ItemIndex(), 4);
  // A closed box's arrows still step through the items.
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(form.cbFps.ItemIndex(), 5);
  EXPECT_FALSE(combo->view()->isVisible());
}

// The scroll bar of a list of large icons, the one that shows the first row shown.
QScrollBar* BarOf(QWidget* peer) {
  return peer->findChild<QScrollBar*>();
}

TEST_F(QtListsTest, TheIconListScrollsWithItsBarTheWheelAndTheKeys) {
  ui::ListView& list = form.Lista;
  QWidget* peer = PeerOf(list);
  QScrollBar* bar = BarOf(peer);
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->isVisible());
  const int columns = list.Columns();
  const int last_row = (kListEntries - 1) / columns;
  ASSERT_GT(last_row, list.VisibleRows());
  // The bar sits inside the list, clear of the cells.
  EXPECT_GE(bar->x(), columns * ui::ListView::kCellWidth);

  QTest::mouseClick(peer, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(list.ItemIndex(), 0);
  // End selects the last entry and brings it into view.
  QTest::keyClick(peer, Qt::Key_End);
  EXPECT_EQ(list.ItemIndex(), kListEntries - 1);
  EXPECT_EQ(list.TopRow(), last_row - list.VisibleRows() + 1);
  EXPECT_EQ(bar->value(), list.TopRow());
  // The entry under the mouse is the one painted there.
  const int shown = (last_row - list.TopRow()) * ui::ListView::kCellHeight + 10;
  const int x = ((kListEntries - 2) % columns) * ui::ListView::kCellWidth + 10;
  QTest::mouseClick(peer, Qt::LeftButton, {}, QPoint(x, shown));
  EXPECT_EQ(list.ItemIndex(), kListEntries - 2);

  // Home, then Page Down moves a page of rows and keeps the selection in view.
  QTest::keyClick(peer, Qt::Key_Home);
  EXPECT_EQ(list.TopRow(), 0);
  QTest::keyClick(peer, Qt::Key_PageDown);
  EXPECT_EQ(list.ItemIndex(), list.VisibleRows() * columns);
  EXPECT_EQ(list.TopRow(), 1);
  QTest::keyClick(peer, Qt::Key_PageUp);
  EXPECT_EQ(list.ItemIndex(), 0);
  EXPECT_EQ(list.TopRow(), 0);

  // The wheel scrolls the rows (selection unchanged).
  Wheel(peer, -120);
  Wheel(peer, -120);
  EXPECT_EQ(list.TopRow(), 2);
  EXPECT_EQ(bar->value(), 2);
  EXPECT_EQ(list.ItemIndex(), 0);

  // The bar's lower part pages down; its arrow steps up.
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 30));
  EXPECT_EQ(list.TopRow(), 2 + list.VisibleRows());
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, 4));
  EXPECT_EQ(list.TopRow(), 1 + list.VisibleRows());
  EXPECT_TRUE(qt_test::GrabToPng(form, "lists"));
}

TEST_F(QtListsTest, TheListBoxScrollsWithItsBarTheWheelAndTheKeys) {
  ui::ListBox& list = form.Sorok;
  QWidget* peer = PeerOf(list);
  QScrollBar* bar = BarOf(peer);
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->isVisible());
  QTest::mouseClick(peer, Qt::LeftButton, {}, QPoint(10, 5));
  EXPECT_EQ(list.ItemIndex(), 0);
  QTest::keyClick(peer, Qt::Key_End);
  EXPECT_EQ(list.ItemIndex(), list.Count() - 1);
  EXPECT_EQ(list.TopIndex(), list.Count() - list.VisibleItemCount());
  EXPECT_EQ(bar->value(), list.TopIndex());
  QTest::keyClick(peer, Qt::Key_Home);
  EXPECT_EQ(list.TopIndex(), 0);
  QTest::keyClick(peer, Qt::Key_PageDown);
  EXPECT_EQ(list.ItemIndex(), list.VisibleItemCount());
  EXPECT_EQ(list.TopIndex(), 1);
  Wheel(peer, -120);
  EXPECT_EQ(list.TopIndex(), 4);
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 30));
  EXPECT_EQ(list.TopIndex(), 4 + list.VisibleItemCount());
}

}  // namespace
