// The rules of the retiming passes: the Frame/Time switch, shifts, frame-rate conversion.
#include "editor/rules/retime_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "timecode/checks.h"

namespace editor {
namespace {

const timecode::FrameRate k25{25, 1};
const timecode::FrameRate k23976{23976, 1000};

TEST(RetimeRules, SwitchToFrames) {
  struct Case {
    std::string start, end;
    timecode::FrameRate rate;
    RowSpan expected;
  };
  const std::vector<Case> cases = {
      {"00:00:01,000", "00:00:00,039", k25, {"25", "0"}},
      {"00:00:01,000", "00:00:02,000", k23976, {"23", "47"}},
      {"", "00:00:02,000", k25, {"50", "50"}},
      {"00:00:02,000", "", k25, {"50", "50"}},
      {"", "", k25, {"0", "0"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SwitchedToFrames(c.start, c.end, c.rate), c.expected) << c.start << " " << c.end;
}

TEST(RetimeRules, SwitchToTimes) {
  struct Case {
    std::string start, end;
    timecode::FrameRate rate;
    RowSpan expected;
  };
  const std::vector<Case> cases = {
      {"25", "1", k25, {"00:00:01,000", "00:00:00,040"}},
      {"1", "24", k23976, {"00:00:00,041", "00:00:01,001"}},
      {"", "50", k25, {"00:00:02,000", "00:00:02,000"}},
      {"", "", k25, {"00:00:00,000", "00:00:00,000"}},
      // A value that is no frame number counts as missing.
      {"x1", "50", k25, {"00:00:02,000", "00:00:02,000"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SwitchedToTimes(c.start, c.end, c.rate), c.expected) << c.start << " " << c.end;
}

TEST(RetimeRules, ShiftedValues) {
  struct Case {
    std::string value;
    int64_t amount;
    bool time;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"50", -100, false, "0"},
      {"80", -80, false, "0"},
      {"999999", 1, false, "999999"},
      {"999998", 1, false, "999999"},
      {"120", 5, false, "125"},
      {"", 5, false, ""},
      {"abc", 5, false, "abc"},
      {"23:59:58,000", 5000, true, "24:00:00,000"},
      {"", 5000, true, "00:00:05,000"},
      {"00:00:01,000", -1001, true, "00:00:00,000"},
      {"00:00:01,500", -1, true, "00:00:01,499"},
  };
  for (const Case& c : cases) {
    const std::string got =
        c.time ? ShiftedTimeValue(c.value, c.amount) : ShiftedFrameValue(c.value, c.amount);
    EXPECT_EQ(got, c.expected) << c.value << " " << c.amount;
  }
}

TEST(RetimeRules, ConvertedValues) {
  struct Case {
    std::string value;
    bool time;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"1000", false, "959"},
      {"0", false, "0"},
      {"", false, ""},
      {"x", false, "x"},
      {"00:00:10,000", true, "00:00:09,590"},
      {"00:00:00,000", true, "00:00:00,000"},
      {"", true, ""},
  };
  for (const Case& c : cases) {
    const std::string got = c.time ? ConvertedTimeValue(c.value, k25, k23976)
                                   : ConvertedFrameValue(c.value, k25, k23976);
    EXPECT_EQ(got, c.expected) << c.value;
  }
}

// Shift boxes of every length of digits saturate as their numbers would, never wrapping.
TEST(RetimeRules, FrameShiftsAtTheExtremes) {
  struct Case {
    std::string box;
    bool minus;
    std::string stored;
    std::string expected;
  };
  const std::string digits18(18, '9');
  const std::string digits23(23, '9');
  const std::vector<Case> cases = {
      {"2147483647", false, "5", "999999"},
      {"2147483648", true, "5", "0"},
      {digits18, false, "5", "999999"},
      {digits18, true, "999999999999", "0"},
      {digits23, false, "0", "999999"},
      {digits23, true, "999999999999", "0"},
      {"9223372036854775808", false, "5", "999999"},
      {"12", false, "999999999999", "999999"},
  };
  for (const Case& c : cases) {
    const int64_t amount = FrameShiftAmount(c.box);
    EXPECT_EQ(ShiftedFrameValue(c.stored, c.minus ? -amount : amount), c.expected)
        << c.box << " " << c.stored;
  }
}

// A conversion to a faster rate stops at the largest time the time-code check accepts.
TEST(RetimeRules, ConvertedTimesStayWithinTheCheck) {
  struct Case {
    std::string value;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"23:59:59,999", "23:59:59,999"},
      {"23:30:00,000", "23:59:59,999"},
      {"22:00:00,000", "22:56:22,582"},
      {"00:00:23,976", "00:00:25,000"},
  };
  for (const Case& c : cases) {
    const std::string got = ConvertedTimeValue(c.value, k23976, k25);
    EXPECT_EQ(got, c.expected) << c.value;
    EXPECT_TRUE(timecode::ValidateTimeCode(got).ok) << got;
  }
}

TEST(RetimeRules, TargetRatesLeaveOutTheSource) {
  const std::vector<std::string> sources = {"15", "20", "23,976", "24", "25", "29,976", "30"};
  EXPECT_EQ(TargetRates(sources, "23,976"),
            (std::vector<std::string>{"15", "20", "24", "25", "29,976", "30"}));
  EXPECT_EQ(TargetRates(sources, ""), sources);
}

TEST(RetimeRules, GaugePosition) {
  EXPECT_EQ(GaugePosition(50, 99), 0);
  EXPECT_EQ(GaugePosition(1, 100), 1);
  EXPECT_EQ(GaugePosition(250, 500), 50);
  EXPECT_EQ(GaugePosition(0, 0), 0);
}

TEST(RetimeRules, DetailedShiftRange) {
  struct Case {
    int current, count;
    bool upwards, bounded;
    std::string to_row;
    int first, last;
    std::string refusal;
  };
  const std::string larger(kAskLargerRow);
  const std::string smaller(kAskSmallerRow);
  const std::vector<Case> cases = {
      {10, 20, true, true, "5", 5, 10, ""},
      {10, 20, true, false, "", 1, 10, ""},
      {3, 10, false, false, "", 3, 10, ""},
      {3, 10, false, true, "6", 3, 6, ""},
      {3, 10, false, true, "99", 3, 10, ""},
      {10, 20, true, true, "10", 10, 10, ""},
      {10, 20, true, true, "11", 1, 10, smaller},
      {10, 20, false, true, "10", 10, 20, larger},
      {10, 20, false, true, "", 10, 20, larger},
      {10, 20, true, true, "0", 1, 10, larger},
      {0, 0, false, false, "", 1, 0, ""},
      // The extremes of the row box, compared as the numbers they are.
      {3, 10, false, true, "2147483647", 3, 10, ""},
      {3, 10, false, true, "2147483648", 3, 10, ""},
      {3, 10, false, true, "4294967299", 3, 10, ""},
      {10, 20, true, true, "2147483648", 1, 10, smaller},
      {10, 20, true, true, "-2147483648", 1, 10, larger},
      {10, 20, false, true, "99999999999999999999", 10, 20, larger},
  };
  for (const Case& c : cases) {
    const DetailedRange range =
        DetailedShiftRange(c.current, c.count, c.upwards, c.bounded, c.to_row);
    SCOPED_TRACE(std::to_string(c.current) + " " + c.to_row);
    EXPECT_EQ(range.refusal, c.refusal);
    if (c.refusal.empty()) {
      EXPECT_EQ(range.first, c.first);
      EXPECT_EQ(range.last, c.last);
    }
  }
}

}  // namespace
}  // namespace editor
