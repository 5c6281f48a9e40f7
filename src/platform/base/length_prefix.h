// A length written before the bytes it counts: seven bits a byte, the lowest first, every byte
// but the last with its top bit set. A length below 128 takes one byte.
#pragma once

#include <cstddef>

namespace base {

// The bytes the length of a run of `length` bytes takes.
inline std::size_t LengthPrefixBytes(std::size_t length) {
  std::size_t bytes = 1;
  for (; length >= 0x80; length >>= 7)
    ++bytes;
  return bytes;
}

// Writes `length` at `at`; gives the byte after it.
inline char* PutLengthPrefix(char* at, std::size_t length) {
  for (; length >= 0x80; length >>= 7)
    *at++ = static_cast<char>((length & 0x7F) | 0x80);
  *at++ = static_cast<char>(length);
  return at;
}

// Reads the length at `at` and moves `at` past it.
inline std::size_t TakeLengthPrefix(const char*& at) {
  std::size_t length = 0;
  for (int shift = 0;; shift += 7) {
    const auto byte = static_cast<unsigned char>(*at++);
    length |= static_cast<std::size_t>(byte & 0x7F) << shift;
    if (byte < 0x80)
      return length;
  }
}

}  // namespace base
