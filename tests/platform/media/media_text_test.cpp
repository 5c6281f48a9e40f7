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

namespace media {
namespace {

MediaPlayer::OverlayLine TextLine(std::string text) {
  MediaPlayer::OverlayLine line;
  line.text = std::move(text);
  return line;
}

// The text layer's events carry every Windows-1250 letter as the same letter in UTF-8, so
// that the picture shows what the grid shows.
TEST(OverlayEvents, EveryLetterOfTheCodePageReachesThePicture) {
  struct Case {
    std::string cp1250;
    std::string utf8;
  };
  const std::vector<Case> cases = {
      {"\xF5\xFB\xD5\xDB", "\xC5\x91\xC5\xB1\xC5\x90\xC5\xB0"},  // ő ű Ő Ű
      {"\xE1\xE9\xED\xF3\xF6\xFA\xFC", "\xC3\xA1\xC3\xA9\xC3\xAD\xC3\xB3\xC3\xB6\xC3\xBA\xC3\xBC"},
      {"\x9A\x9E\x8A\x8E", "\xC5\xA1\xC5\xBE\xC5\xA0\xC5\xBD"},  // š ž Š Ž
      {"\x84"
       "a\x94",
       "\xE2\x80\x9E"
       "a\xE2\x80\x9D"},                 // „a”
      {"a \x96 b", "a \xE2\x80\x93 b"},  // –
  };
  for (const Case& c : cases) {
    const std::string events = OverlayEvents({TextLine(c.cp1250)});
    const std::size_t text = events.find('}');
    ASSERT_NE(text, std::string::npos);
    EXPECT_EQ(events.substr(text + 1), c.utf8) << c.cp1250;
  }
}

TEST(OverlayEvents, EachLineIsAnEventAtItsPlaceInItsFont) {
  const std::string events = OverlayEvents({
      {"<i>Egy</i>", 591, 855, 47, "Arial", false, 0x008000},
      {"Kett\xF5", 12, 316, 13, "MS Sans Serif", true, 0xFFFFFF},
  });
  EXPECT_EQ(
      events,
      "{\\an7\\pos(591,855)\\fnArial\\fs47\\i0\\1c&H008000&\\3c&H000000&\\bord1\\shad0}"
      "<i>Egy</i>\n"
      "{\\an7\\pos(12,316)\\fnMS Sans Serif\\fs13\\i1\\1c&HFFFFFF&\\3c&H000000&\\bord1\\shad0}"
      "Kett\xC5\x91");
}

TEST(OverlayEvents, TagsOfTheLayerCannotComeFromTheText) {
  const std::string events = OverlayEvents({TextLine("{\\i1}a\\Nb\r\nc")});
  EXPECT_EQ(events.substr(events.find('}') + 1), "\\{\\\xE2\x81\xA0i1\\}a\\\xE2\x81\xA0Nbc");
}

}  // namespace
}  // namespace media
