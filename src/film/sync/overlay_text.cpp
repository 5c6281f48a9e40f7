#include "film/sync/overlay_text.h"

namespace film {

namespace {

constexpr std::string_view kOpen = "<i>";
constexpr std::string_view kClose = "</i>";

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

// The first "</i>" is the line's last four characters.
bool EndsWithOnlyClose(std::string_view s) {
  const std::size_t close = s.find(kClose);
  return close != std::string_view::npos && close + kClose.size() == s.size();
}

OverlayLabel SingleLine(std::string_view line) {
  if (StartsWith(line, kOpen) && EndsWithOnlyClose(line) &&
      line.size() >= kOpen.size() + kClose.size()) {
    return {std::string(line.substr(kOpen.size(), line.size() - kOpen.size() - kClose.size())),
            true};
  }
  return {std::string(line), false};
}

}  // namespace

OverlayText LayOutOverlayText(std::string_view row_text) {
  OverlayText out;
  std::string_view rest = row_text;
  for (std::string& line : out.lines) {
    const std::size_t bar = rest.find('|');
    if (bar == std::string_view::npos) {
      line = std::string(rest);
      break;
    }
    line = std::string(rest.substr(0, bar));
    rest.remove_prefix(bar + 1);
  }
  for (int k = 3; k > 0; --k) {
    if (!out.lines[static_cast<std::size_t>(k - 1)].empty()) {
      out.drawn_lines = k;
      break;
    }
  }

  const std::string_view first = out.lines[0];
  const std::string_view second = out.lines[1];
  out.italic_span = !first.empty() && !second.empty() && StartsWith(first, kOpen) &&
                    first.find(kClose) == std::string_view::npos &&
                    second.find(kOpen) == std::string_view::npos && EndsWithOnlyClose(second);
  if (out.italic_span) {
    out.labels[0] = {std::string(first.substr(kOpen.size())), true};
    out.labels[1] = {std::string(second.substr(0, second.size() - kClose.size())), true};
  } else {
    out.labels[0] = SingleLine(first);
    out.labels[1] = SingleLine(second);
  }
  out.labels[2] = {out.lines[2], false};
  return out;
}

std::vector<ScreenLine> FullScreenLines(const OverlayText& text, std::string_view screen_layout,
                                        int screen_width, int screen_height) {
  const bool large = screen_layout == "1280x1024";
  const int char_width = large ? 11 : 7;
  const int n = text.drawn_lines;
  const int d = 35 * n;
  const int tops_large[] = {-100, -60, -25};
  const int tops_other[] = {-50, -15, 20};
  std::vector<ScreenLine> lines;
  for (int k = 0; k < n; ++k) {
    const std::string& line = text.lines[static_cast<std::size_t>(k)];
    if (line.empty())
      continue;
    const int length = static_cast<int>(line.size());
    lines.push_back({line, screen_width / 2 - length * char_width,
                     screen_height - d + (large ? tops_large : tops_other)[k]});
  }
  return lines;
}

int FullScreenFontPoints(std::string_view screen_layout) {
  if (screen_layout == "1280x1024")
    return 35;
  if (screen_layout == "1024x768")
    return 25;
  return 15;
}

}  // namespace film
