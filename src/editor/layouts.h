// The editor window's three layouts, named after the screen sizes they were made for, each
// with the film area shown above the grid or hidden with the grid in its place.
//
// A layout is data: tables of placements (a control by name, and whichever of its left,
// top, width, height, font size and visibility the layout sets). One function applies a
// table to a window. The window-size rule says how large the window is for a layout on a
// given screen. The editor's layout routines (FeliratForm::LayoutFor1280, ...) put these
// together; see editor/felirat_form.h.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ui {
class CheckBox;
class Control;
class Form;
}  // namespace ui

namespace editor {

enum class Layout { k1280, k1024, k800 };

// The layout of a ScreenLayout word: "1280x1024" and "1024x768" are theirs, any other
// word (the empty one too) is laid out as 800x600.
Layout LayoutOf(std::string_view screen_layout);
// "1280x1024", "1024x768" or "800x600".
std::string_view LayoutWord(Layout layout);
// The smallest screen a layout fits on.
int LayoutScreenWidth(Layout layout);
int LayoutScreenHeight(Layout layout);
// The layout's window size in the normal state.
int LayoutWindowWidth(Layout layout);
int LayoutWindowHeight(Layout layout);

// The show word of the layout routines: kIgen after the user switched layouts (the
// window is shown again at the end), kNem when the window is created (it stays hidden).
enum class LayoutShow { kNem, kIgen };

// ---- Window size ------------------------------------------------------------------------

enum class WindowFit {
  kCentred,    // normal state, the given size, centred on the screen
  kMaximised,  // maximised, the normal size kept
  kUnchanged,  // size and state as they are
};

struct WindowRule {
  WindowFit fit = WindowFit::kUnchanged;
  int width = 0;  // for kCentred
  int height = 0;
  bool operator==(const WindowRule&) const = default;
};

// The 1280x1024 layout is always a centred 1038 x 970 window. The other two are
// maximised on a screen of exactly their size, centred 1020 x 750 (808 x 574) on a wider
// screen, and leave the window as it is otherwise.
WindowRule WindowRuleFor(Layout layout, int screen_width, int screen_height);

// ---- Placement tables -------------------------------------------------------------------

// What a layout sets of one control; an empty field is left as it is. The font size is in
// points (8 is the window's usual size).
struct Placement {
  std::string_view control;
  std::optional<int> left = std::nullopt;
  std::optional<int> top = std::nullopt;
  std::optional<int> width = std::nullopt;
  std::optional<int> height = std::nullopt;
  std::optional<int> font_points = std::nullopt;
  std::optional<bool> visible = std::nullopt;
};

// Every control of the window that does not depend on the film area, in the order applied.
std::vector<Placement> LayoutPlacements(Layout layout);
// The places that change with the film area (the grid, the buttons beside it, the row
// buttons above it, the player's bounds).
std::span<const Placement> FilmAreaPlacements(Layout layout, bool shown);
// The overlay texts over the picture: their tops and font size.
std::span<const Placement> OverlayPlacements(Layout layout);

// The pixel height of a font size in points at 96 dpi (8 points is 11 pixels).
int PointsToPixels(int points);

// Applies the rows to the controls of `form` named in them; a row naming no control of
// the form is skipped. Gives the names it did not find.
std::vector<std::string> ApplyPlacements(ui::Form& form, std::span<const Placement> rows);

// ---- Captions measured in the window's own font -------------------------------------------

// Where the text of a check box's caption starts, right of its box.
inline constexpr int kCheckBoxTextOffset = 18;

// Puts `value` on the line of `caption`, just right of the caption's text as the font shows it.
void PlaceRightOf(const ui::Control& caption, ui::Control& value);

// Centres `inside` over the first run of blanks in the caption of `box`, as the font shows
// them, so that the caption's words stay readable on both sides of it.
void PlaceInBlankRun(const ui::CheckBox& box, ui::Control& inside);

// ---- The film player, as the layout routines need it ----------------------------------

// A film taken out of the player over a layout switch.
struct HeldFilm {
  std::string url;
  std::int64_t position_ms = 0;
};

// The film module gives the editor one of these (FeliratForm::layout_film); without one (and
// always in the build without the film player) the window has no film to keep.
class LayoutFilmPlayer {
 public:
  virtual ~LayoutFilmPlayer() = default;
  // The player holds a film: its URL is not empty.
  virtual bool HoldsFilm() const = 0;
  // Pauses the film and gives its URL and position.
  virtual HeldFilm PauseAndHold() = 0;
  // Opens the film again at its position, paused.
  virtual void Reopen(const HeldFilm& film) = 0;
  // Shows row `row` over the film again (the overlay painter, marking the row as shown).
  virtual void ShowOverlayRow(int row) = 0;
};

}  // namespace editor
