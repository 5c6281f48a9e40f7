// The colour a row of the editor's grid is painted in.
//
// In the "Time" base a row shorter than half a second is silver, whatever the options. With
// the option "Színezés ... betű felett" a row with a line longer than the letter limit is red;
// with "Színezés 2 sor felett" a row with a third, fourth or fifth line is green; green wins
// over red and both over silver. A row without text keeps what the time rule gave it, and so
// does every row while InternalUpdate is raised. Every cell of a row gets the same colour.
#pragma once

#include <string_view>

#include "platform/ui/types.h"

namespace editor {

inline constexpr ui::Color kShortRowColor = 12632256;  // silver, RGB 192, 192, 192
inline constexpr ui::Color kLongLineColor = ui::Bgr(255, 0, 0);
inline constexpr ui::Color kManyLinesColor = ui::Bgr(0, 128, 0);
inline constexpr int kShortRowMs = 500;

struct RowColouring {
  std::string_view time_base;
  bool colour_long_lines = false;  // `Cbtobb` ticked
  bool colour_many_lines = false;  // `CB3sor` ticked
  int letter_limit = 37;           // `SEbetu`
  bool internal_update = false;
};

struct PaintedRow {
  std::string_view start;
  std::string_view end;
  std::string_view text;
};

// The brush of a cell the grid painted with `painted`.
ui::Color RowBrush(ui::Color painted, const RowColouring& options, const PaintedRow& row);

}  // namespace editor
