#include "timecode/timecode.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>

#include "platform/text/text.h"

namespace timecode {
namespace {

constexpr int kTimeCodeLength = 12;

int DigitValue(char c) {
  return c - '0';
}

bool IsRateValid(FrameRate rate) {
  return rate.numerator > 0 && rate.denominator > 0;
}

// floor(a * b / c) for c > 0, held within int64_t.
int64_t FloorMulDiv(int64_t a, int64_t b, int64_t c) {
  const __int128 product = static_cast<__int128>(a) * b;
  __int128 quotient = product / c;
  if (product % c != 0 && product < 0) {
    --quotient;
  }
  constexpr __int128 kMax = std::numeric_limits<int64_t>::max();
  constexpr __int128 kMin = std::numeric_limits<int64_t>::min();
  if (quotient > kMax) {
    return std::numeric_limits<int64_t>::max();
  }
  if (quotient < kMin) {
    return std::numeric_limits<int64_t>::min();
  }
  return static_cast<int64_t>(quotient);
}

void PutTwoDigits(std::string& s, int index, int64_t value) {
  s[index] = static_cast<char>('0' + value / 10);
  s[index + 1] = static_cast<char>('0' + value % 10);
}

}  // namespace

std::optional<FrameRate> ParseFrameRate(std::string_view text) {
  constexpr size_t kMaxDigits = 6;
  const size_t comma = text.find(text::kDecimalSeparator);
  const std::string_view whole = text.substr(0, comma);
  const std::string_view fraction =
      comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
  if (whole.empty() || whole.size() > kMaxDigits || fraction.size() > kMaxDigits) {
    return std::nullopt;
  }
  if (comma != std::string_view::npos && fraction.empty()) {
    return std::nullopt;
  }
  FrameRate rate{0, 1};
  for (char c : whole) {
    if (!text::IsDigit(c)) {
      return std::nullopt;
    }
    rate.numerator = rate.numerator * 10 + DigitValue(c);
  }
  for (char c : fraction) {
    if (!text::IsDigit(c)) {
      return std::nullopt;
    }
    rate.numerator = rate.numerator * 10 + DigitValue(c);
    rate.denominator *= 10;
  }
  if (rate.numerator == 0) {
    return std::nullopt;
  }
  return rate;
}

namespace {

// `count` bytes from `at`, the first in the lowest bits.
std::uint64_t BytesFrom(const char* at, int count) {
  std::uint64_t value = 0;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&value, at, static_cast<std::size_t>(count));
    return value;
  }
  for (int i = 0; i < count; ++i) {
    value |= std::uint64_t{static_cast<unsigned char>(at[i])} << (8 * i);
  }
  return value;
}

// "hh:mm:ss": digits in bytes 0, 1, 3, 4, 6 and 7, colons in bytes 2 and 5; ",mmm": a comma in
// byte 0, digits in bytes 1 to 3.
constexpr std::uint64_t kClockDigits = 0xFFFF00FFFF00FFFF;
constexpr std::uint64_t kClockColons = 0x00003A00003A0000;
constexpr std::uint64_t kMillisDigits = 0xFFFFFF00;

// The bytes of `clock` and `millis` where a digit stands are digits. Each group of bytes is
// judged at once: a digit is a byte whose high half is 3 and whose low half stays below 16
// plus 6.
bool HasTimeCodeDigits(std::uint64_t clock, std::uint64_t millis) {
  constexpr std::uint64_t kHigh = 0xF0F0F0F0F0F0F0F0;
  constexpr std::uint64_t kLow = 0x0F0F0F0F0F0F0F0F;
  constexpr std::uint64_t kSix = 0x0606060606060606;
  constexpr std::uint64_t kThree = 0x3030303030303030;
  const bool clock_digits = (clock & kHigh & kClockDigits) == (kThree & kClockDigits) &&
                            (((clock & kLow) + kSix) & kHigh & kClockDigits) == 0;
  const bool millis_digits = (millis & kHigh & kMillisDigits) == (kThree & kMillisDigits) &&
                             (((millis & kLow) + kSix) & kHigh & kMillisDigits) == 0;
  return clock_digits && millis_digits;
}

// The twelve bytes at `c` hold "dd:dd:dd,ddd" with digits d.
bool HasTimeCodeShape(const char* c) {
  const std::uint64_t clock = BytesFrom(c, 8);
  const std::uint64_t millis = BytesFrom(c + 8, 4);
  return HasTimeCodeDigits(clock, millis) && (clock & ~kClockDigits) == kClockColons &&
         (millis & 0xFF) == ',';
}

// The milliseconds of the digits of a time code (its separators whatever they are).
int64_t MsOfTimeCodeDigits(std::uint64_t clock, const char* c) {
  // "hh:mm:ss" with each digit's value in its byte; then each byte holds ten times its value
  // plus the next one's, which gives the hours, minutes and seconds in bytes 0, 3 and 6 (no
  // byte runs past 255, so none spills into the next).
  const std::uint64_t digits = ((clock & kClockDigits) | kClockColons) - 0x3030303030303030;
  const std::uint64_t pairs = digits * 10 + (digits >> 8);
  const auto byte = [pairs](int index) {
    return static_cast<int64_t>((pairs >> (8 * index)) & 0xFF);
  };
  const int64_t millis =
      int64_t{DigitValue(c[9])} * 100 + DigitValue(c[10]) * 10 + DigitValue(c[11]);
  return byte(0) * 3'600'000 + byte(3) * 60'000 + byte(6) * 1'000 + millis;
}

}  // namespace

bool IsTimeCodeShape(std::string_view text) {
  return text.size() == kTimeCodeLength && HasTimeCodeShape(text.data());
}

int64_t TimeCodeMs(std::string_view text) {
  if (!IsTimeCodeShape(text)) {
    return kNoTimeCode;
  }
  return MsOfTimeCodeDigits(BytesFrom(text.data(), 8), text.data());
}

int64_t TimeCodeDigitsMs(std::string_view text) {
  if (text.size() != kTimeCodeLength) {
    return kNoTimeCode;
  }
  const std::uint64_t clock = BytesFrom(text.data(), 8);
  if (!HasTimeCodeDigits(clock, BytesFrom(text.data() + 8, 4))) {
    return kNoTimeCode;
  }
  return MsOfTimeCodeDigits(clock, text.data());
}

int64_t TimeCodeToMs(std::string_view time_code) {
  const int64_t ms = TimeCodeMs(time_code);
  return ms == kNoTimeCode ? 0 : ms;
}

double TimeCodeToSeconds(std::string_view time_code) {
  return static_cast<double>(TimeCodeToMs(time_code)) / 1000.0;
}

std::string MsToTimeCode(int64_t ms) {
  if (ms < 0) {
    ms = 0;
  }
  if (ms > kMaxTimeCodeMs) {
    ms = kMaxTimeCodeMs;
  }
  std::string s(kZeroTimeCode);
  PutTwoDigits(s, 0, ms / 3'600'000);
  PutTwoDigits(s, 3, ms / 60'000 % 60);
  PutTwoDigits(s, 6, ms / 1'000 % 60);
  const int64_t millis = ms % 1000;
  s[9] = static_cast<char>('0' + millis / 100);
  PutTwoDigits(s, 10, millis % 100);
  return s;
}

int64_t SecondsToMs(double seconds) {
  if (!(seconds > 0)) {
    return 0;  // negative, zero, -0 and NaN
  }
  if (seconds > static_cast<double>(kMaxTimeCodeMs) / 1000.0) {
    return kMaxTimeCodeMs;
  }
  // The printed form carries the value as the user sees it; its first three decimals are
  // the milliseconds. Below 0,00001 the form has an exponent, and the value is 0 ms.
  const std::string printed = text::FloatToStr(seconds);
  int64_t ms = 0;
  int decimals = -1;  // -1 until the separator is passed
  for (char c : printed) {
    if (c == text::kDecimalSeparator || c == '.') {
      decimals = 0;
    } else if (text::IsDigit(c)) {
      if (decimals < 0) {
        ms = ms * 10 + DigitValue(c);
      } else if (decimals < 3) {
        ms = ms * 10 + DigitValue(c);
        ++decimals;
      }
    } else {
      return 0;  // exponent form: a tiny value
    }
  }
  for (int i = decimals < 0 ? 0 : decimals; i < 3; ++i) {
    ms *= 10;
  }
  return ms > kMaxTimeCodeMs ? kMaxTimeCodeMs : ms;
}

std::string SecondsToTimeCode(double seconds) {
  return MsToTimeCode(SecondsToMs(seconds));
}

std::string DayClampedTimeCode(int64_t ms) {
  if (ms < 0) {
    return std::string(kZeroTimeCode);
  }
  if (ms > kDayEndMs) {
    return std::string(kDayEndTimeCode);
  }
  return MsToTimeCode(ms);
}

RowTimes ShiftRowTimes(std::string_view start, std::string_view end, int64_t shift_ms) {
  // Any shift beyond a few days clamps the same way; keeping it small keeps the sums exact.
  constexpr int64_t kLimit = 10 * kDayEndMs;
  const int64_t k = shift_ms > kLimit ? kLimit : shift_ms < -kLimit ? -kLimit : shift_ms;
  return RowTimes{DayClampedTimeCode(TimeCodeToMs(start) - k),
                  DayClampedTimeCode(TimeCodeToMs(end) - k)};
}

std::optional<int64_t> ParseFrameNumber(std::string_view text) {
  constexpr size_t kMaxDigits = 18;
  if (text.empty() || text.size() > kMaxDigits) {
    return std::nullopt;
  }
  int64_t value = 0;
  for (char c : text) {
    if (!text::IsDigit(c)) {
      return std::nullopt;
    }
    value = value * 10 + DigitValue(c);
  }
  return value;
}

std::string ClampedFrameNumber(int64_t frames) {
  if (frames < 0) {
    frames = 0;
  }
  if (frames > kMaxFrameNumber) {
    frames = kMaxFrameNumber;
  }
  return text::IntToStr(frames);
}

int64_t MsToFrames(int64_t ms, FrameRate rate) {
  if (!IsRateValid(rate)) {
    return 0;
  }
  // ms x (numerator / denominator) / 1000; the denominator is at most 10^6 by ParseFrameRate,
  // but any positive one is handled exactly.
  const __int128 divisor = static_cast<__int128>(rate.denominator) * 1000;
  if (divisor > std::numeric_limits<int64_t>::max()) {
    return 0;
  }
  return FloorMulDiv(ms, rate.numerator, static_cast<int64_t>(divisor));
}

int64_t FramesToMs(int64_t frames, FrameRate rate) {
  if (!IsRateValid(rate)) {
    return 0;
  }
  const __int128 factor = static_cast<__int128>(rate.denominator) * 1000;
  if (factor > std::numeric_limits<int64_t>::max()) {
    return 0;
  }
  return FloorMulDiv(frames, static_cast<int64_t>(factor), rate.numerator);
}

std::string TimeCodeToFrames(std::string_view time_code, FrameRate rate) {
  return text::IntToStr(MsToFrames(TimeCodeToMs(time_code), rate));
}

std::string FramesToTimeCode(int64_t frames, FrameRate rate) {
  return MsToTimeCode(FramesToMs(frames, rate));
}

int64_t ConvertFrameRate(int64_t value, FrameRate from, FrameRate to) {
  if (!IsRateValid(from) || !IsRateValid(to)) {
    return 0;
  }
  // value x (to.n / to.d) / (from.n / from.d) = value x to.n x from.d / (to.d x from.n)
  const __int128 multiplier = static_cast<__int128>(to.numerator) * from.denominator;
  const __int128 divisor = static_cast<__int128>(to.denominator) * from.numerator;
  constexpr __int128 kMax = std::numeric_limits<int64_t>::max();
  if (multiplier > kMax || divisor > kMax) {
    return 0;
  }
  return FloorMulDiv(value, static_cast<int64_t>(multiplier), static_cast<int64_t>(divisor));
}

}  // namespace timecode
