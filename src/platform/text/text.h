// Text services of the program: Windows-1250 bytes in std::string.
//
// - the Windows-1250 <-> Unicode table (used only at the display boundary);
// - 1-based string helpers with the classic Pascal clamping rules;
// - ASCII-only letter case, and the folding of the nine accented capitals;
// - numbers as text, independent of the C locale, with ',' as the decimal separator.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace text {

// ---- Windows-1250 <-> Unicode -------------------------------------------------

// The Unicode code point of a Windows-1250 byte. The five bytes the code page leaves
// undefined (81, 83, 88, 90, 98) map to U+0081, U+0083, ... so every byte round-trips.
char32_t ToUnicode(unsigned char byte);

// The Windows-1250 byte of a code point; '?' for a character outside the code page.
unsigned char FromUnicode(char32_t code_point);

// Whole texts: Windows-1250 bytes <-> UTF-8. Malformed UTF-8 sequences become '?'.
std::string Cp1250ToUtf8(std::string_view cp1250);
std::string Utf8ToCp1250(std::string_view utf8);
// True when every sequence of the text is well-formed UTF-8 (plain ASCII is).
bool IsWellFormedUtf8(std::string_view text);

// ---- 1-based string helpers -------------------------------------------------------

// Position (1-based) of the first occurrence of `pattern` in `s`; 0 when absent.
// An empty pattern is never found.
int Pos(std::string_view pattern, std::string_view s);
// As Pos, but the search starts at position `from` (1-based; below 1 counts as 1).
int PosFrom(std::string_view pattern, std::string_view s, int from);

// The `count` characters of `s` from position `index`. An index below 1 counts as 1;
// an index past the end or a count below 1 gives "".
std::string Copy(std::string_view s, int index, int count);

// Removes `count` characters from position `index`. Nothing happens when the index is
// below 1 or past the end, or the count is below 1; the count is cut at the end.
void Delete(std::string& s, int index, int count);

// Inserts `source` before position `index`: below 1 counts as 1, past the end appends.
void Insert(std::string_view source, std::string& s, int index);

// The character at position `pos`; '\0' when `pos` is outside 1..length.
char CharAt(std::string_view s, int pos);

// Length as an int, the type the 1-based helpers count in.
int Length(std::string_view s);

// ---- Digits and letter case ---------------------------------------------------------

// '0'..'9' only
inline constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsUpperAsciiLetter(char c);            // 'A'..'Z' only
std::string UpperCase(std::string_view s);  // a-z -> A-Z, every other byte kept
std::string LowerCase(std::string_view s);  // A-Z -> a-z, every other byte kept
// LowerCase, and the nine accented capitals Á É Í Ó Ö Ő Ú Ü Ű to their small twins.
std::string FoldHungarianCapitals(std::string_view s);

// ---- Numbers as text ----------------------------------------------------------------

inline constexpr char kDecimalSeparator = ',';

std::string IntToStr(int64_t value);
// A count of hundredths as a number with at most two decimals, trailing zeros dropped:
// 2397 gives "23,97", 2500 "25", 1250 "12,5", -5 "-0,05".
std::string HundredthsToStr(int64_t hundredths);

// StrToInt in the classic sense: leading blanks, an optional sign, decimal digits or
// '$' / "0x" hexadecimal, within 32 bits, nothing trailing. nullopt when not a number.
std::optional<int32_t> TryStrToInt(std::string_view s);
// As TryStrToInt, `fallback` when the text is not a number.
int32_t StrToIntDef(std::string_view s, int32_t fallback);

// A real number as the classic FloatToStr writes it (up to 15 significant digits,
// no trailing zeros, ',' as the decimal separator, exponent form for very large or
// very small magnitudes).
std::string FloatToStr(double value);
// A real number with exactly `decimals` digits after ',' (rounded half away from zero).
std::string FloatToStrFixed(double value, int decimals);

// Parses a real number written with ',' (a '.' is not a decimal separator). Leading and
// trailing blanks are allowed; nullopt when the text is not a number.
std::optional<double> TryStrToFloat(std::string_view s);

}  // namespace text
