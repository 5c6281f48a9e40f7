// The two native formats byte for byte, and the SubRip writer's check entries.
#include "formats/native_writers.h"

#include <gtest/gtest.h>

#include <array>

#include <string>
#include <vector>

namespace files {
namespace {

using Rows = std::vector<NativeRow>;
using Lines = std::vector<std::string>;

constexpr std::string_view T1 = "00:00:01,000";
constexpr std::string_view T2 = "00:00:02,000";
constexpr std::string_view T3 = "00:00:03,000";
constexpr std::string_view T4 = "00:00:04,000";

TEST(MicroDvdBytes, WritesEveryRowWithBothTimesAndNoLineEndAfterTheLastRow) {
  struct Case {
    const char* name;
    Rows rows;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {"three rows",
       {{"100", "200", "Első sor|második sor"}, {"250", "300", ""}, {"310", "400", "Vége"}},
       "{100}{200}Első sor|második sor\r\n{250}{300}\r\n{310}{400}Vége"},
      {"missing start in the middle",
       {{"100", "200", "A"}, {"", "300", "B"}, {"310", "400", "C"}},
       "{100}{200}A\r\n{310}{400}C"},
      {"missing start on the last row", {{"100", "200", "A"}, {"", "300", "B"}}, "{100}{200}A\r\n"},
      {"missing end on the last row", {{"100", "200", "A"}, {"250", "", "B"}}, "{100}{200}A\r\n"},
      {"empty text on the last row", {{"100", "200", ""}}, "{100}{200}"},
      {"texts as stored",
       {{"1", "2", "A|"}, {"3", "4", "A||B"}, {"5", "6", "|"}, {"7", "8", "<i>x</i>"}},
       "{1}{2}A|\r\n{3}{4}A||B\r\n{5}{6}|\r\n{7}{8}<i>x</i>"},
      {"bytes pass unchanged",
       {{"1", "2", std::string_view("a\0b\nc\xF5", 6)}},
       std::string("{1}{2}a\0b\nc\xF5", 12)},
      {"empty table", {}, ""},
      {"every row skipped", {{"", "", "A"}, {"1", "", "B"}}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(MicroDvdBytes(c.rows), c.bytes);
  }
}

TEST(SubRipBytes, NumbersTheWrittenRowsAndCutsTheTextAtEveryBar) {
  struct Case {
    const char* name;
    Rows rows;
    bool skip_empty_text;
    std::string bytes;
  };
  const std::vector<Case> cases = {
      {"two rows",
       {{"00:00:01,000", "00:00:02,500", "Hello|World"}, {T3, T4, "Bye"}},
       false,
       "1\r\n00:00:01,000 --> 00:00:02,500\r\nHello\r\nWorld\r\n\r\n"
       "2\r\n00:00:03,000 --> 00:00:04,000\r\nBye"},
      {"missing start in the middle",
       {{T1, T2, "A"}, {"", T3, "B"}, {T3, T4, "C"}},
       false,
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\n"
       "2\r\n00:00:03,000 --> 00:00:04,000\r\nC"},
      {"missing start on the last row",
       {{T1, T2, "A"}, {"", T4, "B"}},
       false,
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n"},
      {"empty text in the middle",
       {{T1, T2, ""}, {T3, T4, "B"}},
       false,
       "1\r\n00:00:01,000 --> 00:00:02,000\r\n\r\n\r\n"
       "2\r\n00:00:03,000 --> 00:00:04,000\r\nB"},
      {"empty text on the last row",
       {{T1, T2, ""}},
       false,
       "1\r\n00:00:01,000 --> 00:00:02,000\r\n\r\n"},
      {"a text ending in a bar",
       {{T1, T2, "A|"}, {T3, T4, "B"}},
       false,
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\n"
       "2\r\n00:00:03,000 --> 00:00:04,000\r\nB"},
      {"a text ending in a bar on the last row",
       {{T1, T2, "A|"}},
       false,
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n"},
      {"an empty line inside the text",
       {{T1, T2, "A||B"}},
       false,
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\nB"},
      {"a bar alone",
       {{T1, T2, "|"}, {T3, T4, "B"}},
       false,
       "1\r\n00:00:01,000 --> 00:00:02,000\r\n\r\n\r\n"
       "2\r\n00:00:03,000 --> 00:00:04,000\r\nB"},
      {"empty texts kept with UresNe off",
       {{T1, T2, "A"}, {T2, T3, ""}, {T3, T4, "C"}},
       false,
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\n"
       "2\r\n00:00:02,000 --> 00:00:03,000\r\n\r\n\r\n"
       "3\r\n00:00:03,000 --> 00:00:04,000\r\nC"},
      {"empty texts left out with UresNe on",
       {{T1, T2, "A"}, {T2, T3, ""}, {T3, T4, "C"}},
       true,
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\n"
       "2\r\n00:00:03,000 --> 00:00:04,000\r\nC"},
      {"an empty last row left out with UresNe on",
       {{T1, T2, "A"}, {T3, T4, ""}},
       true,
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n"},
      {"empty table", {}, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SubRipFile file =
        SubRipBytes(c.rows, {.check_times = false, .skip_empty_text = c.skip_empty_text});
    EXPECT_EQ(file.bytes, c.bytes);
  }
}

TEST(SubRipBytes, ChecksTimesAndFirstCharactersWhileWriting) {
  struct Case {
    const char* name;
    Rows rows;
    bool check_times;
    Lines report;
    int time_problems;
    int other_problems;
    std::string summary;
  };
  const std::vector<Case> cases = {
      {"start before the previous end",
       {{T1, T3, "A"}, {T2, T4, "B"}},
       true,
       {"", "Sor száma: 1      Érték: 00:00:01,000-->00:00:03,000",
        "Sor száma: 2      Érték: 00:00:02,000-->00:00:04,000",
        "A 2. sor kezdő értéke kisebb, mint az 1. sor befejező értéke!"},
       1,
       0,
       "Ennyi átfedési hibát találtam: 1"},
      {"equal times are fine", {{T1, T2, "A"}, {T2, T2, "B"}}, true, {}, 0, 0, ""},
      {"a first row ending before it starts",
       {{T2, T1, "A"}},
       true,
       {"", "Sor száma: 1      Érték: 00:00:02,000-->00:00:01,000",
        "A 1. sor kezdő értéke nagyobb, mint a befejező értéke!"},
       1,
       0,
       "Ennyi átfedési hibát találtam: 1"},
      {"both checks on one row",
       {{T1, T3, "A"}, {T2, T1, "B"}},
       true,
       {"", "Sor száma: 1      Érték: 00:00:01,000-->00:00:03,000",
        "Sor száma: 2      Érték: 00:00:02,000-->00:00:01,000",
        "A 2. sor kezdő értéke kisebb, mint az 1. sor befejező értéke!", "",
        "Sor száma: 2      Érték: 00:00:02,000-->00:00:01,000",
        "A 2. sor kezdő értéke nagyobb, mint a befejező értéke!"},
       2,
       0,
       "Ennyi átfedési hibát találtam: 2"},
      {"a skipped row between names the row compared with",
       {{T1, T3, "A"}, {"", T4, "B"}, {T2, T4, "C"}},
       true,
       {"", "Sor száma: 1      Érték: 00:00:01,000-->00:00:03,000",
        "Sor száma: 3      Érték: 00:00:02,000-->00:00:04,000",
        "A 3. sor kezdő értéke kisebb, mint az 1. sor befejező értéke!"},
       1,
       0,
       "Ennyi átfedési hibát találtam: 1"},
      {"no time checks with MentAt off", {{T1, T3, "A"}, {T2, T1, "B"}}, false, {}, 0, 0, ""},
      {"a leading blank with MentAt off",
       {{T1, T2, " A|B"}},
       false,
       {"", "Ebben a sorban az első karakter \"space\"!", "Sor száma: 1",
        "00:00:01,000-->00:00:02,000", " A|B"},
       0,
       1,
       "Ennyi hibát találtam: 1"},
      {"a leading line break after an overlap",
       {{T1, T3, "A"}, {T2, T4, "|B"}},
       true,
       {"", "Sor száma: 1      Érték: 00:00:01,000-->00:00:03,000",
        "Sor száma: 2      Érték: 00:00:02,000-->00:00:04,000",
        "A 2. sor kezdő értéke kisebb, mint az 1. sor befejező értéke!", "",
        "Hiba oka: sorelválasztó probléma", "Sor száma: 2", "00:00:02,000-->00:00:04,000", "|B"},
       1,
       1,
       "Ennyi átfedési hibát találtam: 1; Egyéb hiba: 1"},
      {"a skipped row is not checked", {{T1, T3, "A"}, {T2, "", " B"}}, true, {}, 0, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SubRipFile file = SubRipBytes(c.rows, {.check_times = c.check_times});
    EXPECT_EQ(file.report, c.report);
    EXPECT_EQ(file.time_problems, c.time_problems);
    EXPECT_EQ(file.other_problems, c.other_problems);
    EXPECT_EQ(SubRipSummaryLine(file), c.summary);
  }
}

TEST(NativeWriters, CountRowsForTheGauge) {
  const Rows rows = {{"1", "2", "A"}, {"", "4", "B"}, {"5", "6", "C"}};
  std::vector<int> counted;
  MicroDvdBytes(rows, [&](int n) { counted.push_back(n); });
  EXPECT_EQ(counted, (std::vector<int>{1, 2, 3}));
  counted.clear();
  SubRipBytes(rows, {}, [&](int n) { counted.push_back(n); });
  EXPECT_EQ(counted, (std::vector<int>{1, 2}));
}

TEST(RowsOfTable, TakesThePostedRowsWithTheTextOfTheSlot) {
  dataset::RowTable table(dataset::SubtitleRowFields());
  table.CreateDataSet();
  for (const auto& [start, end, text, second] :
       std::vector<std::array<const char*, 4>>{{"1", "2", "a", "x"}, {"3", "4", "b", "y"}}) {
    table.Append();
    table.SetValue(dataset::subtitle_field::kKezdes, start);
    table.SetValue(dataset::subtitle_field::kBefejezes, end);
    table.SetValue(dataset::subtitle_field::kSzoveg, text);
    table.SetValue(dataset::subtitle_field::kSzoveg2, second);
    table.Post();
  }
  EXPECT_EQ(MicroDvdBytes(RowsOfTable(table, dataset::subtitle_field::kSzoveg)),
            "{1}{2}a\r\n{3}{4}b");
  EXPECT_EQ(MicroDvdBytes(RowsOfTable(table, dataset::subtitle_field::kSzoveg2)),
            "{1}{2}x\r\n{3}{4}y");
}

}  // namespace
}  // namespace files
