#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "timecode/key_filters.h"

namespace timecode {
namespace {

enum class Filter { kTime, kTimeAtCaret, kDigit };

char Apply(Filter filter, char key, int caret) {
  switch (filter) {
    case Filter::kTime:
      return TimeKeyFilter(key);
    case Filter::kTimeAtCaret:
      return TimeKeyFilterAtCaret(key, caret);
    case Filter::kDigit:
      return DigitKeyFilter(key);
  }
  return key;
}

TEST(KeyFilters, PassOrTurnIntoEscape) {
  struct Case {
    Filter filter;
    char key;
    int caret;
    char result;
  };
  const char kDelete = 127;
  const std::vector<Case> cases = {
      {Filter::kTime, '0', 0, '0'},
      {Filter::kTime, '9', 0, '9'},
      {Filter::kTime, ':', 0, ':'},
      {Filter::kTime, ',', 0, ','},
      {Filter::kTime, kBackspace, 3, kBackspace},  // no caret rule here
      {Filter::kTime, '.', 0, kEscape},
      {Filter::kTime, 'a', 0, kEscape},
      {Filter::kTime, ' ', 0, kEscape},
      {Filter::kTime, '\r', 0, kEscape},
      {Filter::kTime, '\0', 0, kEscape},
      {Filter::kTime, '\xF5', 0, kEscape},  // ő
      {Filter::kTimeAtCaret, kBackspace, 0, kBackspace},
      {Filter::kTimeAtCaret, kBackspace, 2, kBackspace},
      {Filter::kTimeAtCaret, kBackspace, 3, kEscape},  // right after "00:"
      {Filter::kTimeAtCaret, kBackspace, 4, kBackspace},
      {Filter::kTimeAtCaret, kBackspace, 6, kEscape},
      {Filter::kTimeAtCaret, kBackspace, 9, kEscape},
      {Filter::kTimeAtCaret, kBackspace, 12, kBackspace},
      {Filter::kTimeAtCaret, '5', 3, '5'},
      {Filter::kTimeAtCaret, ':', 6, ':'},
      {Filter::kTimeAtCaret, kDelete, 3, kEscape},  // not a character the box takes
      {Filter::kTimeAtCaret, 'x', 1, kEscape},
      {Filter::kDigit, '0', 0, '0'},
      {Filter::kDigit, '7', 0, '7'},
      {Filter::kDigit, kBackspace, 3, kBackspace},
      {Filter::kDigit, ':', 0, kEscape},
      {Filter::kDigit, ',', 0, kEscape},
      {Filter::kDigit, '-', 0, kEscape},
      {Filter::kDigit, '\0', 0, kEscape},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Apply(c.filter, c.key, c.caret), c.result)
        << "filter " << static_cast<int>(c.filter) << " key " << static_cast<int>(c.key)
        << " caret " << c.caret;
  }
}

}  // namespace
}  // namespace timecode
