// Key filters of the time and frame entry boxes. Each takes the typed character and gives
// the character the box should receive; a refused key becomes Escape, which a box ignores.
#pragma once

#include <string_view>

namespace timecode {

inline constexpr char kBackspace = 8;
inline constexpr char kEscape = 27;
inline constexpr std::string_view kTimeKeyChars = "0123456789:,";
inline constexpr std::string_view kDigitKeyChars = "0123456789";

// Lets digits, ':', ',' and Backspace through.
char TimeKeyFilter(char key);

// As TimeKeyFilter, but refuses Backspace when the caret (0 = before the first character)
// stands right after a separator of a time code (3, 6 or 9), so the separators cannot be
// deleted backwards.
char TimeKeyFilterAtCaret(char key, int caret);

// Lets digits and Backspace through.
char DigitKeyFilter(char key);

}  // namespace timecode
