// Windows-1250 <-> Unicode, byte by byte and for whole texts.
#include <algorithm>
#include <array>
#include <utility>

#include "platform/text/text.h"

namespace text {
namespace {

// Code points of the bytes 80..FF. The five bytes the code page leaves undefined keep
// their own value (U+0081, ...), so that every byte survives a trip through Unicode.
constexpr std::array<char32_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

struct Reverse {
  char32_t code_point;
  unsigned char byte;
};

// kHighHalf inverted and sorted by code point, for a binary search.
constexpr std::array<Reverse, 128> MakeReverse() {
  std::array<Reverse, 128> out{};
  for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
    out[i] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
  }
  std::sort(out.begin(), out.end(),
            [](const Reverse& a, const Reverse& b) { return a.code_point < b.code_point; });
  return out;
}
constexpr std::array<Reverse, 128> kReverse = MakeReverse();

void AppendUtf8(char32_t cp, std::string& out) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {  // the table holds nothing beyond the Basic Multilingual Plane
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsContinuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

// Decodes the sequence at s[i]. Returns the code point (nullopt when malformed) and the
// number of bytes taken: a malformed sequence takes its lead byte and every continuation
// byte that was still acceptable, so it turns into a single '?'.
std::pair<std::optional<char32_t>, std::size_t> DecodeAt(std::string_view s, std::size_t i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  if (lead < 0x80)
    return {lead, 1};
  int extra = 0;
  char32_t cp = 0;
  unsigned char low = 0x80;   // range of the second byte (excludes overlong forms,
  unsigned char high = 0xBF;  // surrogates and code points above U+10FFFF)
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1;
    cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2;
    cp = lead & 0x0F;
    if (lead == 0xE0)
      low = 0xA0;
    if (lead == 0xED)
      high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3;
    cp = lead & 0x07;
    if (lead == 0xF0)
      low = 0x90;
    if (lead == 0xF4)
      high = 0x8F;
  } else {
    return {std::nullopt, 1};
  }
  std::size_t taken = 1;
  for (int k = 0; k < extra; ++k) {
    if (i + taken >= s.size())
      return {std::nullopt, taken};
    const auto c = static_cast<unsigned char>(s[i + taken]);
    const bool ok = k == 0 ? (c >= low && c <= high) : IsContinuation(c);
    if (!ok)
      return {std::nullopt, taken};
    cp = (cp << 6) | (c & 0x3F);
    ++taken;
  }
  return {cp, taken};
}

}  // namespace

char32_t ToUnicode(unsigned char byte) {
  return byte < 0x80 ? byte : kHighHalf[byte - 0x80];
}

unsigned char FromUnicode(char32_t code_point) {
  if (code_point < 0x80)
    return static_cast<unsigned char>(code_point);
  const auto it =
      std::lower_bound(kReverse.begin(), kReverse.end(), code_point,
                       [](const Reverse& entry, char32_t cp) { return entry.code_point < cp; });
  if (it != kReverse.end() && it->code_point == code_point)
    return it->byte;
  return '?';
}

std::string Cp1250ToUtf8(std::string_view cp1250) {
  std::string out;
  out.reserve(cp1250.size() + cp1250.size() / 4);
  for (char c : cp1250)
    AppendUtf8(ToUnicode(static_cast<unsigned char>(c)), out);
  return out;
}

std::string Utf8ToCp1250(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto [cp, taken] = DecodeAt(utf8, i);
    out += static_cast<char>(cp ? FromUnicode(*cp) : '?');
    i += taken;
  }
  return out;
}

bool IsWellFormedUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ++i;
      continue;
    }
    const auto [cp, taken] = DecodeAt(text, i);
    if (!cp)
      return false;
    i += taken;
  }
  return true;
}

}  // namespace text
