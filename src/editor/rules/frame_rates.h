// The frame rates the editor offers, as the rate boxes show them (decimal comma).
#pragma once

#include <string>
#include <vector>

namespace editor {

// "15", "20", "23,976", "24", "25", "29,976", "30", in this order.
const std::vector<std::string>& StandardFrameRates();

// The rate a new editor starts with.
inline constexpr const char* kDefaultFrameRate = "23,976";

}  // namespace editor
