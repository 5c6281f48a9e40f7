// Every control kind in a real window, driven through Qt's own events and checked through
// the model.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWindow>
#include <filesystem>

#include "platform/ui/qt/conversions.h"
#include "platform/ui/ui.h"
#include "qt_env.h"

namespace {

using qt_test::PeerOf;

// A modal dialog with an OK and a cancel button.
class Dialog : public ui::Form {
 public:
  explicit Dialog(ui::Application& app) : Form(app, "Dialog") {
    SetCaption("Kérdés");
    SetBounds(200, 200, 260, 130);
    SetBorderStyle(ui::BorderStyle::kDialog);
    Kerdes.SetCaption("Biztosan mented a feliratot?");
    Bok.SetCaption("OK");
    Bok.SetKind(ui::ButtonKind::kOk);
    Bmegsem.SetCaption("Mégsem");
    Bmegsem.SetKind(ui::ButtonKind::kCancel);
    Created();
  }
  ui::Label Kerdes{*this, "Kerdes", {16, 16, 0, 0}};
  ui::BitBtn Bok{*this, "Bok", {40, 56, 75, 25}};
  ui::BitBtn Bmegsem{*this, "Bmegsem", {130, 56, 75, 25}};
};

// Every kind of control, a main menu with a disabled item and a popup menu.
class AllKinds : public ui::Form {
 public:
  AllKinds(ui::Application& app, Dialog& dialog) : Form(app, "AllKinds"), dialog_(dialog) {
    SetCaption("Minden vezérlő");
    SetBounds(10, 10, 640, 520);
    Cim.SetCaption("Felirat neve:");
    Nev.SetText("film.srt");
    Betuk.OnKeyPress = [](char& ch) {
      // The filter of the time boxes: a refused key becomes Escape, which the box ignores.
      if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'))
        ch = 27;
    };
    Bmodal.SetCaption("Kérdés...");
    Bmodal.OnClick = [this] { modal_result = dialog_.ShowModal(); };
    Bgyors.SetCaption("G");
    Bgyors.SetGroupIndex(1);
    Jelol.SetCaption("Színezés 2 sor felett");
    R1.SetCaption("Frame");
    R2.SetCaption("Time");
    R1.SetChecked(true);
    Csoport.SetCaption("Beállítások");
    Keret.SetCaption("Panel");
    Szoveg.SetLines({"Első sor", "Második sor"});
    Betu.SetMinValue(10);
    Betu.SetMaxValue(99);
    Betu.SetValue(37);
    Lista.SetItems({"Frame", "Time"});
    Lista.SetStyle(ui::ComboStyle::kDropDownList);
    Lista.SetItemIndex(0);
    Sorok.SetItems({"egy", "kettő", "három", "négy", "öt", "hat", "hét", "nyolc", "kilenc"});
    Ikonok.AddItem("SubRip", 0);
    Ikonok.AddItem("MicroDVD", 0);
    Ikonok.SetItemIndex(1);
    Szazalek.SetProgress(40);
    Kep.SetPicture(Stripes());
    Tarolo.SetColor(ui::colors::kBlack);
    Szuro.SetFilter("Feliratok (*.srt)|*.srt|Minden file (*.*)|*.*");

    Kivagas.SetShortCut(ui::MakeShortCut('X', ui::kCtrl));
    Kivagas.SetEnabled(false);
    Kivagas.OnClick = [this] { ++cut_clicks; };
    Kilepes.SetShortCut(ui::MakeShortCut(ui::keys::kEscape));
    Kilepes.OnClick = [this] { ++exit_clicks; };
    Torles.OnClick = [this] { ++popup_clicks; };
    Nev.SetPopupMenu(&Felugro);
    Created();
  }

  static ui::Picture Stripes() {
    ui::Picture p;
    p.width = 48;
    p.height = 32;
    for (int y = 0; y < p.height; ++y) {
      for (int x = 0; x < p.width; ++x) {
        const bool band = (x / 8) % 2 == 0;
        p.rgb.push_back(band ? 200 : 30);
        p.rgb.push_back(band ? 40 : 120);
        p.rgb.push_back(band ? 40 : 220);
      }
    }
    return p;
  }

  ui::MainMenu Menu1{*this, "Menu1"};
  ui::MenuItem File1{Menu1, "File1", "&File"};
  ui::MenuItem Kilepes{File1, "Kilepes", "Kilépés"};
  ui::MenuItem Szerk{Menu1, "Szerk", "Szerkesztés"};
  ui::MenuItem Kivagas{Szerk, "Kivagas", "2. sor első szava"};
  ui::PopupMenu Felugro{*this, "Felugro"};
  ui::MenuItem Torles{Felugro, "Torles", "Törlés"};

  ui::Label Cim{*this, "Cim", {8, 8, 0, 0}};
  ui::Edit Nev{*this, "Nev", {90, 6, 150, 21}};
  ui::Edit Betuk{*this, "Betuk", {250, 6, 100, 21}};
  ui::Button Bmodal{*this, "Bmodal", {360, 4, 90, 25}};
  ui::SpeedButton Bgyors{*this, "Bgyors", {460, 4, 25, 25}};
  ui::CheckBox Jelol{*this, "Jelol", {8, 40, 200, 17}};
  ui::GroupBox Csoport{*this, "Csoport", {8, 64, 220, 100}};
  ui::RadioButton R1{Csoport, "R1", {10, 20, 80, 17}};
  ui::RadioButton R2{Csoport, "R2", {10, 44, 80, 17}};
  ui::SpinEdit Betu{Csoport, "Betu", {110, 20, 60, 21}};
  ui::Panel Keret{*this, "Keret", {240, 40, 120, 60}};
  ui::Memo Szoveg{*this, "Szoveg", {240, 110, 200, 60}};
  ui::ComboBox Lista{*this, "Lista", {8, 176, 120, 21}};
  ui::ListBox Sorok{*this, "Sorok", {8, 204, 120, 80}};
  ui::ListView Ikonok{*this, "Ikonok", {140, 204, 180, 80}};
  ui::Gauge Szazalek{*this, "Szazalek", {330, 204, 150, 20}};
  ui::Image Kep{*this, "Kep", {490, 204, 48, 32}};
  ui::MediaHost Tarolo{*this, "Tarolo", {490, 244, 100, 40}};
  ui::DbEdit Mezo{*this, "Mezo", {330, 234, 150, 21}};
  ui::DbGrid Racs{*this, "Racs", {8, 296, 300, 120}};
  ui::DriveComboBox Meghajto{*this, "Meghajto", {320, 296, 150, 21}};
  ui::DirectoryListBox Mappak{*this, "Mappak", {320, 324, 150, 90}};
  ui::FileListBox Fajlok{*this, "Fajlok", {480, 324, 140, 90}};
  ui::FilterComboBox Szuro{*this, "Szuro", {480, 296, 140, 21}};

  int modal_result = -1;
  int cut_clicks = 0;
  int exit_clicks = 0;
  int popup_clicks = 0;

 private:
  Dialog& dialog_;
};

// The look of the message window: a blue form, white 13-pixel labels, OK-kind buttons.
class Message : public ui::Form {
 public:
  explicit Message(ui::Application& app) : Form(app, "Message") {
    SetCaption("Figyelem");
    SetBounds(0, 0, 380, 135);
    SetPosition(ui::FormPosition::kScreenCenter);
    SetColor(9988639);
    SetStayOnTop(true);
    SetBorderIcons({.system_menu = false, .minimize = false, .maximize = false});
    ui::Font font = GetFont();
    font.size = 13;
    font.color = ui::colors::kWhite;
    szoveg.SetFont(font);
    szoveg2.SetFont(font);
    szoveg.SetCaption("A file mentése sikerült.");
    szoveg2.SetCaption("Árvíztűrő tükörfúrógép: ő ű Ő Ű");
    Bigen.SetCaption("Igen");
    Bigen.SetKind(ui::ButtonKind::kYes);
    Bnem.SetCaption("Nem");
    Bnem.SetKind(ui::ButtonKind::kNo);
    Created();
  }
  ui::Label szoveg{*this, "szoveg", {68, 18, 0, 0}};
  ui::Label szoveg2{*this, "szoveg2", {68, 36, 0, 0}};
  ui::BitBtn Bigen{*this, "Bigen", {68, 66, 75, 25}};
  ui::BitBtn Bnem{*this, "Bnem", {160, 66, 75, 25}};
};

TEST(QtLookTest, MessageWindowIsBlueWithWhiteLabels) {
  ui::Application app{qt_test::Backend()};
  Message message{app};
  ASSERT_TRUE(qt_test::ShowAndWait(message));
  EXPECT_TRUE(qt_test::GrabToPng(message, "message"));
  QWidget* window = qt_test::WindowOf(message);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowCloseButtonHint);
  // Centred on the screen by the model.
  EXPECT_EQ(message.Left(), (app.GetScreen().Width() - 380) / 2);
  // The labels take the form's colour: the blue shows through beside the text.
  const QImage image = window->grab().toImage();
  const QPoint beside(message.szoveg.Left() + message.szoveg.Width() - 1, message.szoveg.Top() + 1);
  EXPECT_EQ(image.pixelColor(beside), QColor(31, 106, 152));
  // A close request of a form without a close box is ignored.
  window->close();
  qt_test::Settle();
  EXPECT_TRUE(message.Visible());
  message.Hide();
  qt_test::Settle();
}

class QtFormsTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(qt_test::ShowAndWait(all)); }
  void TearDown() override { qt_test::Settle(); }

  ui::Application app{qt_test::Backend()};
  Dialog dialog{app};
  AllKinds all{app, dialog};
};

TEST_F(QtFormsTest, EveryControlHasAPeerAtItsBounds) {
  for (ui::Control* c : all.AllControls()) {
    SCOPED_TRACE(c->Name());
    QWidget* w = PeerOf(*c);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->geometry(), QRect(c->Left(), c->Top(), c->Width(), c->Height()));
    EXPECT_TRUE(w->isVisible());
  }
  // A label sizes itself with the real font's metrics.
  const QFontMetrics fm(ui::qt::ToQFont(all.Cim.GetFont()));
  EXPECT_EQ(all.Cim.Width(), fm.horizontalAdvance(ui::qt::ToQString(all.Cim.Caption())));
  EXPECT_EQ(PeerOf<QLabel>(all.Cim)->text(), qt_test::U(u"Felirat neve:"));
  EXPECT_EQ(PeerOf<QGroupBox>(all.Csoport)->title(), qt_test::U(u"Beállítások"));
  EXPECT_EQ(PeerOf<QProgressBar>(all.Szazalek)->value(), 40);
  EXPECT_TRUE(PeerOf<QRadioButton>(all.R1)->isChecked());
  EXPECT_TRUE(qt_test::GrabToPng(all, "all_kinds"));
}

TEST_F(QtFormsTest, KeyFilterRefusesLettersInTheRealLineEdit) {
  all.Betuk.SetFocus();
  auto* edit = PeerOf<QLineEdit>(all.Betuk);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(QApplication::focusWidget(), edit);
  QTest::keyClicks(edit, "a1b2:C3");
  EXPECT_EQ(all.Betuk.Text(), "12:3");
  EXPECT_EQ(edit->text(), qt_test::U(u"12:3"));
  EXPECT_EQ(edit->cursorPosition(), 4);
}

TEST_F(QtFormsTest, Cp1250TextRoundTripsThroughALineEdit) {
  all.Nev.SetText("");
  all.Nev.SetFocus();
  auto* edit = PeerOf<QLineEdit>(all.Nev);
  const QString typed = qt_test::U(u"árvíztűrő ŐŰ ñ");
  for (QChar ch : typed) {
    QTest::sendKeyEvent(QTest::Click, edit, static_cast<Qt::Key>(ch.toUpper().unicode()),
                        QString(ch), Qt::NoModifier);
  }
  // ñ is not in Windows-1250: it arrives as "?".
  EXPECT_EQ(all.Nev.Text(), "árvíztűrő ŐŰ ?");
  EXPECT_EQ(edit->text(), qt_test::U(u"árvíztűrő ŐŰ ?"));
  all.Nev.SetText("Mégsem – «ő»");
  EXPECT_EQ(edit->text(), qt_test::U(u"Mégsem – «ő»"));
}

TEST_F(QtFormsTest, DisabledMenuItemSwallowsItsShortcut) {
  all.Nev.SetText("abc");
  all.Nev.SetFocus();
  all.Nev.SelectAll();
  auto* edit = PeerOf<QLineEdit>(all.Nev);
  QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(all.cut_clicks, 0);
  EXPECT_EQ(all.Nev.Text(), "abc");  // not cut: the key never reached the edit
  all.Kivagas.SetEnabled(true);
  QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(all.cut_clicks, 1);
  EXPECT_EQ(all.Nev.Text(), "abc");

  // Escape reaches "Kilépés" before any control.
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(all.exit_clicks, 1);

  // The menu shows the shortcut as text only: Qt has no shortcut of its own.
  QMenuBar* bar = qt_test::WindowOf(all)->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->actions().size(), 2);
  QMenu* edit_menu = bar->actions()[1]->menu();
  ASSERT_NE(edit_menu, nullptr);
  edit_menu->popup(qt_test::WindowOf(all)->mapToGlobal(QPoint(60, 20)));
  qt_test::Settle();
  ASSERT_EQ(edit_menu->actions().size(), 1);
  EXPECT_EQ(edit_menu->actions()[0]->text(), qt_test::U(u"2. sor első szava\tCtrl+X"));
  EXPECT_TRUE(edit_menu->actions()[0]->shortcut().isEmpty());
  edit_menu->hide();
}

TEST_F(QtFormsTest, ModalWindowOpenedFromAButtonReturnsWhenClosed) {
  qt_test::WhenModal(dialog, [this] {
    EXPECT_TRUE(qt_test::GrabToPng(dialog, "dialog"));
    EXPECT_FALSE(all.AcceptsInput());
    // A click on the window under the dialog does nothing.
    QTest::mouseClick(PeerOf(all.Jelol), Qt::LeftButton);
    EXPECT_FALSE(all.Jelol.Checked());
    QTest::mouseClick(PeerOf(dialog.Bok), Qt::LeftButton);
  });
  QTest::mouseClick(PeerOf(all.Bmodal), Qt::LeftButton);
  EXPECT_EQ(all.modal_result, ui::modal::kOk);
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(qt_test::WindowOf(dialog), nullptr);
  EXPECT_EQ(app.ActiveForm(), &all);

  // Escape in the dialog clicks its cancel button.
  qt_test::WhenModal(dialog, [this] { QTest::keyClick(PeerOf(dialog.Bok), Qt::Key_Escape); });
  all.Bmodal.SetFocus();
  QTest::keyClick(PeerOf(all.Bmodal), Qt::Key_Space);
  EXPECT_EQ(all.modal_result, ui::modal::kCancel);
}

TEST_F(QtFormsTest, MouseAndKeysWorkThroughTheModel) {
  QTest::mouseClick(PeerOf(all.Jelol), Qt::LeftButton);
  EXPECT_TRUE(all.Jelol.Checked());
  EXPECT_TRUE(PeerOf<QCheckBox>(all.Jelol)->isChecked());
  EXPECT_TRUE(all.Jelol.Focused());

  QTest::mouseClick(PeerOf(all.R2), Qt::LeftButton);
  EXPECT_TRUE(all.R2.Checked());
  EXPECT_FALSE(PeerOf<QRadioButton>(all.R1)->isChecked());

  // The second item of the list box, where the model puts it.
  const int h = all.Sorok.ItemHeight();
  QTest::mouseClick(PeerOf(all.Sorok), Qt::LeftButton, {}, QPoint(10, h + h / 2));
  EXPECT_EQ(all.Sorok.ItemIndex(), 1);
  QTest::keyClick(PeerOf(all.Sorok), Qt::Key_Down);
  EXPECT_EQ(all.Sorok.ItemIndex(), 2);

  // The spin edit's up arrow.
  QWidget* spin = PeerOf(all.Betu);
  QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(all.Betu.Width() - 5, 4));
  EXPECT_EQ(all.Betu.Value(), 38);

  // Tab moves the focus in the model's tab order, and Qt's focus follows.
  all.Nev.SetFocus();
  QTest::keyClick(PeerOf(all.Nev), Qt::Key_Tab);
  EXPECT_TRUE(all.Betuk.Focused());
  EXPECT_EQ(QApplication::focusWidget(), PeerOf(all.Betuk));

  // A memo counts a line break as CR LF; the widget as one character.
  all.Szoveg.SetText("");
  all.Szoveg.SetFocus();
  QTest::keyClicks(PeerOf(all.Szoveg)->findChild<QWidget*>(), "ab");
  QTest::keyClick(PeerOf(all.Szoveg), Qt::Key_Return);
  QTest::keyClicks(PeerOf(all.Szoveg), "c");
  EXPECT_EQ(all.Szoveg.Text(), "ab\r\nc");
  EXPECT_EQ(all.Szoveg.SelStart(), 5);
  auto* memo = PeerOf<QPlainTextEdit>(all.Szoveg);
  EXPECT_EQ(memo->toPlainText(), qt_test::U(u"ab\nc"));
  EXPECT_EQ(memo->textCursor().position(), 4);

  // A click in an edit puts the caret there.
  all.Nev.SetText("abcdef");
  auto* edit = PeerOf<QLineEdit>(all.Nev);
  const QPoint inside(25, edit->height() / 2);
  QTest::mouseClick(edit, Qt::LeftButton, {}, inside);
  EXPECT_TRUE(all.Nev.Focused());
  EXPECT_GT(all.Nev.SelStart(), 0);
  EXPECT_EQ(all.Nev.SelStart(), edit->cursorPositionAt(inside));
  EXPECT_EQ(edit->cursorPosition(), all.Nev.SelStart());
}

// The spin edit's arrows and arrow keys stop at the int extremes of a typed value.
TEST_F(QtFormsTest, SpinEditArrowsSaturateAtTheIntExtremes) {
  struct Case {
    const char* typed;
    bool up;
    bool by_key;
    const char* text;
  };
  const Case cases[] = {
      {"2147483647", true, false, "2147483647"}, {"-2147483648", false, false, "-2147483648"},
      {"2147483647", true, true, "2147483647"},  {"-2147483648", false, true, "-2147483648"},
      {"2147483646", true, false, "2147483647"},
  };
  // Equal bounds hold no value: the typed one is stepped as it is.
  all.Betu.SetMinValue(0);
  all.Betu.SetMaxValue(0);
  QWidget* spin = PeerOf(all.Betu);
  for (const Case& c : cases) {
    all.Betu.SetText(c.typed);
    if (c.by_key) {
      all.Betu.SetFocus();
      QTest::keyClick(spin->findChild<QLineEdit*>(), c.up ? Qt::Key_Up : Qt::Key_Down);
    } else {
      const int y = c.up ? 4 : all.Betu.Height() - 4;
      QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(all.Betu.Width() - 5, y));
    }
    EXPECT_EQ(all.Betu.Text(), c.text) << c.typed;
  }
}

TEST_F(QtFormsTest, ComboBoxChoiceAndWindowRequests) {
  int changes = 0;
  all.Lista.OnChange = [&] { ++changes; };
  auto* combo = PeerOf<QComboBox>(all.Lista);
  ASSERT_EQ(combo->count(), 2);
  // The user's choice from the list (Qt's own popup) reaches the model as a choice.
  combo->activated(1);
  EXPECT_EQ(all.Lista.ItemIndex(), 1);
  EXPECT_EQ(changes, 1);
  all.Lista.SetItemIndex(0);
  EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_EQ(changes, 1);

  // The close box goes to the model: the dialog kind hides, a form without one stays.
  all.SetCloseBox(false);
  qt_test::WindowOf(all)->close();
  qt_test::Settle();
  EXPECT_TRUE(all.Visible());
  all.SetCloseBox(true);
  qt_test::WindowOf(all)->close();
  qt_test::Settle();
  EXPECT_FALSE(all.Visible());
}

TEST_F(QtFormsTest, WheelGoesToTheModelNotToQtScrolling) {
  std::vector<int> deltas;
  app.OnMessage = [&](ui::Message& m, bool&) {
    if (m.kind == ui::MessageKind::kMouseWheel)
      deltas.push_back(m.wheel_delta);
  };
  all.Sorok.SetFocus();
  QWidget* list = PeerOf(all.Sorok);
  const QPoint at(10, 10);
  for (int delta : {-60, -60, -120}) {
    QWheelEvent wheel(at, list->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list, &wheel);
  }
  EXPECT_EQ(deltas, (std::vector<int>{-120, -120}));
  EXPECT_EQ(all.Sorok.TopIndex(), std::min(6, all.Sorok.Count() - all.Sorok.VisibleItemCount()));
}

TEST_F(QtFormsTest, TimersAndExposeRunTheModelsHandlers) {
  int ticks = 0;
  ui::Timer timer{all, "Timer1"};
  timer.SetInterval(5);
  timer.OnTimer = [&] {
    if (++ticks == 3)
      timer.SetEnabled(false);
  };
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks == 3; }, 5000));
  QTest::qWait(30);
  EXPECT_EQ(ticks, 3);

  int paints = 0;
  all.OnPaint = [&] { ++paints; };
  all.Hide();
  ASSERT_TRUE(qt_test::ShowAndWait(all));
  EXPECT_TRUE(QTest::qWaitFor([&] { return paints > 0; }, 5000));
}

}  // namespace
