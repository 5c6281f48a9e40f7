// The translation workspace's side check and its two writers: rows in, verdict or bytes out.
#include "translation/rows/side_write.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

using translation::rows::CheckSideRows;
using translation::rows::FrameSideBytes;
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
