#include "shell/start.h"

namespace shell {

std::string ClassifyScreen(int width, int height) {
  if (width >= 1280 && height >= 1024)
    return std::string(kLayout1280);
  if (width >= 1024 && height >= 768)
    return std::string(kLayout1024);
  if (width >= 800 && height >= 600)
    return std::string(kLayout800);
  if (width < 800)
    return std::string(kLayoutTooSmall);
  return {};
}

std::string JoinArguments(const std::vector<std::string>& arguments) {
  std::string joined;
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (i > 0)
      joined += ' ';
    joined += arguments[i];
  }
  return joined;
}

std::optional<LayoutMenuStates> LayoutMenusFor(std::string_view screen_layout) {
  if (screen_layout == kLayout800)
    return LayoutMenuStates{false, true, true, false, true};
  if (screen_layout == kLayout1024)
    return LayoutMenuStates{true, false, true, true, false};
  if (screen_layout == kLayout1280)
    return LayoutMenuStates{true, true, false, true, false};
  return std::nullopt;
}

}  // namespace shell
