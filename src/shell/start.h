// What the start window decides before any window is involved: the screen's layout word,
// the subtitle named on the command line and the layout menus that fit the screen.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/state_words.h"

namespace shell {

// The layout word of a screen, first match wins: "1280x1024", "1024x768", "800x600", then
// "kicsi" for a screen narrower than 800; a screen at least 800 wide but under 600 high gets
// the empty word (the program runs without a layout of its own).
std::string ClassifyScreen(int width, int height);

// The subtitle path of the command line: every parameter, joined with single blanks, so a
// path with blanks given unquoted arrives whole. No parameter gives "".
std::string JoinArguments(const std::vector<std::string>& arguments);

// Which layout menu items are enabled on a screen: the item of the screen's own layout is
// disabled. The translation window has no 1280 x 1024 layout: there the 1024 x 768 item
// stands for it.
struct LayoutMenuStates {
  bool editor800 = true;     // the editor's "800X600"
  bool editor1024 = true;    // the editor's "1024X768"
  bool editor1280 = true;    // the editor's "1280x1024"
  bool forditas800 = true;   // the translation window's "800x600"
  bool forditas1024 = true;  // the translation window's "1024x768"
  bool operator==(const LayoutMenuStates&) const = default;
};

// nullopt for a word that changes none of them (the empty word, "kicsi").
std::optional<LayoutMenuStates> LayoutMenusFor(std::string_view screen_layout);

}  // namespace shell
