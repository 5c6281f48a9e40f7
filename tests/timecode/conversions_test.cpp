#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "timecode/timecode.h"

namespace timecode {
namespace {

const FrameRate kRate25{25, 1};
const FrameRate kRate23976{23976, 1000};

TEST(TimeCodeToMs, ReadsEveryField) {
  struct Case {
    std::string text;
    int64_t ms;
  };
  const std::vector<Case> cases = {
      {"", 0},
      {"00:00:00,000", 0},
      {"00:00:00,001", 1},
      {"00:00:05,300", 5'300},
      {"01:10:34,567", 4'234'567},
      {"23:59:59,999", 86'399'999},
      {"24:00:00,000", 86'400'000},
      {"99:99:99,999", 99 * 3'600'000 + 99 * 60'000 + 99 * 1'000 + 999},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TimeCodeToMs(c.text), c.ms) << c.text;
  }
}

// Every byte in every place of a time code: only a digit where a digit stands, and the very
// separator where one stands, keeps the shape.
TEST(IsTimeCodeShape, EveryByteInEveryPlace) {
  const std::string code = "12:34:56,789";
  for (std::size_t at = 0; at < code.size(); ++at) {
    for (int byte = 0; byte < 256; ++byte) {
      std::string text = code;
      text[at] = static_cast<char>(byte);
      const bool separator = at == 2 || at == 5 || at == 8;
      const bool expected = separator ? text[at] == code[at] : byte >= '0' && byte <= '9';
      EXPECT_EQ(IsTimeCodeShape(text), expected) << at << ' ' << byte;
      EXPECT_EQ(TimeCodeMs(text) != kNoTimeCode, expected) << at << ' ' << byte;
      // Any byte may stand for a separator when only the digits are judged.
      const int64_t digits_ms = TimeCodeDigitsMs(text);
      EXPECT_EQ(digits_ms != kNoTimeCode, separator || expected) << at << ' ' << byte;
      if (separator) {
        EXPECT_EQ(digits_ms, TimeCodeMs(code)) << at << ' ' << byte;
      }
    }
  }
}

// Every digit in every place of a time code reads as the value of its place.
TEST(TimeCodeMs, EveryDigitInEveryPlace) {
  const std::string code = "00:00:00,000";
  const int64_t place[] = {36'000'000, 3'600'000, 0, 600'000, 60'000, 0,
                           10'000,     1'000,     0, 100,     10,     1};
  for (std::size_t at = 0; at < code.size(); ++at) {
    if (place[at] == 0)
      continue;
    for (int digit = 0; digit <= 9; ++digit) {
      std::string text = code;
      text[at] = static_cast<char>('0' + digit);
      EXPECT_EQ(TimeCodeMs(text), digit * place[at]) << text;
      EXPECT_EQ(TimeCodeDigitsMs(text), digit * place[at]) << text;
    }
  }
  EXPECT_EQ(TimeCodeMs("99:99:99,999"), 99 * 3'600'000 + 99 * 60'000 + 99 * 1'000 + 999);
}

TEST(TimeCodeToMs, MalformedTextGivesZero) {
  const std::vector<std::string> texts = {
      "0",
      "01",
      "01:10",
      "1:10:34,567",    // one hour digit
      "01:10:34,5678",  // too long
      "01:10:34.567",   // '.' for ','
      "01;10:34,567",   // wrong separator
      "01:10:34,56a",   // letter
      "-1:10:34,567",   // sign
      "01:10:34,567 ",  // trailing blank
      std::string(12, '\0'),
  };
  for (const std::string& t : texts) {
    EXPECT_EQ(TimeCodeToMs(t), 0) << t;
    EXPECT_EQ(TimeCodeToSeconds(t), 0.0) << t;
    EXPECT_EQ(TimeCodeToFrames(t, kRate25), "0") << t;
  }
}

TEST(TimeCodeToSeconds, IsTheNearestDouble) {
  EXPECT_EQ(TimeCodeToSeconds("01:10:34,567"), 4234.567);
  EXPECT_EQ(TimeCodeToSeconds("00:00:05,300"), 5.3);
  EXPECT_EQ(TimeCodeToSeconds("00:00:00,000"), 0.0);
}

TEST(MsToTimeCode, WritesAndClamps) {
  struct Case {
    int64_t ms;
    std::string text;
  };
  const std::vector<Case> cases = {
      {0, "00:00:00,000"},
      {7, "00:00:00,007"},
      {59'500, "00:00:59,500"},
      {3'599'500, "00:59:59,500"},
      {4'234'567, "01:10:34,567"},
      {86'400'000, "24:00:00,000"},
      {kMaxTimeCodeMs, "99:59:59,999"},
      {kMaxTimeCodeMs + 1, "99:59:59,999"},
      {std::numeric_limits<int64_t>::max(), "99:59:59,999"},
      {-1, "00:00:00,000"},
      {std::numeric_limits<int64_t>::min(), "00:00:00,000"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MsToTimeCode(c.ms), c.text) << c.ms;
  }
}

TEST(SecondsToTimeCode, CutsAfterTheThirdDecimal) {
  struct Case {
    double seconds;
    std::string text;
  };
  const std::vector<Case> cases = {
      {0.0, "00:00:00,000"},
      {59.5, "00:00:59,500"},
      {3599.5, "00:59:59,500"},
      {86'400.0, "24:00:00,000"},
      {5.3, "00:00:05,300"},  // held as a hair below 5.3
      {4.170837504170838, "00:00:04,170"},
      {0.12, "00:00:00,120"},
      {0.0009, "00:00:00,000"},
      {1e-7, "00:00:00,000"},                      // printed with an exponent
      {std::nextafter(5.0, 0.0), "00:00:05,000"},  // prints as "5"
      {-3.0, "00:00:00,000"},
      {-0.0, "00:00:00,000"},
      {std::nan(""), "00:00:00,000"},
      {1e20, "99:59:59,999"},
      {std::numeric_limits<double>::infinity(), "99:59:59,999"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SecondsToTimeCode(c.seconds), c.text) << c.seconds;
  }
}

TEST(SecondsToTimeCode, GivesBackEveryMillisecondOfTimeCodeToSeconds) {
  // Seconds made from whole milliseconds must come back unchanged, whatever their binary
  // representation.
  for (int64_t ms = 0; ms < 200'000; ++ms) {
    const std::string code = MsToTimeCode(ms);
    ASSERT_EQ(SecondsToTimeCode(TimeCodeToSeconds(code)), code);
  }
  for (int64_t ms = 0; ms <= kDayEndMs; ms += 9'973) {
    const std::string code = MsToTimeCode(ms);
    ASSERT_EQ(SecondsToTimeCode(TimeCodeToSeconds(code)), code);
  }
}

TEST(ParseFrameRate, ReadsExactFractions) {
  struct Case {
    std::string text;
    int64_t numerator;
    int64_t denominator;
  };
  const std::vector<Case> cases = {
      {"15", 15, 1},           {"25", 25, 1},     {"30", 30, 1},  {"23,976", 23976, 1000},
      {"29,976", 29976, 1000}, {"12,5", 125, 10}, {"0,5", 5, 10},
  };
  for (const Case& c : cases) {
    const std::optional<FrameRate> rate = ParseFrameRate(c.text);
    ASSERT_TRUE(rate.has_value()) << c.text;
    EXPECT_EQ(rate->numerator, c.numerator) << c.text;
    EXPECT_EQ(rate->denominator, c.denominator) << c.text;
  }
}

TEST(ParseFrameRate, RefusesWhatIsNotARate) {
  const std::vector<std::string> texts = {
      "",    ",",   "25,", ",5", "23.976",  "0",         "0,000",
      " 25", "25 ", "-25", "2a", "1234567", "1,1234567", "23,97,6",
  };
  for (const std::string& t : texts) {
    EXPECT_FALSE(ParseFrameRate(t).has_value()) << t;
  }
}

TEST(Frames, FromTimes) {
  struct Case {
    std::string time_code;
    FrameRate rate;
    std::string frames;
  };
  const std::vector<Case> cases = {
      {"", kRate25, "0"},
      {"00:00:00,000", kRate23976, "0"},
      {"00:00:01,000", kRate25, "25"},
      {"00:00:00,039", kRate25, "0"},
      {"00:00:00,040", kRate25, "1"},
      {"00:00:00,120", kRate25, "3"},  // not 2: no floating-point loss
      {"00:00:01,000", kRate23976, "23"},
      {"01:10:34,567", kRate25, "105864"},
      {"01:00:00,000", kRate23976, "86313"},  // 3600 x 23,976 = 86313,6
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TimeCodeToFrames(c.time_code, c.rate), c.frames) << c.time_code;
  }
}

TEST(Frames, ToTimes) {
  struct Case {
    int64_t frames;
    FrameRate rate;
    int64_t ms;
    std::string time_code;
  };
  const std::vector<Case> cases = {
      {0, kRate25, 0, "00:00:00,000"},
      {1, kRate25, 40, "00:00:00,040"},
      {3, kRate25, 120, "00:00:00,120"},
      {25, kRate25, 1'000, "00:00:01,000"},
      {50, kRate25, 2'000, "00:00:02,000"},
      {1, kRate23976, 41, "00:00:00,041"},  // 41,708...
      {23'976, kRate23976, 1'000'000, "00:16:40,000"},
      {999'999, kRate25, 39'999'960, "11:06:39,960"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FramesToMs(c.frames, c.rate), c.ms) << c.frames;
    EXPECT_EQ(FramesToTimeCode(c.frames, c.rate), c.time_code) << c.frames;
  }
}

TEST(Frames, RateThatIsNotPositiveGivesZero) {
  for (const FrameRate rate : {FrameRate{0, 1}, FrameRate{25, 0}, FrameRate{-25, 1}}) {
    EXPECT_EQ(MsToFrames(1'000, rate), 0);
    EXPECT_EQ(FramesToMs(25, rate), 0);
    EXPECT_EQ(ConvertFrameRate(1'000, rate, kRate25), 0);
    EXPECT_EQ(ConvertFrameRate(1'000, kRate25, rate), 0);
  }
}

TEST(ConvertFrameRate, ScalesByTheRatioOfRates) {
  EXPECT_EQ(ConvertFrameRate(1'000, kRate25, kRate23976), 959);     // 959,04
  EXPECT_EQ(ConvertFrameRate(10'000, kRate25, kRate23976), 9'590);  // ms: 00:00:09,590
  EXPECT_EQ(ConvertFrameRate(959, kRate23976, kRate25), 999);       // 999,58: cut, not rounded
  EXPECT_EQ(ConvertFrameRate(0, kRate25, kRate23976), 0);
  EXPECT_EQ(ConvertFrameRate(1'000, kRate25, kRate25), 1'000);
  EXPECT_EQ(ConvertFrameRate(3, FrameRate{30, 1}, FrameRate{15, 1}), 1);  // 1,5
}

TEST(ShiftRowTimes, MovesBackAndClamps) {
  struct Case {
    std::string start;
    std::string end;
    int64_t shift_ms;
    std::string new_start;
    std::string new_end;
  };
  const int64_t kMax = std::numeric_limits<int64_t>::max();
  const int64_t kMin = std::numeric_limits<int64_t>::min();
  const std::vector<Case> cases = {
      {"00:00:01,000", "00:00:02,000", 1'500, "00:00:00,000", "00:00:00,500"},
      {"00:00:01,000", "00:00:02,000", -86'400'000, "24:00:00,000", "24:00:00,000"},
      {"23:59:58,000", "23:59:59,000", -1'000, "23:59:59,000", "24:00:00,000"},
      {"23:59:58,000", "23:59:59,999", -5'000, "24:00:00,000", "24:00:00,000"},
      {"00:00:10,000", "00:00:12,000", TimeCodeToMs("00:00:05,300"), "00:00:04,700",
       "00:00:06,700"},
      {"", "", -5'000, "00:00:05,000", "00:00:05,000"},
      {"garbage", "00:00:02,000", -1, "00:00:00,001", "00:00:02,001"},
      {"00:00:01,000", "00:00:02,000", 0, "00:00:01,000", "00:00:02,000"},
      {"12:00:00,000", "13:00:00,000", kMax, "00:00:00,000", "00:00:00,000"},
      {"12:00:00,000", "13:00:00,000", kMin, "24:00:00,000", "24:00:00,000"},
      {"99:00:00,000", "99:00:00,000", 0, "24:00:00,000", "24:00:00,000"},
  };
  for (const Case& c : cases) {
    const RowTimes shifted = ShiftRowTimes(c.start, c.end, c.shift_ms);
    EXPECT_EQ(shifted.start, c.new_start) << c.start << " by " << c.shift_ms;
    EXPECT_EQ(shifted.end, c.new_end) << c.end << " by " << c.shift_ms;
  }
}

TEST(DayClampedTimeCode, StaysWithinTheDay) {
  EXPECT_EQ(DayClampedTimeCode(-1), "00:00:00,000");
  EXPECT_EQ(DayClampedTimeCode(0), "00:00:00,000");
  EXPECT_EQ(DayClampedTimeCode(86'399'999), "23:59:59,999");
  EXPECT_EQ(DayClampedTimeCode(86'400'000), "24:00:00,000");
  EXPECT_EQ(DayClampedTimeCode(86'400'001), "24:00:00,000");
}

TEST(FrameNumbers, ParseAndClamp) {
  EXPECT_EQ(ParseFrameNumber("0"), 0);
  EXPECT_EQ(ParseFrameNumber("999999"), 999'999);
  EXPECT_EQ(ParseFrameNumber("010"), 10);
  EXPECT_EQ(ParseFrameNumber("999999999999999999"), 999'999'999'999'999'999);
  for (const std::string t : {"", "12a", "-1", "+1", " 1", "1 ", "1,5", "1234567890123456789"}) {
    EXPECT_FALSE(ParseFrameNumber(t).has_value()) << t;
  }

  EXPECT_EQ(ClampedFrameNumber(-30), "0");
  EXPECT_EQ(ClampedFrameNumber(0), "0");
  EXPECT_EQ(ClampedFrameNumber(42), "42");
  EXPECT_EQ(ClampedFrameNumber(999'999), "999999");
  EXPECT_EQ(ClampedFrameNumber(1'000'000), "999999");
}

}  // namespace
}  // namespace timecode
