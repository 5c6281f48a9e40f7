// The translation window's line editors in real Qt widgets: a character typed into the grid lands
// in the line editor once, Enter stores and moves on, Escape puts the stored value back.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "platform/desktop/temp_folder.h"
#include "qt_env.h"
#include "shell/fo_form.h"
#include "shell/program.h"
#include "translation/forditas.h"

namespace {

using qt_test::PeerOf;

class QtTranslationEditors : public testing::Test {
 protected:
  void SetUp() override {
    desktop_test::WriteBytes(folder / "source.srt",
                             "1\r\n00:00:01,000 --> 00:00:02,000\r\nOne\r\n\r\n"
                             "2\r\n00:00:03,000 --> 00:00:04,000\r\nTwo\r\n");
    program.state.StartState = "For";
    shell::ResetTranslationWindow(program);
    ASSERT_TRUE(qt_test::ShowAndWait(f()));
    program.state.CurrentFilePath = files::ShownPath(folder / "source.srt");
    f().LoadSourceSubtitle();
    qt_test::Settle();
  }
  void TearDown() override {
    f().Hide();
    qt_test::Settle();
  }
  translation::TForditas& f() { return *program.Forditas; }
  // The keys go where Qt's focus is, as a user's keys would.
  static void Keys(const char* keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
  static void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

  desktop_test::TempFolder folder;
  ui::Application app{qt_test::Backend()};
  shell::Program program{app, shell::ProgramOptions{}};
};

TEST_F(QtTranslationEditors, TypingIntoTheGridOverwritesInTheEditorAndEnterStoresIt) {
  translation::TForditas& w = f();
  w.Racsef.SetSelectedIndex(0);
  w.Racsef.SetFocus();
  qt_test::Settle();
  ASSERT_TRUE(w.Racsef.Focused());
  Keys("0");
  qt_test::Settle();
  auto* start = PeerOf<QLineEdit>(w.Edit0);
  ASSERT_NE(start, nullptr);
  EXPECT_EQ(QApplication::focusWidget(), start);
  EXPECT_EQ(w.Edit0.Text(), "0");
  EXPECT_EQ(start->text(), qt_test::U(u"0"));
  EXPECT_EQ(start->cursorPosition(), 1);
  Keys("0:00:05,000");
  EXPECT_EQ(w.Edit0.Text(), "00:00:05,000");
  Key(Qt::Key_Return);
  qt_test::Settle();
  EXPECT_EQ(w.cdsE.Cell(1, dataset::translation_field::kKezdes), "00:00:05,000");
  EXPECT_EQ(QApplication::focusWidget(), PeerOf<QLineEdit>(w.Edit1));
  // Escape drops the typing and goes back to the grid.
  // The end editor takes 12 characters: the last one goes before another is typed.
  w.Edit1.SetSelStart(12);
  Key(Qt::Key_Backspace);
  Keys("9");
  EXPECT_EQ(w.Edit1.Text(), "00:00:02,009");
  Key(Qt::Key_Escape);
  qt_test::Settle();
  EXPECT_EQ(w.Edit1.Text(), "00:00:02,000");
  EXPECT_EQ(PeerOf<QLineEdit>(w.Edit1)->text(), qt_test::U(u"00:00:02,000"));
  EXPECT_TRUE(w.Racsef.Focused());
  EXPECT_EQ(w.cdsE.Cell(1, dataset::translation_field::kBefejezes), "00:00:02,000");
}

TEST_F(QtTranslationEditors, TheTextEditorStoresWithEnterAndGivesTheFocusBackToTheGrid) {
  translation::TForditas& w = f();
  w.Racsef.SetSelectedIndex(2);
  w.Racsef.SetFocus();
  qt_test::Settle();
  Keys("Egy");
  Key(Qt::Key_Return);
  qt_test::Settle();
  EXPECT_EQ(w.cdsE.Cell(1, dataset::translation_field::kSzoveg), "Egy");
  EXPECT_TRUE(w.Racsef.Focused());
  EXPECT_EQ(w.Racsef.SelectedIndex(), 2);
  // Down in the grid shows the next row in the editors.
  Key(Qt::Key_Down);
  qt_test::Settle();
  EXPECT_EQ(w.cdsE.RecNo(), 2);
  EXPECT_EQ(w.Edit2.Text(), "");
}

}  // namespace
