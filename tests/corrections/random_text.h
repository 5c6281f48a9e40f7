// Random row texts for the property tests of the corrections: up to the row text limit, each
// drawn from `alphabet`.
#pragma once

#include <cstddef>
#include <random>
#include <string>
#include <string_view>

#include "corrections/rules/change_list.h"

namespace corrections::testing {

inline std::string RandomText(std::mt19937& random, std::string_view alphabet) {
  std::uniform_int_distribution<int> length(0, kRowTextLimit);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::string text(static_cast<std::size_t>(length(random)), ' ');
  for (char& c : text)
    c = alphabet[pick(random)];
  return text;
}

}  // namespace corrections::testing
