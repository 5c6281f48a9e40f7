// The frame rate read from a film file, as the editor's frame-rate box takes it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace editor {

// A rate as the general number format writes rate / scale ("25", "29,97002997003"); empty
// when the scale is 0.
std::string FrameRateText(std::uint32_t rate, std::uint32_t scale);

struct ExtractedFps {
  enum class Action {
    kSelect,    // select `text` in the box, adding it to the list when it is new
    kIgnore,    // leave the box as it is
    kUnusable,  // the rate cannot be given to the box
  };
  Action action = Action::kUnusable;
  std::string text;
  bool operator==(const ExtractedFps&) const = default;
};

// The rule for a rate text: of a text longer than two characters the first six count;
// "23,976" and "29,976" are taken as they are, any other number is rounded to two decimals
// (halves to the even digit) and written without trailing zeros ("29,970" gives "29,97").
// A two-character text is one of the whole rates "15", "20", "24", "25", "30", or another
// whole rate ("12", "50", "60"), which is taken and added like any other; a two-character
// text that is no rate is ignored. A shorter text, one that is not a plain decimal number, and a
// rate that rounds to 0 are unusable.
ExtractedFps ChooseExtractedFps(std::string_view rate_text);

}  // namespace editor
