// The line shapes and text rules of the readers, without a window.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "files/reader.h"
#include "formats/line_parsers.h"
#include "formats/subtitle_kind.h"
#include "timecode/timecode.h"

namespace files {
namespace {

using namespace std::string_literals;

TEST(SubtitleKind, OneLine) {
  struct Case {
    std::string line;
    std::string kind;
  };
  const std::vector<Case> cases = {
      {"", ""},
      {"{1}{2}x", "1"},
      {"{", "1"},
      {"1", "2"},
      {" 12", "2"},
      {"+5", "2"},
      {"$1F", "2"},
      {"0x1f", "2"},
      {"12a", ""},
      {"2147483648", ""},  // beyond 32 bits
      {"00:00:01.50,00:00:03.00", "4"},
      {"00:00:01.50,00:00:03.0", ""},  // too short for the time form
      {"00:00:01,500 --> 00:00:02,000", ""},
      {"\xFF\xFE"
       "1\0"s,
       "3"},
      {"\xFF\xFE"
       "1\0\r\0"s,
       "3"},  // the CR of CR LF does not hide the number
      {"\xFF\xFE"
       "x\0"s,
       "4"},
      {"a\0b"s, ""},
      {"\xEF\xBB\xBF"
       "1",
       ""},  // a byte-order mark is taken off the file, not the line
  };
  for (const Case& c : cases)
    EXPECT_EQ(ClassifySubtitleLine(c.line), c.kind) << c.line;
}

TEST(SubtitleKind, WholeFile) {
  struct Case {
    std::string bytes;
    std::string kind;
  };
  const std::vector<Case> cases = {
      {"", ""},
      {"\r\n\r\nhello\r\n", ""},
      {"\r\n{10}{20}x\r\n", "1"},
      {"\xEF\xBB\xBF"
       "1\r\n00:00:01,000 --> 00:00:02,000\r\n",
       "2"},
      {"text\n7\n", "2"},
      {"\xFF\xFE"
       "1\0\r\0\n\0"s,
       "3"},
      {"\xFF\xFE"
       "a\0\r\0\n\0"s,
       "4"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DetectKindOfBytes(c.bytes), c.kind) << c.bytes;
}

TEST(Utf16Le, DecodesToWindows1250) {
  struct Case {
    std::string bytes;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"A\0"s, "A"},
      {"\x51\x01\x71\x01"s, "\xF5\xFB"},  // ő ű
      {"\xE1\0\xE9\0"s, "\xE1\xE9"},      // á é
      {"\x3D\xD8\x00\xDE"
       "b\0"s,
       "?b"},  // a character beyond the code page
      {"\x00\xDC"
       "a\0"s,
       "?a"},              // half of a pair
      {"\x00\x4E"s, "?"},  // U+4E00
      {"a\0\0\0\xFF\xFE"
       "b\0"s,
       "ab"},  // NUL and a stray byte-order mark
      {"a\0\r\0\n\0"s, "a\r\n"},
      {"a\0b"s, "a"},  // a last odd byte
  };
  for (const Case& c : cases)
    EXPECT_EQ(DecodeUtf16Le(c.bytes), c.text);
}

TEST(TimeLine, Shapes) {
  struct Case {
    std::string line;
    bool wide;
    bool narrow;
  };
  const std::vector<Case> cases = {
      {"00:00:01,000 --> 00:00:02,000", true, true},
      {"00:00:01:000 --> 00:00:02:000", true, true},
      {"00:00:01.000 --> 00:00:02.000", true, false},
      {"00:00:01,000 --> 00:00:02.000", true, false},
      {"00:00:01,000 --> 00:00:02,000 X1:1", true, true},
      {"00:00:01;000 --> 00:00:02,000", false, false},
      {"00:00:01,000 -> 00:00:02,000", false, false},
      {"00:00:01,000 --> 00:00:02,00", false, false},  // too short to hold the end
      {"00:00:01,000 --> 00:00:02,", false, false},
      {"00:00:01,000 -->", false, false},
      {"", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsWideTimeLine(c.line), c.wide) << c.line;
    EXPECT_EQ(IsNarrowTimeLine(c.line), c.narrow) << c.line;
  }
  const TimeLineTimes times = ReadTimeLine("00:00:01.500 --> 00:00:02:250");
  EXPECT_EQ(times.start, "00:00:01,500");
  EXPECT_EQ(times.end, "00:00:02,250");
  EXPECT_EQ(times.start_ms, 1'500);
  EXPECT_EQ(times.end_ms, 2'250);
}

// Every byte in every place of a time line, and lines cut short anywhere: the milliseconds
// read with the times are those of the times as written back.
TEST(TimeLine, MillisecondsAgreeWithTheTimesWrittenBack) {
  const std::string line = "12:34:56,789 --> 01:23:45.678";
  const auto expect_agreement = [](std::string_view text) {
    const TimeLineTimes times = ReadTimeLine(text);
    EXPECT_EQ(times.start_ms, timecode::TimeCodeMs(times.start)) << text;
    EXPECT_EQ(times.end_ms, timecode::TimeCodeMs(times.end)) << text;
  };
  for (std::size_t at = 0; at < line.size(); ++at) {
    for (int byte = 0; byte < 256; ++byte) {
      std::string text = line;
      text[at] = static_cast<char>(byte);
      expect_agreement(text);
    }
  }
  for (std::size_t length = 0; length <= line.size(); ++length)
    expect_agreement(std::string_view(line).substr(0, length));
}

TEST(FrameLine, Parses) {
  using Shape = FrameLineShape;
  struct Case {
    std::string line;
    Shape shape;
    std::string start;
    std::string end;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"{10}{20}Hello|World", Shape::kStartAndEnd, "10", "20", "Hello|World"},
      {"{{10}{20}x", Shape::kStartAndEnd, "10", "20", "x"},
      {"{10}{20}{y:i}a}b", Shape::kStartAndEnd, "10", "20", "{y:i}a}b"},
      {"{10}{20}", Shape::kStartAndEnd, "10", "20", ""},
      {"{10}", Shape::kStartOnly, "10", "", ""},
      {"{10}tail", Shape::kStartOnly, "10", "", ""},
      {"{10", Shape::kNoFrame, "", "", ""},
      {"10}{20}x", Shape::kRefused, "", "", ""},
      {"", Shape::kRefused, "", "", ""},
      {"{x}{20}a", Shape::kRefused, "", "", ""},
      {"{10}{2 0}a", Shape::kRefused, "", "", ""},
      {"{}{20}a", Shape::kRefused, "", "", ""},
      {"{-5}{20}a", Shape::kRefused, "", "", ""},
      {"{2147483647}{2147483648}a", Shape::kRefused, "", "", ""},
  };
  for (const Case& c : cases) {
    const FrameLine frame = ParseFrameLine(c.line);
    EXPECT_EQ(frame.shape, c.shape) << c.line;
    EXPECT_EQ(frame.start, c.start) << c.line;
    EXPECT_EQ(frame.end, c.end) << c.line;
    EXPECT_EQ(frame.text, c.text) << c.line;
  }
}

TEST(SubViewer, TimesAndBreaks) {
  const std::optional<TimeLineTimes> times = ReadSubViewerTimes("00:00:01.50,00:00:03.00");
  ASSERT_TRUE(times);
  EXPECT_EQ(times->start, "00:00:01,500");
  EXPECT_EQ(times->end, "00:00:03,000");
  EXPECT_FALSE(ReadSubViewerTimes("00:00:01.50,00:00:03.0"));
  EXPECT_FALSE(ReadSubViewerTimes("00:00:01,50,00:00:03.00"));

  EXPECT_EQ(ReplaceBrTags("A[br]B[br][br]C"), "A|B||C");
  EXPECT_EQ(ReplaceBrTags("[br"), "[br");
}

TEST(TrimSubtitleText, OneRoundAndUntilStable) {
  struct Case {
    std::string text;
    std::string one_round;
    std::string stable;
  };
  const std::vector<Case> cases = {
      {"a  b", "a b", "a b"},         {"a    b", "a   b", "a b"},  {"a ,b", "a,b", "a,b"},
      {"a   ,b", "a ,b", "a,b"},      {"a | b", "a|b", "a|b"},     {"a  |  b", "a| b", "a|b"},
      {" a ", " a ", " a "},          {"|  |", "||", "||"},        {"a   |", "a |", "a|"},
      {"x ,y ,z", "x,y ,z", "x,y,z"}, {"plain", "plain", "plain"},
  };
  for (const Case& c : cases) {
    std::string once = c.text;
    EXPECT_EQ(TrimSubtitleText(once), c.one_round != c.text) << c.text;
    EXPECT_EQ(once, c.one_round) << c.text;

    std::string repeated = c.text;
    while (TrimSubtitleText(repeated)) {
    }
    std::string fully = c.text;
    TrimSubtitleTextFully(fully);
    EXPECT_EQ(repeated, c.stable) << c.text;
    EXPECT_EQ(fully, c.stable) << c.text;
  }
}

// A text trimmed as it grows (the reader trims after every blank line) ends as the whole text
// trimmed at once would: the blanks at the end of the trimmed part meet what follows.
TEST(TrimSubtitleText, GrowingTextTrimmedFromWhereItStoppedEndsAsWholeText) {
  struct Case {
    std::string first;
    std::string added;
  };
  const Case cases[] = {
      {"a ,", "||a ,"}, {"a  ", "|b"},    {"a ", " ,b"},       {"x|", " y"}, {"a   ", "   b"},
      {"", "  a , |"},  {"a|  ", "  |b"}, {"plain", "||more"}, {"a ", ""},   {"  ", "  ,  |  "},
  };
  for (const Case& c : cases) {
    std::string growing = c.first;
    TrimSubtitleTextFully(growing);
    const std::size_t trimmed = growing.size();
    growing += c.added;
    TrimSubtitleTextFrom(growing, trimmed);

    std::string whole = c.first + c.added;
    while (TrimSubtitleText(whole)) {
    }
    EXPECT_EQ(growing, whole) << '"' << c.first << "\" + \"" << c.added << '"';
  }
}

// Texts longer than a few bytes are looked at many bytes at a time: a pair of neighbours the
// rules change is found wherever it stands, and single blanks between words change nothing.
TEST(TrimSubtitleText, LongTextsWithOnePairAnywhere) {
  const std::string words = "ab cd ef gh ij kl mn op qr st uv wx yz ab cd ef";
  for (std::size_t length = 0; length <= words.size(); ++length) {
    std::string plain = words.substr(0, length);
    if (plain.ends_with(' '))
      plain.pop_back();
    const std::string kept = plain;
    TrimSubtitleTextFully(plain);
    EXPECT_EQ(plain, kept);
    for (const std::string_view pair : {"  ", " ,", " |", "| "}) {
      for (std::size_t at = 0; at <= kept.size(); ++at) {
        std::string text = kept;
        text.insert(at, pair);
        std::string repeated = text;
        while (TrimSubtitleText(repeated)) {
        }
        std::string fully = text;
        TrimSubtitleTextFully(fully);
        EXPECT_EQ(fully, repeated) << '"' << text << '"';
        EXPECT_NE(fully, text) << '"' << text << '"';
      }
    }
  }
}

TEST(ShortenForDisplay, NineCharactersAndDots) {
  EXPECT_EQ(ShortenForDisplay("Hello world!"), "Hello wor...");
  EXPECT_EQ(ShortenForDisplay("Hi"), "Hi...");
  EXPECT_EQ(ShortenForDisplay(""), "...");
}

}  // namespace
}  // namespace files
