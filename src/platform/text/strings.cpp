// 1-based string helpers and ASCII letter case.
#include <climits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/text/text.h"

namespace text {

int Length(std::string_view s) {
  return s.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(s.size());
}

int Pos(std::string_view pattern, std::string_view s) {
  return PosFrom(pattern, s, 1);
}

namespace {

// The first place at or after `start` where `pattern` (two bytes or more) stands in `s`, npos
// when there is none.
std::size_t FindFrom(std::string_view s, std::string_view pattern, std::size_t start) {
  const std::size_t length = pattern.size();
  if (s.size() < length || start > s.size() - length)
    return std::string_view::npos;
  const char* const begin = s.data();
  const std::size_t last_start = s.size() - length;  // the last place it can begin
  const auto same_from = [&](std::size_t at, std::size_t from) {
    for (std::size_t i = from; i < length; ++i) {
      if (begin[at + i] != pattern[i])
        return false;
    }
    return true;
  };
#if defined(__SSE2__)
  // Sixteen places at a time: a place is a candidate when the pattern's first two bytes stand
  // there. The second load reads one byte further, which the pattern's length leaves room for.
  // The places the blocks leave at the end are looked at in the last sixteen places.
  if (last_start - start >= 15) {
    const __m128i first = _mm_set1_epi8(pattern[0]);
    const __m128i second = _mm_set1_epi8(pattern[1]);
    const auto candidates_at = [&](std::size_t from) {
      const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(begin + from));
      const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(begin + from + 1));
      return static_cast<unsigned>(_mm_movemask_epi8(
          _mm_and_si128(_mm_cmpeq_epi8(here, first), _mm_cmpeq_epi8(next, second))));
    };
    const auto first_match = [&](std::size_t from, unsigned candidates) {
      for (; candidates != 0; candidates &= candidates - 1) {
        const std::size_t at = from + static_cast<std::size_t>(__builtin_ctz(candidates));
        if (same_from(at, 2))
          return at;
      }
      return std::string_view::npos;
    };
    for (; start + 15 <= last_start; start += 16) {
      if (const std::size_t found = first_match(start, candidates_at(start));
          found != std::string_view::npos)
        return found;
    }
    // The places looked at again hold no match: the first one found is still the first.
    return start > last_start ? std::string_view::npos
                              : first_match(last_start - 15, candidates_at(last_start - 15));
  }
#endif
  for (; start <= last_start; ++start) {
    if (begin[start] == pattern[0] && same_from(start, 1))
      return start;
  }
  return std::string_view::npos;
}

}  // namespace

int PosFrom(std::string_view pattern, std::string_view s, int from) {
  if (pattern.empty())
    return 0;
  if (from < 1)
    from = 1;
  if (from > Length(s))
    return 0;
  const std::size_t start = static_cast<std::size_t>(from - 1);
  // A single byte is memchr's work; longer patterns are searched by their first two bytes.
  const std::size_t at =
      pattern.size() == 1 ? s.find(pattern[0], start) : FindFrom(s, pattern, start);
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
