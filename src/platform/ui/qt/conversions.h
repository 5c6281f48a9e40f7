// What crosses between the model and Qt: texts, colours, fonts, keys and shortcut texts.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <Qt>
#include <string>
#include <string_view>

#include "platform/ui/types.h"

namespace ui::qt {

// Windows-1250 bytes <-> Qt text; a character outside the code page becomes '?'.
QString ToQString(std::string_view cp1250);
std::string FromQString(const QString& text);

// A caption without its accelerator marks: "&Mentés" shows as "Mentés", "&&" as "&".
std::string WithoutAccelerators(std::string_view caption);

// A BGR colour of the model (0x00BBGGRR); a system colour (high bit set) by its index.
QColor ToQColor(Color color);

// "Arial" is Liberation Sans, every other name DejaVu Sans; the size is in pixels.
QFont ToQFont(const Font& font);

// A key as the model's dispatch takes it: the Windows virtual-key code, the modifiers and
// the Windows-1250 character it types (0 for none).
struct KeyInput {
  Key key = 0;
  ShiftState shift;
  char ch = 0;
};
// `scan_code` is the native key code (X11 key codes from 8 up; 0 when unknown).
KeyInput TranslateKey(int qt_key, Qt::KeyboardModifiers modifiers, unsigned scan_code,
                      const QString& text);
ShiftState ToShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = {});

// The text a menu shows for a shortcut, as the classic library writes it: "Ctrl+S",
// "Shift+Ctrl+S", "Esc", "F5"; "" for none.
std::string ShortCutText(ShortCut shortcut);

}  // namespace ui::qt
