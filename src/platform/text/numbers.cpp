// Numbers as text, independent of the C locale; ',' is the decimal separator.
//
// Integers follow the classic StrToInt: "$FF", "0xFF" and "0XFF" are hexadecimal, and a
// hexadecimal number of up to 32 bits is taken as a 32-bit pattern ("$FFFFFFFF" is -1,
// "$80000000" is -2147483648); a sign in front negates that value.
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

#include "platform/text/text.h"

namespace text {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
int HexValue(char c) {
  if (IsDigit(c))
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back()))
    s.remove_suffix(1);
  return s;
}

std::optional<std::string> NonFinite(double value) {
  if (std::isnan(value))
    return "NAN";
  if (std::isinf(value))
    return value < 0 ? "-INF" : "INF";
  return std::nullopt;
}

}  // namespace

std::string IntToStr(int64_t value) {
  std::array<char, 24> buf{};
  const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), value);
  return std::string(buf.data(), result.ptr);
}

std::string HundredthsToStr(int64_t hundredths) {
  std::string out = hundredths < 0 ? "-" : "";
  // The magnitude in 64 bits without negating the smallest value.
  const uint64_t magnitude =
      hundredths < 0 ? 0 - static_cast<uint64_t>(hundredths) : static_cast<uint64_t>(hundredths);
  std::array<char, 24> buf{};
  const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude / 100);
  out.append(buf.data(), result.ptr);
  const auto cents = static_cast<int>(magnitude % 100);
  if (cents != 0) {
    out += kDecimalSeparator;
    out += static_cast<char>('0' + cents / 10);
    if (cents % 10 != 0)
      out += static_cast<char>('0' + cents % 10);
  }
  return out;
}

std::optional<int32_t> TryStrToInt(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && IsBlank(s[i]))
    ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  bool hex = false;
  if (i < s.size() && s[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i == s.size())
    return std::nullopt;  // no digits at all

  uint64_t magnitude = 0;
  const uint64_t limit = hex ? 0xFFFFFFFFu : (negative ? 2147483648u : 2147483647u);
  for (; i < s.size(); ++i) {
    const int digit = hex ? HexValue(s[i]) : (IsDigit(s[i]) ? s[i] - '0' : -1);
    if (digit < 0)
      return std::nullopt;  // something trailing
    magnitude = magnitude * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
    if (magnitude > limit)
      return std::nullopt;
  }
  auto pattern = static_cast<uint32_t>(magnitude);
  if (negative)
    pattern = 0u - pattern;
  return static_cast<int32_t>(pattern);
}

int32_t StrToIntDef(std::string_view s, int32_t fallback) {
  return TryStrToInt(s).value_or(fallback);
}

std::string FloatToStr(double value) {
  if (auto special = NonFinite(value))
    return *special;
  if (value == 0)
    return "0";  // negative zero too

  // 15 significant digits, correctly rounded: "d.dddddddddddddde+XX".
  std::array<char, 40> buf{};
  const auto result =
      std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific, 14);
  const std::string_view sci(buf.data(), static_cast<std::size_t>(result.ptr - buf.data()));
  const std::size_t e_at = sci.find('e');
  int exponent = 0;
  std::from_chars(sci.data() + e_at + (sci[e_at + 1] == '+' ? 2 : 1), sci.data() + sci.size(),
                  exponent);

  const bool negative = sci.front() == '-';
  std::string digits;
  for (char c : sci.substr(0, e_at)) {
    if (IsDigit(c))
      digits += c;
  }
  while (digits.size() > 1 && digits.back() == '0')
    digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= 15 || exponent < -4) {
    out += digits[0];
    if (digits.size() > 1) {
      out += kDecimalSeparator;
      out.append(digits, 1);
    }
    out += 'E';
    out += IntToStr(exponent);
  } else if (exponent < 0) {
    out += '0';
    out += kDecimalSeparator;
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += digits;
  } else {
    const auto int_digits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= int_digits) {
      out += digits;
      out.append(int_digits - digits.size(), '0');
    } else {
      out.append(digits, 0, int_digits);
      out += kDecimalSeparator;
      out.append(digits, int_digits);
    }
  }
  return out;
}

// Rounds the shortest decimal form of the value (the digits one would write for it), so
// 2,675 gives "2,68" although the nearest double lies a hair below 2,675.
std::string FloatToStrFixed(double value, int decimals) {
  if (auto special = NonFinite(value))
    return *special;
  decimals = decimals < 0 ? 0 : (decimals > 340 ? 340 : decimals);

  std::array<char, 512> buf{};
  const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                    std::chars_format::fixed);
  const std::string_view shortest(buf.data(), static_cast<std::size_t>(result.ptr - buf.data()));
  const std::size_t dot = shortest.find('.');
  std::string int_part(shortest.substr(0, dot));
  std::string frac_part(dot == std::string_view::npos ? std::string_view{}
                                                      : shortest.substr(dot + 1));

  const auto keep = static_cast<std::size_t>(decimals);
  const bool round_up = frac_part.size() > keep && frac_part[keep] >= '5';
  frac_part.resize(keep, '0');
  if (round_up) {
    std::string all = int_part + frac_part;
    std::size_t k = all.size();
    while (k > 0 && all[k - 1] == '9')
      all[--k] = '0';
    if (k == 0) {
      all.insert(all.begin(), '1');
    } else {
      ++all[k - 1];
    }
    int_part = all.substr(0, all.size() - keep);
    frac_part = all.substr(all.size() - keep);
  }

  const bool all_zero = int_part.find_first_not_of('0') == std::string::npos &&
                        frac_part.find_first_not_of('0') == std::string::npos;
  std::string out = (std::signbit(value) && !all_zero) ? "-" : "";
  out += int_part;
  if (keep > 0) {
    out += kDecimalSeparator;
    out += frac_part;
  }
  return out;
}

std::optional<double> TryStrToFloat(std::string_view s) {
  s = TrimBlanks(s);
  std::string plain;  // the number rewritten for from_chars: '.' and no '+'
  plain.reserve(s.size());
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-')
      plain += '-';
    ++i;
  }
  // Decimal position of the leading digit, to tell an underflow from an overflow; the
  // counts saturate far beyond the range of a double.
  constexpr int kSaturate = 100000;
  int magnitude = 0;
  bool seen_nonzero = false;
  std::size_t mantissa_digits = 0;
  for (; i < s.size() && IsDigit(s[i]); ++i, ++mantissa_digits) {
    plain += s[i];
    if (seen_nonzero || s[i] != '0') {
      seen_nonzero = true;
      if (magnitude < kSaturate)
        ++magnitude;
    }
  }
  if (i < s.size() && s[i] == kDecimalSeparator) {
    plain += '.';
    for (++i; i < s.size() && IsDigit(s[i]); ++i, ++mantissa_digits) {
      plain += s[i];
      if (!seen_nonzero) {
        if (s[i] == '0') {
          if (magnitude > -kSaturate)
            --magnitude;
        } else {
          seen_nonzero = true;
        }
      }
    }
  }
  if (mantissa_digits == 0)
    return std::nullopt;

  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    plain += 'e';
    ++i;
    bool exp_negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
      exp_negative = s[i] == '-';
      if (exp_negative)
        plain += '-';
      ++i;
    }
    const std::size_t exp_start = i;
    int exponent = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
      plain += s[i];
      if (exponent < kSaturate)
        exponent = exponent * 10 + (s[i] - '0');
    }
    if (i == exp_start)
      return std::nullopt;
    magnitude += exp_negative ? -exponent : exponent;
  }
  if (i != s.size())
    return std::nullopt;

  double value = 0;
  const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (result.ptr != plain.data() + plain.size())
    return std::nullopt;
  if (result.ec == std::errc::result_out_of_range) {
    if (magnitude > 0)
      return std::nullopt;                     // too large for a double
    return plain.front() == '-' ? -0.0 : 0.0;  // too small: zero
  }
  if (result.ec != std::errc{})
    return std::nullopt;
  return value;
}

}  // namespace text
