// How a row's text is shown over the film: cut into at most three lines, with the italic
// tags of the first two lines turned into an italic label. Pure text rules, no windows.
#pragma once

#include <array>
#include <string>
#include <string_view>

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

}  // namespace film
