#include "platform/ui/qt/conversions.h"

#include <gtest/gtest.h>

#include "qt_env.h"

namespace {

using ui::qt::KeyInput;
using ui::qt::TranslateKey;

TEST(QtConversionsTest, KeysBecomeVirtualKeysAndCharacters) {
  struct Case {
    int qt_key;
    Qt::KeyboardModifiers modifiers;
    unsigned scan;
    QString text;
    ui::Key key;
    ui::ShiftState shift;
    char ch;
  };
  const std::vector<Case> cases = {
      {Qt::Key_A, Qt::NoModifier, 38, QStringLiteral("a"), 'A', {}, 'a'},
      {Qt::Key_A, Qt::ShiftModifier, 38, QStringLiteral("A"), 'A', ui::kShift, 'A'},
      {Qt::Key_X, Qt::ControlModifier, 53, QStringLiteral("\x18"), 'X', ui::kCtrl, 24},
      {Qt::Key_F, Qt::AltModifier, 41, QStringLiteral("f"), 'F', ui::kAlt, 0},
      {Qt::Key_Return, Qt::NoModifier, 36, QStringLiteral("\r"), ui::keys::kReturn, {}, 13},
      {Qt::Key_Enter, Qt::KeypadModifier, 104, QStringLiteral("\r"), ui::keys::kReturn, {}, 13},
      {Qt::Key_Escape, Qt::NoModifier, 9, QStringLiteral("\x1b"), ui::keys::kEscape, {}, 27},
      {Qt::Key_Backspace, Qt::NoModifier, 22, QStringLiteral("\b"), ui::keys::kBack, {}, 8},
      {Qt::Key_Backtab, Qt::ShiftModifier, 23, QString(), ui::keys::kTab, ui::kShift, 9},
      {Qt::Key_Delete, Qt::NoModifier, 119, QStringLiteral("\x7f"), ui::keys::kDelete, {}, 0},
      {Qt::Key_F5, Qt::NoModifier, 71, QString(), ui::keys::kF5, {}, 0},
      {Qt::Key_Up, Qt::ControlModifier, 111, QString(), ui::keys::kUp, ui::kCtrl, 0},
      {Qt::Key_Space, Qt::ControlModifier, 65, QStringLiteral(" "), ui::keys::kSpace, ui::kCtrl, 0},
      {Qt::Key_7, Qt::KeypadModifier, 79, QStringLiteral("7"), 0x67, {}, '7'},
      {Qt::Key_Plus, Qt::KeypadModifier, 86, QStringLiteral("+"), 0x6B, {}, '+'},
      // The Hungarian layout: letters by their place, the key beside the left Shift.
      {Qt::Key_Odiaeresis, Qt::NoModifier, 19, qt_test::U(u"ö"), '0', {}, 'ö'},
      {Qt::Key_Iacute, Qt::ControlModifier, 94, qt_test::U(u"í"), ui::keys::kOem102, ui::kCtrl, 0},
      {Qt::Key_Comma, Qt::NoModifier, 0, QStringLiteral(","), 0xBC, {}, ','},
      // A character outside Windows-1250.
      {Qt::Key_Ntilde, Qt::NoModifier, 0, qt_test::U(u"ñ"), 0xDE, {}, '?'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.toStdString() + " " + std::to_string(c.qt_key));
    const KeyInput in = TranslateKey(c.qt_key, c.modifiers, c.scan, c.text);
    EXPECT_EQ(in.key, c.key);
    EXPECT_EQ(in.shift, c.shift);
    EXPECT_EQ(in.ch, c.ch);
  }
}

TEST(QtConversionsTest, ShortcutTextsAreTheClassicOnes) {
  const std::vector<std::pair<ui::ShortCut, std::string>> cases = {
      {ui::MakeShortCut('S', ui::kCtrl), "Ctrl+S"},
      {ui::MakeShortCut('S', ui::kCtrl | ui::kShift), "Shift+Ctrl+S"},
      {ui::MakeShortCut(ui::keys::kEscape), "Esc"},
      {ui::MakeShortCut(ui::keys::kF5), "F5"},
      {ui::MakeShortCut('0', ui::kCtrl), "Ctrl+0"},
      {ui::MakeShortCut(ui::keys::kOem102, ui::kCtrl), "Ctrl+Í"},
      {ui::MakeShortCut(ui::keys::kDelete, ui::kAlt), "Alt+Del"},
      {0, ""},
  };
  for (const auto& [shortcut, text] : cases)
    EXPECT_EQ(ui::qt::ShortCutText(shortcut), text);
}

TEST(QtConversionsTest, TextsAndColoursCrossTheBoundary) {
  EXPECT_EQ(ui::qt::ToQString("Mégsem"), qt_test::U(u"Mégsem"));
  EXPECT_EQ(ui::qt::FromQString(qt_test::U(u"árvíztűrő €")), "árvíztűrő €");
  EXPECT_EQ(ui::qt::FromQString(qt_test::U(u"\u65e5\u672c")), "\x3f\x3f");
  EXPECT_EQ(ui::qt::WithoutAccelerators("&Mentés && kilépés"), "Mentés & kilépés");
  EXPECT_EQ(ui::qt::ToQColor(9988639), QColor(31, 106, 152));
  EXPECT_EQ(ui::qt::ToQFont({.name = "Arial", .size = 13}).family(),
            QStringLiteral("Liberation Sans"));
  EXPECT_EQ(ui::qt::ToQFont({.name = "MS Sans Serif", .size = 11}).pixelSize(), 11);
}

}  // namespace
