// How a row's text is shown over the film: cut into at most three lines, with the italic
// tags of the first two lines turned into an italic label. Pure text rules, no windows.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace film {

struct OverlayLabel {
  std::string text;  // empty: the label is hidden
  bool italic = false;
  bool operator==(const OverlayLabel&) const = default;
};

struct OverlayText {
  // The lines as cut at "|", tags kept (what the full-screen layer draws).
  std::array<std::string, 3> lines;
  // Lines up to the last one with text (0 to 3).
  int drawn_lines = 0;
  // The three labels of the windowed overlay.
  std::array<OverlayLabel, 3> labels;
  // Lines 1 and 2 are one italic span ("<i>" before the first, "</i>" after the second).
  bool italic_span = false;
};

// Up to three times the part before the first "|" becomes the next line; with no "|" left
// the rest is the next line; what follows a third "|" is never shown. A line that begins
// with "<i>" and whose first "</i>" ends it loses both tags and shows in italic; so do the
// first two lines together when the first begins with "<i>" (holding no "</i>") and the
// second ends with its only "</i>" (holding no "<i>"). The third line keeps its tags.
OverlayText LayOutOverlayText(std::string_view row_text);

// A line drawn over the full-screen picture: its text (tags kept) and the top-left corner of
// the text on the screen.
struct ScreenLine {
  std::string text;
  int left = 0;
  int top = 0;
  bool operator==(const ScreenLine&) const = default;
};

// The lines 1..n drawn on the full screen (n: up to the last line with text; an empty line
// between is left out). Line k stands at left = screen width / 2 - length x cw (cw 11 for the
// layout "1280x1024", 7 for the others) and, with d = 35 x n and H the screen height, at top
//   "1280x1024": H - d - 100, H - d - 60, H - d - 25
//   the others:  H - d - 50,  H - d - 15, H - d + 20.
std::vector<ScreenLine> FullScreenLines(const OverlayText& text, std::string_view screen_layout,
                                        int screen_width, int screen_height);

// The size of the full-screen text in points, by the layout the editor was created in:
// 35 for "1280x1024", 25 for "1024x768", 15 otherwise.
int FullScreenFontPoints(std::string_view screen_layout);

}  // namespace film
