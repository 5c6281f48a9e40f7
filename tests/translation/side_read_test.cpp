// A side's file read from its bytes, without a window: the byte forms, the kind line, the parser
// it chooses, the gauge and what the window has to report.
#include "translation/rows/side_read.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

using translation::rows::PairCount;
using translation::rows::ReadEnd;
using translation::rows::ReadReportLines;
using translation::rows::ReadSideBytes;
using translation::rows::Row;
using translation::rows::SideEncoding;
using translation::rows::SideRead;

std::string Utf16Le(std::string_view ascii) {
  std::string bytes = "\xFF\xFE";
  for (char c : ascii) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

std::vector<Row> Trimmed(SideRead read) {
  translation::rows::TrimTrailingBlankRows(read.parse.rows);
  return read.parse.rows;
}

constexpr std::string_view kSubRip = "1\r\n00:00:01,000 --> 00:00:02,500\r\nHello\r\n\r\n";
const std::vector<Row> kSubRipRows = {{"00:00:01,000", "00:00:02,500", "Hello"}};

TEST(TranslationSideRead, TheBytesAreDecodedAndTheirKindLineChoosesTheParser) {
  const std::string long_text(225, 'x');
  struct Case {
    const char* name;
    std::string bytes;
    bool refused;
    SideEncoding encoding;
    std::string mode;
    std::vector<Row> rows;
    ReadEnd end = ReadEnd::kComplete;
    std::size_t cuts = 0;
  };
  const std::vector<Case> cases = {
      {"Windows-1250 SubRip", std::string(kSubRip), false, SideEncoding::kWindows1250, "Time",
       kSubRipRows},
      {"lines without a kind before the kind line are passed over",
       "hello\r\n\r\n" + std::string(kSubRip), false, SideEncoding::kWindows1250, "Time",
       kSubRipRows},
      {"Windows-1250 accents stay as they are",
       "{1}{2}\xE9rt\xE9k\n",
       false,
       SideEncoding::kWindows1250,
       "Frame",
       {{"1", "2", "\xE9rt\xE9k"}}},
      {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + std::string(kSubRip), false,
       SideEncoding::kUtf8, "Time", kSubRipRows},
      {"UTF-8 without a mark, by its multi-byte letters",
       "{1}{2}\xC3\xA9rt\xC3\xA9k\n",
       false,
       SideEncoding::kUtf8,
       "Frame",
       {{"1", "2", "\xE9rt\xE9k"}}},
      {"UTF-16LE SubRip", Utf16Le(kSubRip), false, SideEncoding::kUtf16, "Time", kSubRipRows},
      {"UTF-16LE SubViewer",
       Utf16Le("00:00:01.50,00:00:03.00\r\nOne[br]Two\r\n\r\n"),
       false,
       SideEncoding::kUtf16,
       "Time",
       {{"00:00:01,500", "00:00:03,000", "One|Two"}}},
      {"frame-based",
       "{100}{250}Hello|World\n{300}{400}Bye\n",
       false,
       SideEncoding::kWindows1250,
       "Frame",
       {{"100", "250", "Hello|World"}, {"300", "400", "Bye"}}},
      {"SubViewer",
       "00:00:01.50,00:00:03.00\r\nOne\r\n\r\n",
       false,
       SideEncoding::kWindows1250,
       "Time",
       {{"00:00:01,500", "00:00:03,000", "One"}}},
      {"a cut text",
       "{1}{2}" + long_text + "\n",
       false,
       SideEncoding::kWindows1250,
       "Frame",
       {{"1", "2", std::string(220, 'x')}},
       ReadEnd::kComplete,
       1},
      {"a broken file keeps the rows before its bad line",
       "1\n00:00:01,000 --> 00:00:02,000\nA\n\n12a\n3\n",
       false,
       SideEncoding::kWindows1250,
       "Time",
       {{"00:00:01,000", "00:00:02,000", "A"}},
       ReadEnd::kStopped},
      {"no kind", "hello\nworld\n", true, SideEncoding::kWindows1250, "", {}},
      {"an empty file", "", true, SideEncoding::kWindows1250, "", {}},
      {"UTF-16LE text without a kind",
       Utf16Le("hello\r\nworld\r\n"),
       true,
       SideEncoding::kUtf16,
       "",
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SideRead read = ReadSideBytes(c.bytes, PairCount::kLines);
    EXPECT_EQ(read.refused, c.refused);
    EXPECT_EQ(read.encoding, c.encoding);
    if (c.refused)
      continue;
    EXPECT_EQ(read.parse.mode, c.mode);
    EXPECT_EQ(Trimmed(read), c.rows);
    EXPECT_EQ(read.parse.end, c.end);
    EXPECT_EQ(read.parse.cuts.size(), c.cuts);
    EXPECT_EQ(read.parse.message1.empty(), c.end == ReadEnd::kComplete);
  }
}

// A hundred steps over the file's lines; a SubViewer pair counts as its three lines or as one.
TEST(TranslationSideRead, TheGaugeStepsOverTheFilesLines) {
  std::string frames;
  for (int n = 1; n <= 200; ++n)
    frames += "{" + std::to_string(n) + "}{" + std::to_string(n + 1) + "}T\n";
  std::string pairs;
  for (int n = 1; n <= 100; ++n) {
    char time_line[32];
    std::snprintf(time_line, sizeof time_line, "00:%02d:%02d.00,00:%02d:%02d.50\r\n", n / 60,
                  n % 60, n / 60, n % 60);
    pairs += std::string(time_line) + "T\r\n\r\n";
  }
  struct Case {
    const char* name;
    std::string bytes;
    PairCount pair_count;
    std::size_t positions;
    int first;
    int last;
  };
  const std::vector<Case> cases = {
      {"200 frame rows", frames, PairCount::kLines, 200, 1, 100},
      {"100 SubViewer pairs counted as lines", pairs, PairCount::kLines, 100, 3, 102},
      {"100 SubViewer pairs counted as pairs", pairs, PairCount::kPairs, 100, 0, 33},
      {"fewer than 100 lines", "{1}{2}A\n{3}{4}B\n", PairCount::kLines, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<int> told;
    const SideRead read =
        ReadSideBytes(c.bytes, c.pair_count, [&told](int position) { told.push_back(position); });
    ASSERT_FALSE(read.refused);
    ASSERT_EQ(told.size(), c.positions);
    if (told.empty())
      continue;
    EXPECT_EQ(told.front(), c.first);
    EXPECT_EQ(told.back(), c.last);
    for (std::size_t i = 1; i < told.size(); ++i)
      EXPECT_LE(told[i - 1], told[i]);
  }
}

TEST(TranslationSideRead, TheReportNamesADecodedTextAndEveryCut) {
  const std::string bangs(49, '!');
  const std::string long_text = std::string(220, 'a') + "LEVAGOTT01";
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"a Windows-1250 file read whole", std::string(kSubRip), {}},
      {"UTF-8",
       "\xEF\xBB\xBF" + std::string(kSubRip),
       {"", bangs, "Ez a felirat UTF-8-as file-ból lett betöltve!!!", "Kérem mentse el a file-t!",
        "Mentéskor Windows-1250-es kódolású lesz!", bangs}},
      {"UTF-16",
       Utf16Le(kSubRip),
       {"", bangs, "Ez a felirat Unicode-os file-ból lett betöltve!!!", "Kérem mentse el a file-t!",
        bangs}},
      {"a cut text",
       "{1}{2}" + long_text + "\n",
       {"", "Hiba oka: a szöveg 220 karakternél hosszabb volt -> levágva",
        "Ebben a sorban fordult elő a hiba: 1", "A levágott rész: LEVAGOTT01"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadReportLines(ReadSideBytes(c.bytes, PairCount::kLines)), c.lines);
  }
}

}  // namespace
