// Joining two parts: the dialogs that choose them, the start value, and the joined subtitle.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "files/cd2cd1.h"
#include "files/editor_rig.h"
#include "files/ertek2cd.h"
#include "files/join.h"
#include "files/open_flow.h"
#include "formats/join_rules.h"
#include "platform/ui/headless/driver.h"

namespace files {
namespace {

using testing::EditorRig;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

namespace field = dataset::subtitle_field;

struct Row {
  std::string start;
  std::string end;
  std::string text;
  bool operator==(const Row&) const = default;
  friend void PrintTo(const Row& row, std::ostream* out) {
    *out << row.start << " " << row.end << " " << row.text;
  }
};

struct JoinRig : EditorRig {
  TempFolder temp;

  TCd2cd1& chooser() { return *program.Cd2cd1; }
  TErtek2cd& start_window() { return *program.Ertek2cd; }

  void Write(std::string_view name, std::string_view bytes) {
    WriteBytes(temp.path() / name, bytes);
  }

  // Double-clicks a file of the chooser's list.
  void Pick(std::string_view name) {
    const text::LineList& items = chooser().filelistbox.Items();
    const auto found = std::find(items.begin(), items.end(), name);
    ASSERT_NE(found, items.end()) << name;
    driver.DoubleClickItem(chooser().filelistbox, static_cast<int>(found - items.begin()));
  }

  void OpenFolder(bool frames) {
    chooser().DirectoryListBox1.SetDirectory(temp.path());
    if (frames)
      driver.Choose(chooser().FilterComboBox1, 1);
  }

  // Goes through both dialogs: the two parts, the start value, the joined file's name.
  void ChooseParts(std::string_view first, std::string_view second, std::string_view start,
                   std::string_view joined, bool frames) {
    driver.OnModal("Ertek2cd", [=, this] {
      start_window().Edit2.SetText(start);
      AnswerName(temp.path(), joined);
      driver.Click(start_window().Btalloz);
      driver.Click(start_window().B2ervenyesit);
    });
    driver.OnModal("Cd2cd1", [=, this] {
      OpenFolder(frames);
      Pick(first);
      Pick(second);
      driver.Click(chooser().Bervenyesit);
    });
    editor().BfilekiClick();
  }

  std::vector<Row> Rows() {
    std::vector<Row> rows;
    dataset::RowTable& table = editor().cds;
    for (table.First(); !table.Eof(); table.Next())
      rows.push_back({table.Value(field::kKezdes), table.Value(field::kBefejezes),
                      table.Value(field::kSzoveg)});
    return rows;
  }
};

TEST(JoinRules, TimeBaseFollowsTheExtensions) {
  struct Case {
    const char* first;
    const char* second;
    const char* time_base;
  };
  for (const Case& c : std::vector<Case>{{"/a/1.srt", "/a/2.srt", "Time"},
                                         {"/a/1.sub", "/b/2.SUB", "Frame"},
                                         {"/a/1.srt", "/a/2.sub", ""},
                                         {"/a/1.txt", "/a/2.txt", ""}})
    EXPECT_EQ(JoinTimeBase(c.first, c.second), c.time_base) << c.first << " " << c.second;
}

TEST(JoinRules, RefusesPartsOfDifferentOrUnreadableKinds) {
  struct Case {
    const char* first;
    const char* second;
    JoinRefusal refusal;
  };
  for (const Case& c : std::vector<Case>{{"2", "2", JoinRefusal::kNone},
                                         {"1", "1", JoinRefusal::kNone},
                                         {"1", "2", JoinRefusal::kStyle},
                                         {"3", "3", JoinRefusal::kStyle},
                                         {"2", "3", JoinRefusal::kStyle},
                                         {"4", "4", JoinRefusal::kUnusable},
                                         {"", "", JoinRefusal::kUnusable}})
    EXPECT_EQ(JoinRefusalOf(c.first, c.second), c.refusal) << c.first << " " << c.second;
}

constexpr std::string_view kPartOneSrt = "1\r\n00:59:50,000 --> 00:59:58,000\r\nElső\r\n\r\n";
constexpr std::string_view kPartTwoSrt =
    "1\r\n00:00:02,000 --> 00:00:04,500\r\nMásik\r\n\r\n"
    "2\r\n00:00:10,000 --> 00:00:12,000\r\nHarmadik\r\n";

TEST(Join, SubRipPartsMoveThePartTwoTimesToTheStartValue) {
  struct Case {
    std::string_view part_one;
    const char* start;
    std::vector<Row> rows;
  };
  const std::vector<Case> cases = {
      {kPartOneSrt,
       "01:00:00,000",
       {{"00:59:50,000", "00:59:58,000", "Első"},
        {"01:00:00,000", "01:00:02,500", "Másik"},
        {"01:00:08,000", "01:00:10,000", "Harmadik"}}},
      // A start value before part 2's own first start moves it back.
      {"1\r\n00:00:00,000 --> 00:00:00,500\r\nElső\r\n\r\n",
       "00:00:01,000",
       {{"00:00:00,000", "00:00:00,500", "Első"},
        {"00:00:01,000", "00:00:03,500", "Másik"},
        {"00:00:09,000", "00:00:11,000", "Harmadik"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.start);
    JoinRig rig;
    rig.AddRows({{"00:00:01,000", "00:00:02,000", "régi"}});
    rig.Write("a.srt", c.part_one);
    rig.Write("b.srt", kPartTwoSrt);
    rig.ChooseParts("a.srt", "b.srt", c.start, "egesz", false);
    EXPECT_TRUE(rig.editor().Visible());
    EXPECT_EQ(rig.state().OpenMode, "2cd1cd");
    EXPECT_TRUE(rig.editor().Bvegre21.Enabled());
    EXPECT_EQ(rig.start_window().E2cdfilenev.Text(), TextOfPath(rig.temp.path() / "egesz.srt"));

    rig.AnswerMessage(&shell::TKiszoveg::Bok);
    rig.editor().Bvegre21Click();
    EXPECT_EQ(rig.Rows(), c.rows);
    EXPECT_EQ(rig.Messages(),
              std::vector<std::string>{"message: Mentés | A file-t elmentettem! |"});
    const std::string saved = ReadBytes(rig.temp.path() / "egesz.srt");
    EXPECT_NE(saved.find(std::string(c.rows[1].start) + " --> " + c.rows[1].end), std::string::npos)
        << saved;
    EXPECT_EQ(rig.editor().Efilenev.Text(), "egesz.srt");
    EXPECT_FALSE(rig.Modified());
    EXPECT_FALSE(rig.editor().Bvegre21.Enabled());
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

TEST(Join, FramePartsMoveByTheOffsetWithZeroAsFloor) {
  struct Case {
    const char* start;
    std::vector<Row> rows;
  };
  const std::vector<Case> cases = {
      {"5000",
       {{"10", "20", "Egy"},
        {"5000", "5050", "Kettő"},
        {"5100", "5150", "Három"},
        {"4920", "4960", "Korai"}}},
      // A start value before part 2's first frame moves it back; no frame goes below 0.
      {"50",
       {{"10", "20", "Egy"},
        {"50", "100", "Kettő"},
        {"150", "200", "Három"},
        {"0", "10", "Korai"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.start);
    JoinRig rig;
    rig.Write("a.sub", "{10}{20}Egy\r\n");
    rig.Write("b.sub", "{100}{150}Kettő\r\n{200}{250}Három\r\n{20}{60}Korai\r\n");
    rig.ChooseParts("a.sub", "b.sub", c.start, "egesz", true);
    EXPECT_EQ(rig.start_window().Edit4.Text(), "Frame");
    rig.AnswerMessage(&shell::TKiszoveg::Bok);
    rig.editor().Bvegre21Click();
    EXPECT_EQ(rig.Rows(), c.rows);
    EXPECT_EQ(rig.editor().beosztas.Text(), "Frame");
    EXPECT_NE(ReadBytes(rig.temp.path() / "egesz.sub").find(std::string("{") + c.rows[1].start),
              std::string::npos);
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

TEST(Join, ARefusedJoinLeavesEverythingAsItWas) {
  struct Case {
    const char* name;
    std::string first;
    std::string second;
    const char* time_base;
    std::string message;
  };
  const std::string style = "message: Stílushiba! | A két file eltérő stílusú/Frame,Time/! |";
  const std::vector<Case> cases = {
      {"frame lines in a .srt file", "{1}{2}Keret\r\n", std::string(kPartTwoSrt), "Time", style},
      {"UTF-16 first part",
       std::string("\xFF\xFE"
                   "1\0\r\0\n\0",
                   8),
       std::string(kPartTwoSrt), "Time", style},
      // The editor's own time base is kept too, not only its rows.
      {"frame lines in a .srt file, editor in Frame", "{1}{2}Keret\r\n", std::string(kPartTwoSrt),
       "Frame", style},
      {"no kind in either part", "semmi\r\n", "semmi\r\n", "Time",
       "message: Hiba | Hiba a file-ban! Lehet, hogy nem nincs a file-ban semmi! | Vagy a file "
       "értelmezhetetlen típust tartalmaz!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JoinRig rig;
    rig.SetTimeBase(c.time_base);
    const bool time = c.time_base == std::string("Time");
    const Row before = time ? Row{"00:00:01,000", "00:00:02,000", "régi"} : Row{"1", "2", "régi"};
    const std::string document = time ? "regi.srt" : "regi.sub";
    rig.AddRows({{before.start, before.end, before.text}});
    rig.SetDocument(rig.temp.path() / document);
    rig.editor().Efilenev.SetText(document);
    rig.Write("a.srt", c.first);
    rig.Write("b.srt", c.second);
    rig.ChooseParts("a.srt", "b.srt", "01:00:00,000", "egesz", false);
    rig.AnswerMessage(&shell::TKiszoveg::Bok);
    rig.editor().Bvegre21Click();
    EXPECT_EQ(rig.Messages(), std::vector<std::string>{c.message});
    EXPECT_EQ(rig.Rows(), std::vector<Row>{before});
    EXPECT_EQ(rig.state().CurrentFilePath.Path(), rig.temp.path() / document);
    EXPECT_EQ(rig.state().CurrentFileName, document);
    EXPECT_EQ(rig.editor().Efilenev.Text(), document);
    EXPECT_EQ(rig.editor().beosztas.Text(), c.time_base);
    EXPECT_FALSE(std::filesystem::exists(rig.temp.path() / "egesz.srt"));
    EXPECT_FALSE(rig.editor().Bvegre21.Enabled());
    // The next save writes the editor's own file, never a part.
    rig.editor().Mentes1Click();
    EXPECT_EQ(ReadBytes(rig.temp.path() / "b.srt"), c.second);
    EXPECT_EQ(ReadBytes(rig.temp.path() / "a.srt"), c.first);
    EXPECT_TRUE(ReadBytes(rig.temp.path() / document).ends_with("régi"));
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

// A part that is gone or is no file by the time the join runs is named with the open window's
// message, not called a file without a subtitle; nothing is read and nothing is written.
TEST(Join, APartThatCannotBeReadIsNamed) {
  struct Case {
    const char* name;
    const char* part;  // the part taken away after choosing
    bool folder;       // a folder put in its place
    std::string message;
  };
  const std::vector<Case> cases = {
      {"second part removed", "b.srt", false,
       "message: Hiba | Nem tudtam beolvasni a következő file-t: b.srt | A file nem létezik!"},
      {"first part removed", "a.srt", false,
       "message: Hiba | Nem tudtam beolvasni a következő file-t: a.srt | A file nem létezik!"},
      {"first part a folder", "a.srt", true,
       "message: Hiba | Nem tudtam beolvasni a következő file-t: a.srt | Ez nem file, hanem "
       "mappa vagy eszköz!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JoinRig rig;
    rig.SetTimeBase("Time");
    const Row before{"00:00:01,000", "00:00:02,000", "régi"};
    rig.AddRows({{before.start, before.end, before.text}});
    rig.SetDocument(rig.temp.path() / "regi.srt");
    rig.editor().Efilenev.SetText("regi.srt");
    rig.Write("a.srt", kPartOneSrt);
    rig.Write("b.srt", kPartTwoSrt);
    rig.ChooseParts("a.srt", "b.srt", "01:00:00,000", "egesz", false);
    std::filesystem::remove(rig.temp.path() / c.part);
    if (c.folder)
      std::filesystem::create_directory(rig.temp.path() / c.part);
    rig.AnswerMessage(&shell::TKiszoveg::Bok);
    rig.editor().Bvegre21Click();
    EXPECT_EQ(rig.Messages(), std::vector<std::string>{c.message});
    EXPECT_EQ(rig.Rows(), std::vector<Row>{before});
    EXPECT_EQ(rig.state().CurrentFilePath.Path(), rig.temp.path() / "regi.srt");
    EXPECT_EQ(rig.editor().Efilenev.Text(), "regi.srt");
    EXPECT_FALSE(std::filesystem::exists(rig.temp.path() / "egesz.srt"));
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

TEST(Join, AFailedSaveKeepsTheJoinedRowsUnsaved) {
  JoinRig rig;
  rig.Write("a.srt", kPartOneSrt);
  rig.Write("b.srt", kPartTwoSrt);
  // The joined file's folder is a file, so the save cannot be written.
  rig.Write("tele", "");
  rig.ChooseParts("a.srt", "b.srt", "01:00:00,000", "egesz", false);
  rig.start_window().E2cdfilenev.SetText(TextOfPath(rig.temp.path() / "tele" / "egesz.srt"));
  rig.AnswerMessage(&shell::TKiszoveg::Bok);
  rig.editor().Bvegre21Click();
  ASSERT_EQ(rig.Messages().size(), 1u);
  EXPECT_EQ(rig.Messages()[0].rfind("message: Írásvédett file!", 0), 0u) << rig.Messages()[0];
  EXPECT_EQ(rig.Rows().size(), 3u);
  EXPECT_TRUE(rig.Modified());
  EXPECT_EQ(rig.driver.Verify(), "");
}

TEST(JoinChooser, OpensInTheCurrentFolderListed) {
  JoinRig rig;
  rig.Write("a.srt", kPartOneSrt);
  rig.Write("b.srt", kPartTwoSrt);
  rig.Write("c.sub", "{1}{2}x\r\n");
  rig.SetDocument(rig.temp.path() / "film.srt");
  rig.driver.OnModal("Cd2cd1", [&] {
    EXPECT_EQ(rig.chooser().DirectoryListBox1.Directory(), rig.temp.path());
    EXPECT_EQ(rig.chooser().filelistbox.Items(), (std::vector<std::string>{"a.srt", "b.srt"}));
    // The files can be picked at once, without touching the drive box.
    rig.Pick("a.srt");
    rig.Pick("b.srt");
    EXPECT_TRUE(rig.chooser().Bervenyesit.Enabled());
    rig.driver.Click(rig.chooser().Button2);
  });
  rig.editor().BfilekiClick();
  EXPECT_EQ(rig.driver.Verify(), "");
}

// A 10-row file split at row 4 and joined again with the start it had gives the same bytes.
TEST(JoinRoundTrip, SplitThenJoinGivesTheFileBackByteForByte) {
  struct Case {
    const char* time_base;
    const char* new_start;  // part 2's start in the split
  };
  for (const Case c : std::vector<Case>{
           {"Time", "00:00:00,000"}, {"Time", "00:00:05,250"}, {"Frame", "0"}, {"Frame", "2500"}}) {
    SCOPED_TRACE(std::string(c.time_base) + " " + c.new_start);
    const bool time = c.time_base == std::string("Time");
    std::string original;
    for (int i = 1; i <= 10; ++i) {
      const std::string text = i == 2 ? "Első sor|második sor" : "Sor " + std::to_string(i);
      const std::string second = std::to_string(10 + i);
      if (time) {
        if (i > 1)
          original += "\r\n\r\n";  // the last text line's end, then the empty line
        original +=
            std::to_string(i) + "\r\n00:01:" + second + ",125 --> 00:01:" + second + ",900\r\n";
        std::string lines = text;
        for (std::size_t at = lines.find('|'); at != std::string::npos; at = lines.find('|'))
          lines.replace(at, 1, "\r\n");
        original += lines;
      } else {
        original += "{" + std::to_string(1000 + 100 * i) + "}{" + std::to_string(1050 + 100 * i) +
                    "}" + text;
      }
      if (!time && i < 10)
        original += "\r\n";
    }
    const std::string extension = time ? ".srt" : ".sub";
    JoinRig rig;
    rig.Write("film" + extension, original);
    rig.SetDocument(rig.temp.path() / ("film" + extension));
    rig.state().FileChosen = true;
    rig.state().TextSlot = "1";
    OpenSubtitleFile(rig.program);
    rig.editor().Efilenev.SetText("film" + extension);
    ASSERT_EQ(rig.editor().beosztas.Text(), c.time_base);
    ASSERT_EQ(rig.editor().cds.RecordCount(), 10);

    // The split: row 4 picked, part 2 made to start at the new value.
    rig.driver.Click(rig.editor().RB12);
    rig.editor().cds.SetRecNo(4);
    const std::string picked_start = rig.editor().E4kezdo.Text();
    rig.editor().E4kezdouj.SetText(c.new_start);
    rig.AnswerMessage(&shell::TKiszoveg::Bok);
    rig.driver.Click(rig.editor().Bvegrehajt);
    ASSERT_TRUE(std::filesystem::exists(rig.temp.path() / ("film cd2" + extension)));

    // The join: part 2 back at the picked row's start.
    rig.driver.Click(rig.editor().RB12cd2);
    rig.ChooseParts("film cd1" + extension, "film cd2" + extension, picked_start, "egesz", !time);
    rig.AnswerMessage(&shell::TKiszoveg::Bok);
    rig.editor().Bvegre21Click();
    EXPECT_EQ(ReadBytes(rig.temp.path() / ("egesz" + extension)), original);
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

TEST(JoinChooser, RefusesTheSameFileTwiceAndFillsTheBoxesInTurn) {
  JoinRig rig;
  rig.Write("a.srt", kPartOneSrt);
  rig.Write("b.srt", kPartTwoSrt);
  rig.driver.OnModal("Cd2cd1", [&] {
    rig.OpenFolder(false);
    rig.Pick("a.srt");
    rig.AnswerMessage(&shell::TKiszoveg::Bok);
    rig.Pick("a.srt");
    EXPECT_EQ(rig.chooser().Emasodikfile.Text(), "");
    EXPECT_FALSE(rig.chooser().Bervenyesit.Enabled());
    rig.Pick("b.srt");
    EXPECT_EQ(rig.chooser().Eelsofile.Text(), TextOfPath(rig.temp.path() / "a.srt"));
    EXPECT_EQ(rig.chooser().Emasodikfile.Text(), TextOfPath(rig.temp.path() / "b.srt"));
    EXPECT_TRUE(rig.chooser().Bervenyesit.Enabled());
    rig.driver.Click(rig.chooser().Button2);
  });
  rig.editor().BfilekiClick();
  EXPECT_EQ(rig.Messages(),
            std::vector<std::string>{
                "message: Duplikáció | Ezt a feliratot már betöltötte az első file-hoz! |"});
  EXPECT_EQ(rig.state().OpenMode, "2cd1cd");
  EXPECT_TRUE(rig.editor().Visible());
  EXPECT_FALSE(rig.editor().Bvegre21.Enabled());
  EXPECT_EQ(rig.driver.Verify(), "");
}

TEST(JoinChooser, RefusesPartsOfDifferentExtensions) {
  JoinRig rig;
  rig.Write("a.srt", kPartOneSrt);
  rig.Write("b.sub", "{1}{2}x\r\n");
  rig.driver.OnModal("Cd2cd1", [&] {
    rig.OpenFolder(false);
    rig.Pick("a.srt");
    rig.OpenFolder(true);
    rig.Pick("b.sub");
    rig.AnswerMessage(&shell::TKiszoveg::Bok);
    rig.driver.Click(rig.chooser().Bervenyesit);
    EXPECT_TRUE(rig.chooser().Visible());
    rig.driver.Click(rig.chooser().Button2);
  });
  rig.editor().BfilekiClick();
  EXPECT_EQ(rig.Messages(), std::vector<std::string>{
                                "message: Hiba | Csak azonos típusú file-t lehet kiválasztani! |"});
  EXPECT_EQ(rig.driver.Verify(), "");
}

TEST(JoinStartWindow, BadStartValueKeepsTheWindowAndBackEmptiesTheChooser) {
  JoinRig rig;
  rig.Write("a.srt", kPartOneSrt);
  rig.Write("b.srt", kPartTwoSrt);
  rig.driver.OnModal("Ertek2cd", [&] {
    TErtek2cd& window = rig.start_window();
    EXPECT_EQ(window.Edit2.Text(), "00:00:00,000");
    EXPECT_EQ(window.Edit4.Text(), "Time");
    rig.driver.Focus(window.Edit2);
    window.Edit2.SetText("");
    rig.driver.Type("1x2");  // the letter is refused by the key filter
    EXPECT_EQ(window.Edit2.Text(), "12");
    window.Edit2.SetText("25:00:00,000");
    window.E2cdfilenev.SetText(TextOfPath(rig.temp.path() / "egesz.srt"));
    rig.AnswerMessage(&shell::TKiszoveg::Bok);
    rig.driver.Click(window.B2ervenyesit);
    EXPECT_TRUE(window.Visible());
    rig.driver.Click(window.Button2);
  });
  rig.driver.OnModal("Cd2cd1", [&] {
    rig.OpenFolder(false);
    rig.Pick("a.srt");
    rig.Pick("b.srt");
    rig.driver.Click(rig.chooser().Bervenyesit);
    // Back from the start-value window: the chooser starts afresh.
    EXPECT_TRUE(rig.chooser().Visible());
    EXPECT_EQ(rig.chooser().Eelsofile.Text(), "");
    EXPECT_EQ(rig.chooser().Emasodikfile.Text(), "");
    EXPECT_FALSE(rig.chooser().Bervenyesit.Enabled());
    rig.driver.Click(rig.chooser().Button2);
  });
  rig.editor().BfilekiClick();
  EXPECT_FALSE(rig.editor().Bvegre21.Enabled());
  EXPECT_EQ(rig.Messages().size(), 1u);
  EXPECT_EQ(rig.driver.Verify(), "");
}

}  // namespace
}  // namespace files
