// Rules of the editor window that need no window: which command-line file the editor opens at
// start, which popup the grid shows, how wheel turns become arrow keys, the clock's text.
#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

namespace editor {

// A command-line path the editor opens at start: its file name ends in ".srt" or ".sub",
// in any letter case.
bool IsStartSubtitle(const std::filesystem::path& path);

enum class GridPopup { kRacsPM, kBeTorlesPM, kNone };

// The grid's popup for a right-button release: over the second-text column `Szoveg2` the
// second text's popup while the current row (1-based) has a second text, none after the last
// one; over any other column the grid's own popup.
GridPopup GridPopupFor(std::string_view selected_field, int current_row, int second_text_rows);

// Wheel turns as arrow keys: one per 120 units of delta, however the delta arrives (a
// touchpad sends many small ones). `rest` keeps what has not yet made a whole key, and a turn
// the other way starts it over. Gives the keys to send: positive Up (away from the user),
// negative Down, 0 none.
int TakeWheelNotches(int& rest, int delta);

// The clock label's text: the short date and the long time, "2024.05.17. 09:05:03".
std::string ClockText(const std::tm& local);

}  // namespace editor
