#include "timecode/key_filters.h"

namespace timecode {
namespace {

char Allow(std::string_view allowed, char key) {
  return key == kBackspace || (key != '\0' && allowed.find(key) != std::string_view::npos)
             ? key
             : kEscape;
}

}  // namespace

char TimeKeyFilter(char key) {
  return Allow(kTimeKeyChars, key);
}

char TimeKeyFilterAtCaret(char key, int caret) {
  if (key == kBackspace && (caret == 3 || caret == 6 || caret == 9)) {
    return kEscape;
  }
  return TimeKeyFilter(key);
}

char DigitKeyFilter(char key) {
  return Allow(kDigitKeyChars, key);
}

}  // namespace timecode
