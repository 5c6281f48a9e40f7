// 1-based string helpers and ASCII letter case.
#include <climits>

#include "platform/text/text.h"

namespace text {

int Length(std::string_view s) {
  return s.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(s.size());
}

int Pos(std::string_view pattern, std::string_view s) {
  return PosFrom(pattern, s, 1);
}

int PosFrom(std::string_view pattern, std::string_view s, int from) {
  if (pattern.empty())
    return 0;
  if (from < 1)
    from = 1;
  if (from > Length(s))
    return 0;
  const std::size_t at = s.find(pattern, static_cast<std::size_t>(from - 1));
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

std::string Copy(std::string_view s, int index, int count) {
  if (index < 1)
    index = 1;
  if (index > Length(s) || count < 1)
    return {};
  return std::string(
      s.substr(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count)));
}

void Delete(std::string& s, int index, int count) {
  if (index < 1 || index > Length(s) || count < 1)
    return;
  s.erase(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count));
}

void Insert(std::string_view source, std::string& s, int index) {
  if (index < 1)
    index = 1;
  if (index > Length(s)) {
    s.append(source);
  } else {
    s.insert(static_cast<std::size_t>(index - 1), source);
  }
}

char CharAt(std::string_view s, int pos) {
  if (pos < 1 || pos > Length(s))
    return '\0';
  return s[static_cast<std::size_t>(pos - 1)];
}

bool IsUpperAsciiLetter(char c) {
  return c >= 'A' && c <= 'Z';
}

std::string UpperCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

std::string LowerCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (IsUpperAsciiLetter(c))
      c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::string FoldHungarianCapitals(std::string_view s) {
  std::string out = LowerCase(s);
  for (char& c : out) {
    switch (static_cast<unsigned char>(c)) {
      case 0xC1:  // Á
      case 0xC9:  // É
      case 0xCD:  // Í
      case 0xD3:  // Ó
      case 0xD5:  // Ő
      case 0xD6:  // Ö
      case 0xDA:  // Ú
      case 0xDB:  // Ű
      case 0xDC:  // Ü
        c = static_cast<char>(static_cast<unsigned char>(c) + 0x20);
        break;
      default:
        break;
    }
  }
  return out;
}

}  // namespace text
