#include "platform/ui/qt/conversions.h"

#include <array>
#include <utility>

#include "platform/text/text.h"

namespace ui::qt {

QString ToQString(std::string_view cp1250) {
  const std::string utf8 = text::Cp1250ToUtf8(cp1250);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return text::Utf8ToCp1250(std::string_view(utf8.constData(), utf8.size()));
}

std::string WithoutAccelerators(std::string_view caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        out += '&';
        ++i;
      }
      continue;
    }
    out += caption[i];
  }
  return out;
}

QColor ToQColor(Color color) {
  if (color < 0) {
    // A system colour: its index in the low byte.
    switch (color & 0xFF) {
      case 5:  // window
        return QColor(255, 255, 255);
      case 8:   // window text
      case 18:  // button text
        return QColor(0, 0, 0);
      case 13:  // highlight
        return QColor(0, 0, 128);
      case 14:  // highlight text
        return QColor(255, 255, 255);
      case 16:  // button shadow
        return QColor(160, 160, 160);
      default:  // button face and the rest
        return QColor(240, 240, 240);
    }
  }
  return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

QFont ToQFont(const Font& font) {
  QFont q(text::LowerCase(font.name) == "arial" ? QStringLiteral("Liberation Sans")
                                                : QStringLiteral("DejaVu Sans"));
  q.setPixelSize(font.size > 0 ? font.size : 11);
  q.setBold(font.bold);
  q.setItalic(font.italic);
  q.setUnderline(font.underline);
  return q;
}

ShiftState ToShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  ShiftState s;
  if (modifiers & Qt::ShiftModifier)
    s = s | ShiftState::kShift;
  if (modifiers & Qt::ControlModifier)
    s = s | ShiftState::kCtrl;
  if (modifiers & Qt::AltModifier)
    s = s | ShiftState::kAlt;
  if (buttons & Qt::LeftButton)
    s = s | ShiftState::kLeft;
  if (buttons & Qt::RightButton)
    s = s | ShiftState::kRight;
  if (buttons & Qt::MiddleButton)
    s = s | ShiftState::kMiddle;
  return s;
}

namespace {

// Keys whose virtual-key code does not depend on the layout.
Key FixedKey(int qt_key, bool keypad) {
  if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z)
    return static_cast<Key>(qt_key);
  if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9)
    return static_cast<Key>(keypad ? 0x60 + (qt_key - Qt::Key_0) : qt_key);
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24)
    return static_cast<Key>(keys::kF1 + (qt_key - Qt::Key_F1));
  if (keypad) {
    switch (qt_key) {
      case Qt::Key_Asterisk:
        return 0x6A;
      case Qt::Key_Plus:
        return 0x6B;
      case Qt::Key_Minus:
        return 0x6D;
      case Qt::Key_Period:
      case Qt::Key_Comma:
        return 0x6E;
      case Qt::Key_Slash:
        return 0x6F;
      default:
        break;
    }
  }
  switch (qt_key) {
    case Qt::Key_Backspace:
      return keys::kBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return keys::kTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return keys::kReturn;
    case Qt::Key_Escape:
      return keys::kEscape;
    case Qt::Key_Space:
      return keys::kSpace;
    case Qt::Key_PageUp:
      return keys::kPrior;
    case Qt::Key_PageDown:
      return keys::kNext;
    case Qt::Key_End:
      return keys::kEnd;
    case Qt::Key_Home:
      return keys::kHome;
    case Qt::Key_Left:
      return keys::kLeft;
    case Qt::Key_Up:
      return keys::kUp;
    case Qt::Key_Right:
      return keys::kRight;
    case Qt::Key_Down:
      return keys::kDown;
    case Qt::Key_Insert:
      return keys::kInsert;
    case Qt::Key_Delete:
      return keys::kDelete;
    case Qt::Key_Shift:
      return keys::kShift;
    case Qt::Key_Control:
      return keys::kControl;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
      return keys::kMenu;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
      return keys::kLWin;
    case Qt::Key_Menu:
      return 93;
    case Qt::Key_NumLock:
      return keys::kNumLock;
    case Qt::Key_CapsLock:
      return 20;
    case Qt::Key_Pause:
      return 19;
    case Qt::Key_Print:
      return 44;
    case Qt::Key_ScrollLock:
      return 145;
    default:
      return 0;
  }
}

// The punctuation keys by their place on the keyboard (X11 key codes), as the Windows
// layouts number them.
Key KeyOfScanCode(unsigned scan_code) {
  static constexpr std::array<std::pair<unsigned, Key>, 23> kTable{{
      {10, '1'},  {11, '2'},  {12, '3'},  {13, '4'},           {14, '5'},  {15, '6'},
      {16, '7'},  {17, '8'},  {18, '9'},  {19, '0'},           {20, 0xBD}, {21, 0xBB},
      {34, 0xDB}, {35, 0xDD}, {47, 0xBA}, {48, 0xDE},          {49, 0xC0}, {51, 0xDC},
      {59, 0xBC}, {60, 0xBE}, {61, 0xBF}, {94, keys::kOem102}, {0, 0},
  }};
  for (const auto& [code, key] : kTable) {
    if (code == scan_code && code != 0)
      return key;
  }
  return 0;
}

// The punctuation keys by the character Qt names them after (no native code: synthetic
// events), on the US layout.
Key KeyOfQtPunctuation(int qt_key) {
  switch (qt_key) {
    case Qt::Key_Comma:
    case Qt::Key_Less:
      return 0xBC;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
      return 0xBD;
    case Qt::Key_Period:
    case Qt::Key_Greater:
      return 0xBE;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
      return 0xBB;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
      return 0xBA;
    case Qt::Key_Slash:
    case Qt::Key_Question:
      return 0xBF;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
      return 0xC0;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
      return 0xDB;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
      return 0xDC;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
      return 0xDD;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
      return 0xDE;
    case Qt::Key_Exclam:
      return '1';
    case Qt::Key_At:
      return '2';
    case Qt::Key_NumberSign:
      return '3';
    case Qt::Key_Dollar:
      return '4';
    case Qt::Key_Percent:
      return '5';
    case Qt::Key_AsciiCircum:
      return '6';
    case Qt::Key_Ampersand:
      return '7';
    case Qt::Key_Asterisk:
      return '8';
    case Qt::Key_ParenLeft:
      return '9';
    case Qt::Key_ParenRight:
      return '0';
    default:
      return 0;
  }
}

// Keys that type no character whatever text the platform gives them.
bool TypesNothing(Key key) {
  switch (key) {
    case keys::kDelete:
    case keys::kInsert:
    case keys::kLeft:
    case keys::kRight:
    case keys::kUp:
    case keys::kDown:
    case keys::kHome:
    case keys::kEnd:
    case keys::kPrior:
    case keys::kNext:
    case keys::kShift:
    case keys::kControl:
    case keys::kMenu:
    case keys::kLWin:
    case keys::kNumLock:
      return true;
    default:
      return key >= keys::kF1 && key < keys::kF1 + 24;
  }
}

}  // namespace

KeyInput TranslateKey(int qt_key, Qt::KeyboardModifiers modifiers, unsigned scan_code,
                      const QString& text) {
  KeyInput in;
  in.shift = ToShiftState(modifiers);
  const bool keypad = (modifiers & Qt::KeypadModifier) != 0;
  in.key = FixedKey(qt_key, keypad);
  if (in.key == 0)
    in.key = KeyOfScanCode(scan_code);
  if (in.key == 0)
    in.key = KeyOfQtPunctuation(qt_key);
  if (in.key == 0 && !text.isEmpty())
    in.key = 0xDE;  // a letter of the national layout the tables do not name

  const bool ctrl = in.shift.Has(ShiftState::kCtrl);
  if (in.shift.Has(ShiftState::kAlt) || TypesNothing(in.key))
    return in;
  switch (in.key) {
    case keys::kReturn:
      in.ch = 13;
      return in;
    case keys::kEscape:
      in.ch = 27;
      return in;
    case keys::kBack:
      in.ch = 8;
      return in;
    case keys::kTab:
      in.ch = 9;
      return in;
    case keys::kSpace:
      in.ch = ctrl ? 0 : ' ';
      return in;
    default:
      break;
  }
  if (ctrl) {
    if (in.key >= 'A' && in.key <= 'Z')
      in.ch = static_cast<char>(in.key - 'A' + 1);
    return in;
  }
  if (text.isEmpty())
    return in;
  const char32_t code = text.toUcs4().value(0);
  if (code < 32 || code == 127)
    return in;
  in.ch = static_cast<char>(text::FromUnicode(code));
  return in;
}

std::string ShortCutText(ShortCut shortcut) {
  const Key key = shortcut & 0x1FFF;
  if (key == 0)
    return "";
  std::string out;
  if (shortcut & 0x2000)
    out += "Shift+";
  if (shortcut & 0x4000)
    out += "Ctrl+";
  if (shortcut & 0x8000)
    out += "Alt+";
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
    out += static_cast<char>(key);
    return out;
  }
  if (key >= keys::kF1 && key < keys::kF1 + 24)
    return out + "F" + text::IntToStr(key - keys::kF1 + 1);
  if (key >= 0x60 && key <= 0x69)
    return out + "Num " + static_cast<char>('0' + key - 0x60);
  switch (key) {
    case keys::kBack:
      return out + "BkSp";
    case keys::kTab:
      return out + "Tab";
    case keys::kReturn:
      return out + "Enter";
    case keys::kEscape:
      return out + "Esc";
    case keys::kSpace:
      return out + "Space";
    case keys::kPrior:
      return out + "PgUp";
    case keys::kNext:
      return out + "PgDn";
    case keys::kEnd:
      return out + "End";
    case keys::kHome:
      return out + "Home";
    case keys::kLeft:
      return out + "Left";
    case keys::kUp:
      return out + "Up";
    case keys::kRight:
      return out + "Right";
    case keys::kDown:
      return out + "Down";
    case keys::kInsert:
      return out + "Ins";
    case keys::kDelete:
      return out + "Del";
    case 0x6A:
      return out + "Num *";
    case 0x6B:
      return out + "Num +";
    case 0x6D:
      return out + "Num -";
    case 0x6F:
      return out + "Num /";
    case 0xBC:
      return out + ",";
    case 0xBD:
      return out + "-";
    case 0xBE:
      return out + ".";
    case keys::kOem102:
      return out + "Í";  // the key beside the left Shift on the Hungarian layout
    default:
      return out + "#" + text::IntToStr(key);
  }
}

}  // namespace ui::qt
