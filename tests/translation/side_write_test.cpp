// The translation workspace's side check and its two writers: rows in, verdict or bytes out.
#include "translation/rows/side_write.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

using translation::rows::CheckSideRows;
using translation::rows::FrameSideBytes;
using translation::rows::IsBlankRow;
using translation::rows::ParseSubRip;
using translation::rows::Row;
using translation::rows::SideCheck;
using translation::rows::SubRipSideBytes;

const Row kBlank{};

TEST(TranslationFrameWriter, OneLineARowEveryLineEndedNoRowSkipped) {
  struct Case {
    const char* name;
    std::vector<Row> rows;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {"the two-row example",
       {{"100", "250", "Hello|World"}, {"300", "400", ""}},
       "{100}{250}Hello|World\r\n{300}{400}\r\n"},
      {"no rows, no bytes", {}, ""},
      {"Windows-1250 text as it is held", {{"1", "2", "Árvíztűrő"}}, "{1}{2}Árvíztűrő\r\n"},
      {"an all-empty row is written too", {kBlank}, "{}{}\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FrameSideBytes(c.rows), c.bytes);
  }
}

TEST(TranslationSubRipWriter, EntriesAreSpreadOverTheRowsAsTheyWereRead) {
  struct Case {
    const char* name;
    std::vector<Row> rows;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {"the four-row example",
       {{"00:00:01,000", "00:00:02,500", "Hello"},
        {"", "", "World"},
        kBlank,
        {"00:00:03,000", "00:00:04,000", "Bye"}},
       "1\r\n00:00:01,000 --> 00:00:02,500\r\nHello\r\nWorld\r\n\r\n"
       "2\r\n00:00:03,000 --> 00:00:04,000\r\nBye\r\n"},
      {"an empty translation: empty text lines, empty continuation and separator lines",
       {{"00:00:01,000", "00:00:02,500", ""}, kBlank, kBlank, {"00:00:03,000", "00:00:04,000", ""}},
       "1\r\n00:00:01,000 --> 00:00:02,500\r\n\r\n\r\n\r\n"
       "2\r\n00:00:03,000 --> 00:00:04,000\r\n\r\n"},
      {"a row with one time is written by its text only",
       {{"00:00:01,000", "", "A"}, {"", "00:00:02,000", ""}},
       "A\r\n"},
      {"no rows, no bytes", {}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SubRipSideBytes(c.rows), c.bytes);
  }
}

// The rows a SubRip file reads back as, without the sequence-number line the loader consumes
// first and without separator rows: what a user sees of each entry.
std::vector<Row> ReadBackWithoutSeparators(std::string_view bytes) {
  std::vector<std::string_view> lines;
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t end = bytes.find("\r\n", at);
    lines.push_back(bytes.substr(at, end - at));
    at = end + 2;
  }
  const translation::rows::SideParse parse =
      ParseSubRip(std::span<const std::string_view>(lines).subspan(1));
  EXPECT_EQ(parse.end, translation::rows::ReadEnd::kComplete);
  std::vector<Row> rows;
  std::copy_if(parse.rows.begin(), parse.rows.end(), std::back_inserter(rows),
               [](const Row& row) { return !IsBlankRow(row); });
  return rows;
}

TEST(TranslationSubRipWriter, AnEntryAfterATextGetsTheBlankLineItsSeparatorWouldHaveGiven) {
  struct Case {
    const char* name;
    std::vector<Row> rows;
    std::string bytes;
  };
  const Row a{"00:00:01,000", "00:00:02,000", "A"};
  const Row b{"00:00:03,000", "00:00:04,000", "B"};
  const std::vector<Case> cases = {
      {"text typed into the separator row",
       {a, {"", "", "typed"}, b},
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\ntyped\r\n\r\n"
       "2\r\n00:00:03,000 --> 00:00:04,000\r\nB\r\n"},
      {"the separator row deleted",
       {a, b},
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\n"
       "2\r\n00:00:03,000 --> 00:00:04,000\r\nB\r\n"},
      {"a row with one time ends with its text",
       {a, {"", "00:00:02,500", "half"}, b},
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\nhalf\r\n\r\n"
       "2\r\n00:00:03,000 --> 00:00:04,000\r\nB\r\n"},
      {"an entry without text is ended by its empty text line",
       {{"00:00:01,000", "00:00:02,000", ""}, b},
       "1\r\n00:00:01,000 --> 00:00:02,000\r\n\r\n"
       "2\r\n00:00:03,000 --> 00:00:04,000\r\nB\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string bytes = SubRipSideBytes(c.rows);
    EXPECT_EQ(bytes, c.bytes);
    // Read back, every entry has its own times and texts again.
    std::vector<Row> shown;
    for (const Row& row : c.rows) {
      if (row.start.empty() || row.end.empty())
        shown.push_back({"", "", row.text});
      else
        shown.push_back(row);
    }
    std::erase_if(shown, [](const Row& row) { return IsBlankRow(row); });
    EXPECT_EQ(ReadBackWithoutSeparators(bytes), shown);
  }
}

TEST(TranslationSubRipWriter, SeparatorsInPlaceAreWrittenAsTheFileHeldThem) {
  // Entries with one and two text lines, two blank lines between two of them.
  const std::string file =
      "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\n"
      "2\r\n00:00:03,000 --> 00:00:04,000\r\nB\r\nC\r\n\r\n\r\n"
      "3\r\n00:00:07,000 --> 00:00:08,000\r\nD\r\n";
  std::vector<std::string_view> lines;
  for (std::size_t at = 0; at < file.size();) {
    const std::size_t end = file.find("\r\n", at);
    lines.push_back(std::string_view(file).substr(at, end - at));
    at = end + 2;
  }
  translation::rows::SideParse parse =
      ParseSubRip(std::span<const std::string_view>(lines).subspan(1));
  translation::rows::TrimTrailingBlankRows(parse.rows);
  EXPECT_EQ(SubRipSideBytes(parse.rows), file);
}

TEST(TranslationSideCheck, TheFirstFailingRowStopsTheCheckWithItsMessage) {
  struct Case {
    const char* name;
    const char* mode;
    std::vector<Row> rows;
    bool ok;
    std::size_t failed_row;
    const char* line1;
  };
  const char* kNoTimes = "Hiba az egyik intervallumban!";
  const char* kEmpty = "Üres mező!";
  const std::vector<Case> cases = {
      {"time rows with continuation and separator rows",
       "Time",
       {{"00:00:01,000", "00:00:02,000", "A"}, {"", "", "B"}, kBlank},
       true,
       0,
       ""},
      {"an empty side passes in Time mode", "Time", {}, true, 0, ""},
      {"a start without an end",
       "Time",
       {{"", "", "A"}, {"00:00:01,000", "", "B"}},
       false,
       1,
       kNoTimes},
      {"a bad time code", "Time", {{"00:00:01,000", "00:0x:02,000", "A"}}, false, 0, kNoTimes},
      {"frame rows", "Frame", {{"1", "2", "A"}, {"30", "40", ""}}, true, 0, ""},
      {"an inserted empty row",
       "Frame",
       {{"1", "2", "A"}, kBlank, {"", "5", "x"}},
       false,
       1,
       kEmpty},
      {"an empty side fails in Frame mode", "Frame", {}, false, 0, kEmpty},
      {"a leading zero",
       "Frame",
       {{"1", "2", "A"}, {"03", "4", "B"}},
       false,
       1,
       "Hiba az első értékben!"},
      {"a mode box with nothing loaded checks frames",
       "",
       {{"00:00:01,000", "00:00:02,000", ""}},
       false,
       0,
       "Hiba mindkét értékben!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::size_t> told;
    const SideCheck check =
        CheckSideRows(c.rows, c.mode, [&told](std::size_t counter) { told.push_back(counter); });
    EXPECT_EQ(check.ok, c.ok);
    ASSERT_EQ(check.notice.has_value(), !c.ok);
    if (!c.ok) {
      EXPECT_EQ(check.failed_row, c.failed_row);
      EXPECT_EQ(check.notice->line1, c.line1);
    }
    // Told once after each row that passed, counting from 2.
    const std::size_t passed = c.ok ? std::max<std::size_t>(c.rows.size(), 1) : c.failed_row;
    ASSERT_EQ(told.size(), passed);
    for (std::size_t i = 0; i < told.size(); ++i)
      EXPECT_EQ(told[i], i + 2);
  }
  const SideCheck empty = CheckSideRows(std::vector<Row>{kBlank}, "Frame");
  ASSERT_TRUE(empty.notice);
  EXPECT_EQ(*empty.notice, (timecode::Notice{"Ellenőrzés", "hiba", "Üres mező!",
                                             "Kérem töltse fel a sort rendesen!"}));
}

}  // namespace
