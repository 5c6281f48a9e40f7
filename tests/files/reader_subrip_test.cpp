// SubRip files: the rows read, every repair with its exact result-list entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/kereses.h"
#include "files/reader.h"
#include "files/reader_rig.h"

namespace files::testing {
namespace {

constexpr const char* kTimeA = "00:00:01,000 --> 00:00:02,000";
constexpr const char* kTimeB = "00:00:03,000 --> 00:00:04,000";

struct Case {
  std::string name;
  std::string file;
  std::vector<Row> rows;
  std::vector<std::string> list;  // the result list; empty: nothing listed, nothing shown
};

std::string Lines(std::initializer_list<std::string> lines) {
  std::string file;
  for (const std::string& line : lines)
    file += line + "\r\n";
  return file;
}

TEST(SubRipReader, RowsAndRepairs) {
  const std::vector<Case> cases = {
      {"clean",
       Lines({"1", kTimeA, "Hello", "World", "", "2", kTimeB, "Bye"}),
       {{"00:00:01,000", "00:00:02,000", "Hello|World"}, {"00:00:03,000", "00:00:04,000", "Bye"}},
       {}},
      {"dot separators",
       Lines({"1", "00:00:01.500 --> 00:00:02.250", "A"}),
       {{"00:00:01,500", "00:00:02,250", "A"}},
       {}},
      {"LF only, a line of one blank as the blank line",
       "1\n00:00:01,000 --> 00:00:02,000\nA\n \n2\n00:00:03,000 --> 00:00:04,000\nB",
       {{"00:00:01,000", "00:00:02,000", "A"}, {"00:00:03,000", "00:00:04,000", "B"}},
       {}},
      {"UTF-8 byte-order mark before the first block",
       "\xEF\xBB\xBF" + Lines({"1", kTimeA, "A", "", "2", kTimeB, "B"}),
       {{"00:00:01,000", "00:00:02,000", "A"}, {"00:00:03,000", "00:00:04,000", "B"}},
       Entry({std::string(49, '!'), "Ez a felirat UTF-8-as file-ból lett betöltve!!!",
              "Kérem mentse el a file-t!", "Mentéskor Windows-1250-es kódolású lesz!",
              std::string(49, '!')})},
      {"blanks trimmed at the end of a text",
       Lines({"1", kTimeA, "a  b ,c", "d |", "", "2", kTimeB, "B"}),
       {{"00:00:01,000", "00:00:02,000", "a b,c|d|"}, {"00:00:03,000", "00:00:04,000", "B"}},
       {}},
      {"leading blank of the first text line",
       Lines({"1", kTimeA, " Hi", " there"}),
       {{"00:00:01,000", "00:00:02,000", "Hi| there"}},
       Entry({"Hiba oka: sor elején space van->törölve a space",
              "Ebben a sorban fordult elő a hiba: 1", "A hibás sor:", " Hi", "Új sor:", "Hi"})},
      {"seconds past 59 carried, 24:00:00,000 kept",
       Lines({"1", "00:00:75,000 --> 24:00:00,000", "A"}),
       {{"00:01:15,000", "24:00:00,000", "A"}},
       Entry({"Hiba oka: időeltérés", "Ebben a sorban fordult elő a hiba: 1",
              "Beolvasott idő: 00:00:75,000", "Javított idő:      00:01:15,000"})},
      {"a time code of the wrong shape becomes zero",
       Lines({"1", "0a:00:01,000 --> 00:00:02,000", "A"}),
       {{"00:00:00,000", "00:00:02,000", "A"}},
       {}},
      {"malformed time line takes the previous row's end",
       Lines({"1", "00:00:01,000 --> 00:00:02,500", "A", "", "2", "0:00:03,000 --> 0:00:04,000",
              "B"}),
       {{"00:00:01,000", "00:00:02,500", "A"},
        {"00:00:02,500", "00:00:02,500", "0:00:03,000 --> 0:00:04,000|B"}},
       Entry({"Hiba oka: számformátumhiba", "Ebben a sorban fordult elő a hiba: 2",
              "Ezelőtt a sor előtt rossz volt a számformátum/Pl.:0:00:01,135/: 0:00:03,000 --> "
              "0:00:04,000",
              "Javítás utáni sor így néz ki: 00:00:02,500 --> 00:00:02,500"})},
      {"malformed time line after a row whose end was unreadable",
       Lines({"1", "00:00:01,000 --> 00:00:0x,000", "A", "", "2", "broken", "B"}),
       {{"00:00:01,000", "00:00:00,000", "A"}, {"00:00:00,000", "00:00:00,000", "broken|B"}},
       Concat({Entry({"Hiba oka: a kezdő idő nagyobb mint a befejező idő",
                      "Ebben a sorban fordult elő a hiba: 1",
                      "A hibás sor: 00:00:01,000 --> 00:00:00,000"}),
               Entry({"Hiba oka: számformátumhiba", "Ebben a sorban fordult elő a hiba: 2",
                      "Ezelőtt a sor előtt rossz volt a számformátum/Pl.:0:00:01,135/: broken",
                      "Javítás utáni sor így néz ki: 00:00:00,000 --> 00:00:00,000"})})},
      {"malformed first time line",
       Lines({"1", "broken", "B"}),
       {{"00:00:00,000", "00:00:00,000", "broken|B"}},
       Entry({"Hiba oka: számformátumhiba", "Ebben a sorban fordult elő a hiba: 1",
              "Ezelőtt a sor előtt rossz volt a számformátum/Pl.:0:00:01,135/: broken",
              "Javítás utáni sor így néz ki: 00:00:00,000 --> 00:00:00,000"})},
      {"block number missing",
       Lines({"1", kTimeA, "A", "", kTimeB, "B"}),
       {{"00:00:01,000", "00:00:02,000", "A"}, {"00:00:03,000", "00:00:04,000", "B"}},
       Entry({"Hiba oka: sorszámprobléma", "Ebben a sorban fordult elő a hiba: 2",
              "Ezelőtt a sor előtt nem volt sorszám: 00:00:03,000 --> 00:00:04,000"})},
      {"blank line and block number missing",
       Lines({"1", kTimeA, "A", kTimeB, "B"}),
       {{"00:00:01,000", "00:00:02,000", "A"}, {"00:00:03,000", "00:00:04,000", "B"}},
       {}},
      {"blank line inside a text",
       Lines({"5", kTimeA, "Hello", "", "World", "", "6", kTimeB, "X"}),
       {{"00:00:01,000", "00:00:02,000", "Hello||World", "", "t"},
        {"00:00:03,000", "00:00:04,000", "X"}},
       {}},
      {"blank line right after the time line",
       Lines({"1", kTimeA, "", "Hello", "", "2", kTimeB, "X"}),
       {{"00:00:01,000", "00:00:02,000", "|Hello"}, {"00:00:03,000", "00:00:04,000", "X"}},
       Entry({"Hiba oka: sorelválasztó probléma", "Ebben a sorban fordult elő a hiba: 1",
              "A sor: |Hello"})},
      {"start after end",
       Lines({"1", "00:00:05,000 --> 00:00:01,000", "A", "", "2", "00:00:06,000 --> 00:00:07,000",
              "B"}),
       {{"00:00:05,000", "00:00:01,000", "A"}, {"00:00:06,000", "00:00:07,000", "B"}},
       Entry({"Hiba oka: a kezdő idő nagyobb mint a befejező idő",
              "Ebben a sorban fordult elő a hiba: 1",
              "A hibás sor: 00:00:05,000 --> 00:00:01,000"})},
      {"overlap with the previous row, one timing entry per row",
       Lines({"1", "00:00:01,000 --> 00:00:05,000", "A", "", "2", "00:00:03,000 --> 00:00:02,000",
              "B", "", "3", "00:00:04,000 --> 00:00:06,000", "C", "", "4", kTimeB, "D", "", "5",
              "00:00:07,000 --> 00:00:08,000", "E"}),
       {{"00:00:01,000", "00:00:05,000", "A"},
        {"00:00:03,000", "00:00:02,000", "B"},
        {"00:00:04,000", "00:00:06,000", "C"},
        {"00:00:03,000", "00:00:04,000", "D"},
        {"00:00:07,000", "00:00:08,000", "E"}},
       Concat({Entry({"Hiba oka: a kezdő idő nagyobb mint a befejező idő",
                      "Ebben a sorban fordult elő a hiba: 2",
                      "A hibás sor: 00:00:03,000 --> 00:00:02,000"}),
               Entry({"Hiba oka: a kezdő idő kevesebb mint az előző sor befejező ideje",
                      "A/Az 3. sor Befejező ideje: 00:00:06,000",
                      "A/Az 4. sor Kezdő ideje:     00:00:03,000"})})},
      {"file ends right after a block number",
       Lines({"1", kTimeA, "A", "", "2"}),
       {{"00:00:01,000", "00:00:02,000", "A"}},
       {}},
      {"text after a block number and a blank line never rewrites the stored row",
       Lines({"1", kTimeA, "A", "", "2", "", "stray", kTimeB, "B"}),
       {{"00:00:01,000", "00:00:02,000", "A"},
        {"00:00:02,000", "00:00:02,000", "stray"},
        {"00:00:03,000", "00:00:04,000", "B"}},
       Entry({"Hiba oka: számformátumhiba", "Ebben a sorban fordult elő a hiba: 2",
              "Ezelőtt a sor előtt rossz volt a számformátum/Pl.:0:00:01,135/: stray",
              "Javítás utáni sor így néz ki: 00:00:02,000 --> 00:00:02,000"})},
      {"a text past its field keeps the field's width and lists what was cut off",
       Lines({"1", kTimeA, std::string(150, 'a'), std::string(79, 'b'), "", "2", kTimeB,
              std::string(230, 'c')}),
       {{"00:00:01,000", "00:00:02,000", std::string(150, 'a') + "|" + std::string(69, 'b'), "", "",
         "t"},
        {"00:00:03,000", "00:00:04,000", std::string(220, 'c'), "", "", "t"}},
       Concat({Entry({"Hiba oka: a szöveg hosszabb mint 220 karakter->levágva a vége",
                      "Ebben a sorban fordult elő a hiba: 1",
                      "A levágott rész:", std::string(10, 'b')}),
               Entry({"Hiba oka: a szöveg hosszabb mint 220 karakter->levágva a vége",
                      "Ebben a sorban fordult elő a hiba: 2",
                      "A levágott rész:", std::string(10, 'c')})})},
      {"two blank lines after a block number keep the stored row",
       Lines({"1", kTimeA, "A", "", "2", "", "", kTimeB, "B"}),
       {{"00:00:01,000", "00:00:02,000", "A"}, {"00:00:03,000", "00:00:04,000", "B"}},
       Entry({"Hiba oka: sorszámprobléma", "Ebben a sorban fordult elő a hiba: 2",
              "Ezelőtt a sor előtt nem volt sorszám: 00:00:03,000 --> 00:00:04,000"})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ReaderRig rig;
    if (!c.list.empty())
      rig.ExpectList();
    EXPECT_EQ(rig.Read(c.file), "2");
    EXPECT_EQ(rig.Rows(), c.rows);
    EXPECT_EQ(rig.ListLines(), c.list);
    EXPECT_EQ(rig.program.Kereses->ReadErrorsListed, !c.list.empty());
    EXPECT_EQ(rig.Lines("list: ").size(), c.list.empty() ? 0u : 1u);
    EXPECT_EQ(rig.editor().beosztas.Text(), "Time");
    EXPECT_EQ(rig.state().CurrentTimeBase, "Time");
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

}  // namespace
}  // namespace files::testing
