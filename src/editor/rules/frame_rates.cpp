#include "editor/rules/frame_rates.h"

namespace editor {

const std::vector<std::string>& StandardFrameRates() {
  static const std::vector<std::string> rates = {"15", "20", "23,976", "24", "25", "29,976", "30"};
  return rates;
}

}  // namespace editor
