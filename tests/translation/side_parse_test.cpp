// The translation workspace's parsers: lines in, rows and the way the read ended out.
#include "translation/rows/side_parse.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using translation::rows::EmptyTranslationOf;
using translation::rows::ParseFrameBased;
using translation::rows::ParseSubRip;
using translation::rows::ParseSubViewer;
using translation::rows::ReadEnd;
using translation::rows::Row;
using translation::rows::SideParse;
using translation::rows::TrimTrailingBlankRows;

// The rows a read keeps once its trailing separator rows are trimmed, as the loaders keep them.
std::vector<Row> Trimmed(SideParse parse) {
  TrimTrailingBlankRows(parse.rows);
  return parse.rows;
}

const Row kBlank{};

struct SubRipCase {
  const char* name;
  // The lines after the sequence-number line that showed the kind.
  std::vector<std::string_view> lines;
  std::vector<Row> rows;
};

TEST(TranslationSubRip, LinesBecomeSubtitleContinuationAndSeparatorRows) {
  const std::string long_text(230, 'x');
  const std::vector<SubRipCase> cases = {
      {"the nine-line example",
       {"00:00:01,000 --> 00:00:02,500", "Hello", "World", "", "2", "00:00:03,000 --> 00:00:04,000",
        "Bye", ""},
       {{"00:00:01,000", "00:00:02,500", "Hello"},
        {"", "", "World"},
        kBlank,
        {"00:00:03,000", "00:00:04,000", "Bye"}}},
      {"two blank lines give two separator rows",
       {"00:00:01,000 --> 00:00:02,000", "A", "", "", "2", "00:00:03,000 --> 00:00:04,000", "B"},
       {{"00:00:01,000", "00:00:02,000", "A"},
        kBlank,
        kBlank,
        {"00:00:03,000", "00:00:04,000", "B"}}},
      {"trailing separator rows are trimmed",
       {"00:00:01,000 --> 00:00:02,000", "A", "", "", ""},
       {{"00:00:01,000", "00:00:02,000", "A"}}},
      {"a blank-only line ends the entry as an empty one does",
       {"00:00:01,000 --> 00:00:02,000", "A", " \t ", "2", "00:00:03,000 --> 00:00:04,000", "B"},
       {{"00:00:01,000", "00:00:02,000", "A"}, kBlank, {"00:00:03,000", "00:00:04,000", "B"}}},
      {"an entry without text does not swallow the next one",
       {"00:00:01,000 --> 00:00:02,000", "", "2", "00:00:03,000 --> 00:00:04,000", "B", ""},
       {{"00:00:01,000", "00:00:02,000", ""}, kBlank, {"00:00:03,000", "00:00:04,000", "B"}}},
      {"a text of 230 characters keeps 220",
       {"00:00:01,000 --> 00:00:02,000", long_text},
       {{"00:00:01,000", "00:00:02,000", std::string(220, 'x')}}},
  };
  for (const SubRipCase& c : cases) {
    SCOPED_TRACE(c.name);
    const SideParse parse = ParseSubRip(c.lines);
    EXPECT_EQ(parse.end, ReadEnd::kComplete);
    EXPECT_EQ(parse.mode, "Time");
    EXPECT_EQ(Trimmed(parse), c.rows);
  }
}

struct StopCase {
  const char* name;
  std::vector<std::string_view> lines;
  std::string detail;
  std::size_t rows_kept;
};

TEST(TranslationSubRip, ABadLineStopsTheReadWithItsReason) {
  const std::vector<StopCase> cases = {
      {"a sequence number with a letter",
       {"00:00:01,000 --> 00:00:02,000", "A", "", "12a"},
       "A hiba oka: A következő sor sorszáma ez:'12a', ami talán rossz!\r\n" +
           std::string(23, ' ') + "(vagy a 2. sor üres)",
       2},
      {"a bad line of 14 characters is shortened",
       {"00:00:01,000 --> 00:00:02,000", "A", "", "abcdefghijklmn"},
       "A hiba oka: A következő sor sorszáma ez:'abcdefghi...', ami talán rossz!\r\n" +
           std::string(23, ' ') + "(vagy a 2. sor üres)",
       2},
      {"a time line with a single dash",
       {"00:00:01,000 -> 00:00:02,000"},
       "A hiba oka: A következő sorban hiba van: 00:00:01,000 -> 00:00:02,000",
       0},
      {"a time line cut short",
       {"00:00:01,000 --> 00:00"},
       "A hiba oka: A következő sorban hiba van: 00:00:01,000 --> 00:00",
       0},
  };
  for (const StopCase& c : cases) {
    SCOPED_TRACE(c.name);
    const SideParse parse = ParseSubRip(c.lines);
    EXPECT_EQ(parse.end, ReadEnd::kStopped);
    EXPECT_EQ(parse.message1, "Hiba a file-ban! Csak eddig tudtam betölteni a file-t!");
    EXPECT_EQ(parse.message2, c.detail);
    EXPECT_EQ(parse.detail, c.detail);
    EXPECT_EQ(parse.rows.size(), c.rows_kept);
  }
}

TEST(TranslationSubRip, ProgressIsToldOncePerLineTaken) {
  std::vector<std::size_t> told;
  const std::vector<std::string_view> lines = {"00:00:01,000 --> 00:00:02,000", "A", "", "x"};
  ParseSubRip(lines, [&](std::size_t counter) { told.push_back(counter); });
  EXPECT_EQ(told, (std::vector<std::size_t>{2, 3, 4}));
}

TEST(TranslationFrameBased, EachLineIsOneRowWithItsWholeText) {
  const std::vector<std::string_view> lines = {"{100}{250}Hello|World", "", "{300}{400}", "{500}",
                                               "{600}{700}Last"};
  const SideParse parse = ParseFrameBased(lines);
  EXPECT_EQ(parse.end, ReadEnd::kComplete);
  EXPECT_EQ(parse.mode, "Frame");
  EXPECT_EQ(parse.rows, (std::vector<Row>{{"100", "250", "Hello|World"},
                                          {"300", "400", ""},
                                          {"500", "", ""},
                                          {"600", "700", "Last"}}));
}

TEST(TranslationFrameBased, ALineWithoutABraceStopsTheRead) {
  const std::vector<std::string_view> lines = {"{1}{2}A", "B", "{3}{4}C"};
  const SideParse parse = ParseFrameBased(lines);
  EXPECT_EQ(parse.end, ReadEnd::kStopped);
  EXPECT_EQ(parse.message1, "Hiba a file-ban!");
  EXPECT_EQ(parse.message2, "Csak eddig tudtam betölteni a file-t!");
  EXPECT_EQ(parse.rows, (std::vector<Row>{{"1", "2", "A"}}));
}

TEST(TranslationFrameBased, ALineLongerThan255CharactersIsReadWhole) {
  const std::string line = "{1}{2}" + std::string(300, 'z');
  const std::vector<std::string_view> lines = {line};
  EXPECT_EQ(ParseFrameBased(lines).rows.at(0).text, std::string(220, 'z'));
}

struct SubViewerCase {
  const char* name;
  std::vector<std::string_view> lines;
  ReadEnd end;
  std::vector<Row> rows;
  // The detail kept for a stopped read.
  std::string detail = "Az idő intervalluma rosszul van megadva a sorban!";
};

TEST(TranslationSubViewer, PairsBecomeASubtitleRowAndASeparatorRow) {
  const std::vector<SubViewerCase> cases = {
      {"a pair with a [br] tag",
       {"00:00:01.50,00:00:03.00", "One[br]Two", ""},
       ReadEnd::kComplete,
       {{"00:00:01,500", "00:00:03,000", "One|Two"}, kBlank}},
      {"an empty text keeps both times",
       {"00:00:01.50,00:00:03.00", "", "", "00:00:04.00,00:00:05.25", "B"},
       ReadEnd::kComplete,
       {{"00:00:01,500", "00:00:03,000", ""},
        kBlank,
        {"00:00:04,000", "00:00:05,250", "B"},
        kBlank}},
      {"trailing blank lines end the read without an error",
       {"00:00:01.50,00:00:03.00", "A", "", "", "", ""},
       ReadEnd::kComplete,
       {{"00:00:01,500", "00:00:03,000", "A"}, kBlank}},
      {"a bad time line stops the read",
       {"00:00:01.50,00:00:03.00", "A", "", "00:00:04,00-00:00:05.00", "B"},
       ReadEnd::kStopped,
       {{"00:00:01,500", "00:00:03,000", "A"}, kBlank}},
      {"a second text line stops the read where the blank line belongs",
       {"00:00:01.00,00:00:02.00", "One", "Two", "", "00:00:03.00,00:00:04.00", "B"},
       ReadEnd::kStopped,
       {{"00:00:01,000", "00:00:02,000", "One"}, kBlank},
       "A hiba oka: A következő sorban hiba van: Two"},
      {"a second text line and no blank line before the next time line",
       {"00:00:01.00,00:00:02.00", "One", "Two", "00:00:03.00,00:00:04.00", "B"},
       ReadEnd::kStopped,
       {{"00:00:01,000", "00:00:02,000", "One"}, kBlank},
       "A hiba oka: A következő sorban hiba van: Two"},
      {"a blank line where the time line belongs stops the read",
       {"00:00:01.00,00:00:02.00", "A", "", "", "00:00:03.00,00:00:04.00", "B"},
       ReadEnd::kStopped,
       {{"00:00:01,000", "00:00:02,000", "A"}, kBlank}},
      {"a time line at the end of the file has an empty text",
       {"00:00:01.00,00:00:02.00", "A", "", "00:00:03.00,00:00:04.00"},
       ReadEnd::kComplete,
       {{"00:00:01,000", "00:00:02,000", "A"},
        kBlank,
        {"00:00:03,000", "00:00:04,000", ""},
        kBlank}},
  };
  for (const SubViewerCase& c : cases) {
    SCOPED_TRACE(c.name);
    const SideParse parse = ParseSubViewer(c.lines);
    EXPECT_EQ(parse.end, c.end);
    EXPECT_EQ(parse.mode, "Time");
    EXPECT_EQ(parse.rows, c.rows);
    if (c.end == ReadEnd::kStopped) {
      EXPECT_EQ(parse.message1, "Hiba a file-ban!");
      EXPECT_EQ(parse.message2, "Csak eddig tudtam betölteni a file-t!");
      EXPECT_EQ(parse.detail, c.detail);
    }
  }
}

TEST(TranslationCutTexts, EveryTextLongerThanItsFieldIsNotedWithWhatWasCutOff) {
  using translation::rows::CutText;
  const std::string kept(220, 'x');
  const std::string long_text = kept + "0123456789";
  const std::string frame_line = "{1}{2}" + long_text;
  const std::string subviewer_text = std::string(218, 'x') + "[br]abcdef";
  struct Case {
    const char* name;
    SideParse parse;
    std::vector<CutText> cuts;
  };
  const std::vector<Case> cases = {
      {"SubRip: a first and a further text line",
       ParseSubRip(std::vector<std::string_view>{"00:00:01,000 --> 00:00:02,000", "A", long_text,
                                                 "", "2", "00:00:03,000 --> 00:00:04,000",
                                                 long_text}),
       {{1, "0123456789"}, {3, "0123456789"}}},
      {"SubRip: exactly 220 characters fit",
       ParseSubRip(std::vector<std::string_view>{"00:00:01,000 --> 00:00:02,000", kept}),
       {}},
      {"frame-based",
       ParseFrameBased(std::vector<std::string_view>{"{1}{2}A", frame_line}),
       {{1, "0123456789"}}},
      {"SubViewer: measured after [br] became |",
       ParseSubViewer(std::vector<std::string_view>{"00:00:01.00,00:00:02.00", subviewer_text}),
       {{0, "bcdef"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.parse.end, ReadEnd::kComplete);
    EXPECT_EQ(c.parse.cuts, c.cuts);
    for (const CutText& cut : c.cuts)
      EXPECT_EQ(c.parse.rows.at(cut.row).text.size(), 220u);
  }
  EXPECT_EQ(translation::rows::CutTextEntries(cases[0].parse.cuts),
            (std::vector<std::string>{
                "", "Hiba oka: a szöveg 220 karakternél hosszabb volt -> levágva",
                "Ebben a sorban fordult elő a hiba: 2", "A levágott rész: 0123456789", "",
                "Hiba oka: a szöveg 220 karakternél hosszabb volt -> levágva",
                "Ebben a sorban fordult elő a hiba: 4", "A levágott rész: 0123456789"}));
}

TEST(TranslationEmptyTranslation, PartnersKeepTheTimesAndNothingElse) {
  const std::vector<Row> source = {{"00:00:01,000", "00:00:02,500", "Hello"},
                                   {"", "", "World"},
                                   kBlank,
                                   {"00:00:03,000", "00:00:04,000", "Bye"},
                                   {"", "", "Again"}};
  EXPECT_EQ(EmptyTranslationOf(source), (std::vector<Row>{{"00:00:01,000", "00:00:02,500", ""},
                                                          kBlank,
                                                          kBlank,
                                                          {"00:00:03,000", "00:00:04,000", ""},
                                                          kBlank}));
}

}  // namespace
