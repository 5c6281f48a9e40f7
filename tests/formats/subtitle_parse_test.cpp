// The parse without a window: bytes and the table's plain values in, rows, second texts,
// result-list lines and the stop out.
#include "formats/subtitle_parse.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace files {
namespace {

using Lines = std::vector<std::string>;

ReadInput MainText() {
  ReadInput input;
  input.start_width = 12;
  input.end_width = 12;
  input.text_width = 220;
  return input;
}

// Each row as "start end text" (text_set rows end in "*").
Lines RowsOf(const ReadResult& read) {
  Lines rows;
  for (std::size_t i = 0; i < read.rows.size(); ++i) {
    const ReadRowView row = read.rows[i];
    rows.push_back(std::string(row.start) + " " + std::string(row.end) + " " +
                   std::string(row.text) + (row.text_set ? "*" : ""));
  }
  return rows;
}

struct Case {
  std::string name;
  std::string bytes;
  ReadInput input;
  std::string kind;
  Lines rows;
  Lines second_texts;
  Lines entries;
  bool stopped = false;
  std::string error;
};

std::vector<Case> Cases() {
  ReadInput second = MainText();
  second.second_text = true;
  second.row_count = 2;
  second.current_row = 1;
  ReadInput after_rows = MainText();
  after_rows.row_count = 5;
  after_rows.current_row = 5;
  after_rows.current_end = "00:00:09,000";
  ReadInput join = after_rows;
  join.join = true;
  join.join_start = "00:01:00,000";
  ReadInput frame_join = after_rows;
  frame_join.join = true;
  frame_join.join_start = "100";
  ReadInput drop = MainText();
  drop.drop_leading_breaks = true;
  const std::string long_text = std::string(200, 'x') + std::string(30, 'y');
  // Two lines with a style tag round the second, 224 characters in all: the closing tag goes.
  const std::string two_lines = std::string(106, 'a') + "|<i>" + std::string(110, 'b') + "</i>";
  const std::string two_lines_kept = two_lines.substr(0, 220);
  ReadInput second_cut = second;
  second_cut.second_width = 220;
  return {
      {"SubRipRows",
       "1\r\n00:00:01,000 --> 00:00:02,000\r\na\r\nb\r\n\r\n2\r\n00:00:03,000 --> "
       "00:00:04,000\r\nc\r\n",
       MainText(),
       "2",
       {"00:00:01,000 00:00:02,000 a|b*", "00:00:03,000 00:00:04,000 c*"},
       {},
       {},
       false,
       ""},
      {"LeadingBlankAndBreaksListed",
       "1\r\n00:00:01,000 --> 00:00:02,000\r\n ||a\r\n\r\n2\r\n00:00:03,000 --> "
       "00:00:04,000\r\nb\r\n",
       MainText(),
       "2",
       {"00:00:01,000 00:00:02,000 ||a*", "00:00:03,000 00:00:04,000 b*"},
       {},
       {"", "Hiba oka: sor elején space van->törölve a space",
        "Ebben a sorban fordult elő a hiba: 1", "A hibás sor:", " ||a", "Új sor:", "||a", "",
        "Hiba oka: sorelválasztó probléma", "Ebben a sorban fordult elő a hiba: 1", "A sor: ||a"},
       false,
       ""},
      {"LeadingBreaksDropped",
       "1\r\n00:00:01,000 --> 00:00:02,000\r\n|||a\r\n\r\n2\r\n00:00:03,000 --> "
       "00:00:04,000\r\nb\r\n",
       drop,
       "2",
       {"00:00:01,000 00:00:02,000 |a*", "00:00:03,000 00:00:04,000 b*"},
       {},
       {"", "Hiba oka: sorelválasztó probléma", "Ebben a sorban fordult elő a hiba: 1",
        "A sor: |a"},
       false,
       ""},
      {"TextCutToItsWidthAndListed",
       "{1}{2}" + long_text + "\n",
       MainText(),
       "1",
       {"1 2 " + long_text.substr(0, 220) + "*"},
       {},
       {"", "Hiba oka: a szöveg hosszabb mint 220 karakter->levágva a vége",
        "Ebben a sorban fordult elő a hiba: 1", "A levágott rész:", long_text.substr(220)},
       false,
       ""},
      {"SubRipTextCutToItsWidthAndListedOnItsRow",
       "1\r\n00:00:01,000 --> 00:00:02,000\r\na\r\n\r\n2\r\n00:00:03,000 --> "
       "00:00:04,000\r\n" +
           two_lines + "\r\n\r\n3\r\n00:00:05,000 --> 00:00:06,000\r\n" + long_text + "\r\n",
       MainText(),
       "2",
       {"00:00:01,000 00:00:02,000 a*", "00:00:03,000 00:00:04,000 " + two_lines_kept + "*",
        "00:00:05,000 00:00:06,000 " + long_text.substr(0, 220) + "*"},
       {},
       {"", "Hiba oka: a szöveg hosszabb mint 220 karakter->levágva a vége",
        "Ebben a sorban fordult elő a hiba: 2", "A levágott rész:", "</i>", "",
        "Hiba oka: a szöveg hosszabb mint 220 karakter->levágva a vége",
        "Ebben a sorban fordult elő a hiba: 3", "A levágott rész:", long_text.substr(220)},
       false,
       ""},
      {"TextOfExactlyItsWidthIsNotListed",
       "{1}{2}" + long_text.substr(0, 220) + "\n",
       MainText(),
       "1",
       {"1 2 " + long_text.substr(0, 220) + "*"},
       {},
       {},
       false,
       ""},
      {"SecondTextCutToItsWidthAndListedOnItsRow",
       "{1}{2}a\n{3}{4}" + long_text + "\n",
       second_cut,
       "1",
       {},
       {"a", long_text.substr(0, 220)},
       {"", "Hiba oka: a szöveg hosszabb mint 220 karakter->levágva a vége",
        "Ebben a sorban fordult elő a hiba: 2", "A levágott rész:", long_text.substr(220)},
       false,
       ""},
      {"RowsAfterTheTableRowsAreNumberedAfterThem",
       "1\r\n00:00:08,000 --> 00:00:10,000\r\na\r\n",
       after_rows,
       "2",
       {"00:00:08,000 00:00:10,000 a*"},
       {},
       {},
       false,
       ""},
      {"JoinMovesEveryRowAfterTheFirst",
       "1\r\n00:00:01,000 --> 00:00:02,000\r\na\r\n\r\n2\r\n00:00:03,000 --> "
       "00:00:04,000\r\nb\r\n",
       join,
       "2",
       {"00:01:00,000 00:01:01,000 a*", "00:01:02,000 00:01:03,000 b*"},
       {},
       {},
       false,
       ""},
      {"FrameJoinAndStop",
       "{10}{20}a\r\n{30}\r\nbad\r\n{40}{50}b\r\n",
       frame_join,
       "1",
       {"100 110 a*", "120  "},
       {},
       {},
       true,
       ""},
      {"SecondTextFillsTheRowsThereAndNoMore",
       "1\r\n00:00:01,000 --> 00:00:02,000\r\na\r\n\r\n2\r\n00:00:03,000 --> "
       "00:00:04,000\r\nb\r\n\r\n3\r\n00:00:05,000 --> 00:00:06,000\r\nc\r\n",
       second,
       "2",
       {},
       {"a", "b"},
       {},
       false,
       ""},
      {"SubViewerStopsAtAWrongTimeLine",
       "00:00:01.50,00:00:03.00\r\nx[br]y\r\n\r\nwrong\r\nz\r\n",
       MainText(),
       "4",
       {"00:00:01,500 00:00:03,000 x|y"},
       {},
       {},
       true,
       "Az idő intervalluma rosszul van megadva a sorban!"},
      {"NoKind", "\r\nplain\r\n", MainText(), "", {}, {}, {}, false, ""},
  };
}

TEST(ParseSubtitle, GivesRowsTextsEntriesAndTheStop) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    std::vector<int> positions;
    const ReadResult read = ParseSubtitle(c.bytes, c.input, [&](int p) { positions.push_back(p); });
    EXPECT_EQ(read.kind, c.kind);
    EXPECT_EQ(RowsOf(read), c.rows);
    EXPECT_EQ(read.second_texts, c.second_texts);
    EXPECT_EQ(read.entries, c.entries);
    EXPECT_EQ(read.stopped, c.stopped);
    EXPECT_EQ(read.error, c.error);
    EXPECT_TRUE(positions.empty());  // files of fewer than 100 lines move no gauge
  }
}

TEST(ParseSubtitle, MovesTheGaugeAHundredStepsOverTheLines) {
  std::string bytes;
  for (int i = 0; i < 100; ++i)
    bytes += "{" + std::to_string(i * 10) + "}{" + std::to_string(i * 10 + 5) + "}a\n";
  std::vector<int> positions;
  ParseSubtitle(bytes, MainText(), [&](int p) { positions.push_back(p); });
  ASSERT_FALSE(positions.empty());
  EXPECT_EQ(positions.front(), 2);
  EXPECT_EQ(positions.back(), 100);
  EXPECT_EQ(positions.size(), 99u);
}

// Lines of every length up to a few times the bytes looked at in one step, each ending in LF
// or CR LF, and a last line without a line end: every row has its whole text.
TEST(ParseSubtitle, LinesOfEveryLength) {
  std::string bytes;
  std::vector<std::string> texts;
  for (int length = 0; length < 150; ++length) {
    std::string text(static_cast<std::size_t>(length), 'a');
    for (std::size_t i = 0; i < text.size(); ++i)
      text[i] = static_cast<char>('a' + i % 26);
    bytes += "{" + std::to_string(length * 10) + "}{" + std::to_string(length * 10 + 5) + "}" +
             text + (length % 2 == 0 ? "\n" : "\r\n");
    texts.push_back(text);
  }
  bytes += "{900}{905}last";
  texts.push_back("last");
  const ReadResult read = ParseSubtitle(bytes, MainText(), {});
  ASSERT_EQ(read.rows.size(), texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i)
    EXPECT_EQ(read.rows[i].text, texts[i]) << i;
}

// Over more lines the gauge moves once per hundredth of them: the position after each line is
// the lines counted so far over the hundredth, shown when it changes.
TEST(ParseSubtitle, GaugePositionsOverLargerFiles) {
  for (const int lines : {101, 250, 999, 1234}) {
    std::string bytes;
    for (int i = 0; i < lines; ++i)
      bytes += "{" + std::to_string(i * 10) + "}{" + std::to_string(i * 10 + 5) + "}a\n";
    std::vector<int> positions;
    ParseSubtitle(bytes, MainText(), [&](int p) { positions.push_back(p); });
    // The first line shows the kind; each line after it is counted, the count starting at 2.
    std::vector<int> expected;
    const int step = lines / 100;
    for (int count = 2; count <= lines; ++count) {
      if (expected.empty() || count / step != expected.back())
        expected.push_back(count / step);
    }
    EXPECT_EQ(positions, expected) << lines;
  }
}

}  // namespace
}  // namespace files
