#include "platform/desktop/avi_header.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "platform/desktop/temp_folder.h"

namespace desktop {
namespace {

using desktop_test::TempFolder;
using desktop_test::WriteBytes;

std::string Le32(std::uint32_t value) {
  std::string out;
  for (int i = 0; i < 4; ++i) {
    out += static_cast<char>(value >> (8 * i) & 0xFF);
  }
  return out;
}

std::string Chunk(std::string_view id, std::string_view data) {
  std::string out =
      std::string(id) + Le32(static_cast<std::uint32_t>(data.size())) + std::string(data);
  if (data.size() % 2 != 0) {
    out += '\0';
  }
  return out;
}

std::string List(std::string_view type, std::string_view body) {
  return Chunk("LIST", std::string(type) + std::string(body));
}

std::string MainHeader(std::uint32_t micro_seconds_per_frame) {
  return Chunk("avih", Le32(micro_seconds_per_frame) + std::string(52, '\0'));
}

std::string StreamHeader(std::string_view type, std::uint32_t scale, std::uint32_t rate) {
  std::string data = std::string(type) + "DIVX" + Le32(0) + std::string(4, '\0') + Le32(0) +
                     Le32(scale) + Le32(rate);
  data += std::string(56 - data.size(), '\0');
  return List("strl", Chunk("strh", data) + Chunk("strf", std::string(40, '\0')));
}

std::string Avi(std::string_view header_list_body, std::string_view before = "") {
  const std::string body = std::string(before) + List("hdrl", header_list_body) + List("movi", "");
  return "RIFF" + Le32(static_cast<std::uint32_t>(4 + body.size())) + "AVI " + body;
}

const std::string kPal = Avi(MainHeader(40000) + StreamHeader("vids", 1, 25));

struct HeaderCase {
  const char* name;
  std::string bytes;
  AviHeader header;
  std::optional<FrameRate> rate;
};

TEST(ParseAviHeader, ReadsTheMainHeaderAndTheFirstVideoStream) {
  const std::vector<HeaderCase> cases = {
      {"25 frames a second", kPal, {40000, FrameRate{25, 1}}, FrameRate{25, 1}},
      {"NTSC",
       Avi(MainHeader(33367) + StreamHeader("vids", 1001, 30000)),
       {33367, FrameRate{30000, 1001}},
       FrameRate{30000, 1001}},
      {"audio stream first",
       Avi(MainHeader(41708) + StreamHeader("auds", 1, 44100) + StreamHeader("vids", 1001, 24000) +
           StreamHeader("vids", 1, 50)),
       {41708, FrameRate{24000, 1001}},
       FrameRate{24000, 1001}},
      {"no stream header: the main header decides",
       Avi(MainHeader(80000)),
       {80000, std::nullopt},
       FrameRate{1000000, 80000}},
      {"video stream without a scale",
       Avi(MainHeader(40000) + StreamHeader("vids", 0, 25)),
       {40000, FrameRate{25, 0}},
       FrameRate{1000000, 40000}},
      {"no rate at all",
       Avi(MainHeader(0) + StreamHeader("vids", 1, 0)),
       {0, FrameRate{0, 1}},
       std::nullopt},
      {"odd-sized chunks before, padded",
       Avi(Chunk("JUNK", "abc") + MainHeader(40000) + StreamHeader("vids", 1, 25),
           Chunk("JUNK", "xyzzy")),
       {40000, FrameRate{25, 1}},
       FrameRate{25, 1}},
      {"truncated stream header",
       Avi(MainHeader(40000) + List("strl", Chunk("strh", "vids1234"))),
       {40000, std::nullopt},
       FrameRate{1000000, 40000}},
      {"cut off after the main header",
       kPal.substr(0, 12 + 12 + 64),
       {40000, std::nullopt},
       FrameRate{1000000, 40000}},
  };
  for (const HeaderCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<AviHeader> header = ParseAviHeader(c.bytes);
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(*header, c.header);
    EXPECT_EQ(AviFrameRate(*header), c.rate);
  }
}

TEST(ParseAviHeader, AnythingElseIsNotAnAvi) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  std::string huge_list = kPal;
  huge_list.replace(16, 4, Le32(0xFFFFFFFF));  // the hdrl list claims 4 GB
  std::string huge_main = kPal;
  huge_main.replace(28, 4, Le32(0xFFFFFFFE));  // and the avih chunk too
  const std::vector<Case> cases = {
      {"empty", ""},
      {"short", "RIFF"},
      {"a wave file", "RIFF" + Le32(4) + "WAVE" + Chunk("fmt ", std::string(16, '\0'))},
      {"a text file", "1\r\n00:00:01,000 --> 00:00:02,000\r\nHello\r\n"},
      {"no header list", "RIFF" + Le32(16) + "AVI " + List("movi", "")},
      {"header list without a main header", Avi(StreamHeader("vids", 1, 25))},
      {"main header too short", Avi(Chunk("avih", "ab"))},
      {"header list cut inside its type", kPal.substr(0, 12 + 8 + 2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(ParseAviHeader(c.bytes).has_value());
  }
  // Sizes beyond the bytes at hand are cut to what is there.
  EXPECT_EQ(ParseAviHeader(huge_list), (AviHeader{40000, FrameRate{25, 1}}));
  EXPECT_EQ(ParseAviHeader(huge_main), (AviHeader{40000, std::nullopt}));
}

TEST(ParseAviHeader, EveryPrefixAndRandomDamageIsSafe) {
  const std::string avi =
      Avi(MainHeader(41708) + StreamHeader("auds", 1, 44100) + StreamHeader("vids", 1001, 24000));
  for (std::size_t length = 0; length <= avi.size(); ++length) {
    const std::optional<AviHeader> header = ParseAviHeader(avi.substr(0, length));
    if (header) {
      EXPECT_EQ(header->micro_seconds_per_frame, 41708u);
    }
  }
  std::mt19937 random(1250);
  for (int round = 0; round < 3000; ++round) {
    std::string damaged = avi.substr(0, random() % (avi.size() + 1));
    for (int hits = 0; hits < 4 && !damaged.empty(); ++hits) {
      damaged[random() % damaged.size()] = static_cast<char>(random());
    }
    ParseAviHeader(damaged);  // must neither crash nor read outside the bytes
  }
}

TEST(ReadAviHeader, ReadsFilesAndReportsWhyOthersFail) {
  TempFolder folder;
  WriteBytes(folder / "film.avi", kPal + std::string(100000, 'm'));
  WriteBytes(folder / "text.avi", "not a film");
  std::filesystem::create_directory(folder / "folder.avi");
  ::mkfifo((folder / "fifo.avi").c_str(), 0600);

  const AviFile film = ReadAviHeader(folder / "film.avi");
  ASSERT_TRUE(film.ok()) << film.detail;
  EXPECT_EQ(AviFrameRate(film.header), (FrameRate{25, 1}));

  struct Case {
    const char* name;
    std::filesystem::path path;
    AviError error;
  };
  const std::vector<Case> cases = {
      {"missing", folder / "missing.avi", AviError::kNotFound},
      {"text", folder / "text.avi", AviError::kNotAvi},
      {"folder", folder / "folder.avi", AviError::kNotRegularFile},
      {"FIFO", folder / "fifo.avi", AviError::kNotRegularFile},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadAviHeader(c.path).error, c.error);
  }
}

}  // namespace
}  // namespace desktop
