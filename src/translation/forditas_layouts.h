// The translation window's two layouts, 1024x768 and 800x600, as tables: the window's fixed
// size and the place of each of its controls. The constructor places the window by the
// 1024x768 table; a layout switch places it by the table of the layout chosen.
#pragma once

#include <span>
#include <string_view>

#include "platform/ui/types.h"

namespace translation {

struct ControlPlace {
  std::string_view control;  // the control's name
  // An auto-sized label takes only the place: its text gives its size.
  ui::Rect bounds;
};

struct WindowLayout {
  int width = 0;
  int height = 0;
  // Every control of the window that a layout places, the same ones in each table.
  std::span<const ControlPlace> places;
};

const WindowLayout& TranslationLayout1024();
const WindowLayout& TranslationLayout800();

}  // namespace translation
