#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/media/media_player.h"

namespace media {
namespace {

TEST(DurationText, MinutesBelowOneHourHoursFromOneHourTruncated) {
  struct Case {
    int64_t ms;
    std::string text;
  };
  const std::vector<Case> cases = {
      {0, "00:00"},
      {-2500, "00:00"},
      {999, "00:00"},  // truncated, not rounded up to a second
      {5000, "00:05"},
      {59'999, "00:59"},
      {60'000, "01:00"},
      {3'599'000, "59:59"},
      {3'599'999, "59:59"},  // still below one hour
      {3'600'000, "01:00:00"},
      {3'725'500, "01:02:05"},
      {86'399'999, "23:59:59"},
      {360'000'000, "100:00:00"},  // more hours than two digits hold
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DurationText(c.ms), c.text) << c.ms;
  }
}

TEST(SecondsTextRoundTrip, ParsesLibraryNumbersTruncatedAndWritesExactMilliseconds) {
  struct Case {
    std::string text;
    std::optional<int64_t> ms;
  };
  const std::vector<Case> cases = {
      {"2.520000", 2520},
      {"2.999999", 2999},  // truncated toward zero
      {"5", 5000},
      {"0.05", 50},
      {".5", 500},
      {"-0.040000", -40},
      {"-1.9999", -1999},
      {"3725.5", 3'725'500},
      {"", std::nullopt},
      {"-", std::nullopt},
      {".", std::nullopt},
      {"nan", std::nullopt},
      {"inf", std::nullopt},
      {"1.5e3", std::nullopt},
      {"2,5", std::nullopt},  // the library writes '.', never ','
      {"1234567890123", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseSecondsText(c.text), c.ms) << c.text;
  }

  struct Written {
    int64_t ms;
    std::string text;
  };
  const std::vector<Written> written = {
      {0, "0.000"}, {5, "0.005"}, {2500, "2.500"}, {-40, "-0.040"}, {3'725'501, "3725.501"}};
  for (const Written& w : written) {
    EXPECT_EQ(SecondsText(w.ms), w.text) << w.ms;
    EXPECT_EQ(ParseSecondsText(SecondsText(w.ms)), w.ms) << w.ms;
  }
}

}  // namespace
}  // namespace media
