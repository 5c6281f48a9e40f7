// Reading files of every kind: frame-based rows, the SubViewer pair, second texts, UTF-16LE
// files, joins, the gauge, and files that cannot be read.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <fstream>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "files/ertek2cd.h"
#include "files/kereses.h"
#include "files/open_flow.h"
#include "files/reader.h"
#include "files/reader_rig.h"
#include "formats/document_path.h"
#include "platform/text/text.h"
#include "support/child_process.h"

namespace files::testing {
namespace {

const std::string kFrameStop =
    "message: Hiba | Hiba a file-ban! | Csak eddig tudtam betölteni a file-t!";

TEST(FrameReader, Rows) {
  struct Case {
    std::string name;
    std::string file;
    std::vector<Row> rows;
    bool stops;
  };
  const std::string long_line(38, 'x');
  const std::vector<Case> cases = {
      {"two rows",
       "{10}{20}Hello|World\r\n{30}{40}x\r\n",
       {{"10", "20", "Hello|World"}, {"30", "40", "x"}},
       false},
      {"braces doubled and kept in the text", "{{10}{20}{y:i}a\n", {{"10", "20", "{y:i}a"}}, false},
      {"empty lines skipped",
       "{10}{20}a\n\n{30}{40}b\n",
       {{"10", "20", "a"}, {"30", "40", "b"}},
       false},
      {"a start only", "{10}\n{30}{40}x\n", {{"10", "", ""}, {"30", "40", "x"}}, false},
      {"flags",
       "{1}{2}a|b|c\n{3}{4}" + long_line + "\n",
       {{"1", "2", "a|b|c", "", "t", ""}, {"3", "4", long_line, "", "", "t"}},
       false},
      {"a line without a brace stops", "{10}{20}a\nbad\n{30}{40}b\n", {{"10", "20", "a"}}, true},
      {"a frame that is not a number stops",
       "{10}{20}a\n{3x}{40}b\n{50}{60}c\n",
       {{"10", "20", "a"}},
       true},
      {"an end frame beyond 32 bits stops",
       "{10}{20}a\n{30}{99999999999}b\n",
       {{"10", "20", "a"}},
       true},
      {"a first line that is not a frame line stops at once", "{x}{20}a\n{30}{40}b\n", {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ReaderRig rig;
    if (c.stops)
      rig.ExpectMessage();
    EXPECT_EQ(rig.Read(c.file), "1");
    EXPECT_EQ(rig.Rows(), c.rows);
    EXPECT_EQ(rig.Messages(),
              c.stops ? std::vector<std::string>{kFrameStop} : std::vector<std::string>{});
    EXPECT_EQ(rig.editor().beosztas.Text(), "Frame");
    EXPECT_EQ(rig.state().CurrentTimeBase, "Frame");
    EXPECT_EQ(rig.editor().kezdes.MaxLength(), 6);
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

TEST(FrameReader, CountersFollowTheFlags) {
  ReaderRig rig;
  rig.editor().SEbetu.SetValue(10);
  rig.Read("{1}{2}0123456789|abc\n{3}{4}01234567890\n{5}{6}a|b|c|d\n");
  EXPECT_EQ(rig.state().LongLineRowCount, 1);
  EXPECT_EQ(rig.state().ManyLineRowCount, 1);
  EXPECT_EQ(rig.editor().Lbetu.Caption(), "(1)");
  EXPECT_EQ(rig.editor().Lsor.Caption(), "(1)");
  // A new subtitle counts afresh.
  rig.Read("{1}{2}a|b|c\n");
  EXPECT_EQ(rig.state().LongLineRowCount, 0);
  EXPECT_EQ(rig.state().ManyLineRowCount, 1);
}

TEST(SubViewerReader, PairsAreReadIntoRows) {
  ReaderRig rig;
  EXPECT_EQ(rig.Read("00:00:01.50,00:00:03.00\nA[br]B\n\n00:00:04.00,00:00:05.20\n\n\n"), "4");
  EXPECT_EQ(rig.Rows(), (std::vector<Row>{{"00:00:01,500", "00:00:03,000", "A|B"},
                                          {"00:00:04,000", "00:00:05,200", ""}}));
  EXPECT_EQ(rig.editor().beosztas.Text(), "Time");
  EXPECT_EQ(rig.driver.Verify(), "");
}

TEST(SubViewerReader, WrongTimeLineStops) {
  ReaderRig rig;
  rig.ExpectMessage();
  EXPECT_EQ(rig.Read("00:00:01.50,00:00:03.00\nA\n\n00:00:04,00,00:00:05.20\nB\n"), "4");
  EXPECT_EQ(rig.Rows(), (std::vector<Row>{{"00:00:01,500", "00:00:03,000", "A"}}));
  EXPECT_EQ(rig.Messages(), std::vector<std::string>{kFrameStop});
  EXPECT_EQ(rig.state().ReadErrorDetail, "Az idő intervalluma rosszul van megadva a sorban!");
}

TEST(SubRipReader, Max2DropsLeadingBreaks) {
  ReaderRig rig;
  rig.editor().Max2.SetChecked(true);
  rig.Read("1\n00:00:01,000 --> 00:00:02,000\n\nHello\n\n2\n00:00:03,000 --> 00:00:04,000\nX\n");
  EXPECT_EQ(rig.Rows()[0].text, "Hello");
  EXPECT_TRUE(rig.ListLines().empty());
  EXPECT_EQ(rig.driver.Verify(), "");
}

TEST(SubRipReader, OptionKeepsTheListHidden) {
  ReaderRig rig;
  rig.editor().Beolvas.SetChecked(true);
  rig.Read("1\n00:00:01,000 --> 00:00:02,000\n Hi\n");
  EXPECT_FALSE(rig.ListLines().empty());
  EXPECT_TRUE(rig.program.Kereses->ReadErrorsListed);
  EXPECT_TRUE(rig.Lines("list: ").empty());
}

// ---- UTF-16LE ----------------------------------------------------------------------------

std::string Utf16Le(std::string_view cp1250, char32_t extra = 0) {
  std::string bytes = "\xFF\xFE";
  auto put = [&bytes](char32_t unit) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  };
  for (char ch : cp1250) {
    if (ch == '@' && extra != 0)
      put(extra);
    else
      put(text::ToUnicode(static_cast<unsigned char>(ch)));
  }
  return bytes;
}

TEST(Utf16Reader, CrLfFileWithAccents) {
  ReaderRig rig;
  rig.ExpectList();
  const std::string file = Utf16Le(
      "1\r\n00:00:01,000 --> 00:00:02,000\r\nőrült ű @\r\n\r\n2\r\n00:00:03,000 --> "
      "00:00:04,000\r\nB\r\n",
      0x4E00);
  EXPECT_EQ(rig.Read(file), "3");
  EXPECT_EQ(rig.Rows(), (std::vector<Row>{{"00:00:01,000", "00:00:02,000", "őrült ű ?"},
                                          {"00:00:03,000", "00:00:04,000", "B"}}));
  const std::string bangs(49, '!');
  EXPECT_EQ(rig.ListLines(), Entry({bangs, "Ez a felirat Unicode-os file-ból lett betöltve!!!",
                                    "Kérem mentse el a file-t!", bangs}));
  EXPECT_TRUE(rig.program.Kereses->ReadErrorsListed);
  EXPECT_EQ(rig.editor().beosztas.Text(), "Time");
}

TEST(Utf16Reader, FirstLineNotANumberIsRefusedKind) {
  ReaderRig rig;
  rig.ExpectMessage();
  EXPECT_EQ(rig.Read(Utf16Le("hello\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n")), "4");
  EXPECT_TRUE(rig.Rows().empty());
}

// ---- UTF-8 -------------------------------------------------------------------------------

// A UTF-8 file is read as the Windows-1250 text it holds; a Windows-1250 file (whose accented
// letters are no UTF-8) and plain ASCII are read as they are.
TEST(Utf8Reader, DecodedWithANoticeWhenTheFileIsUtf8) {
  const std::string bom = "\xEF\xBB\xBF";
  const std::string cjk = "\xE6\x97\xA5";  // a letter Windows-1250 cannot hold
  const std::string accents = text::Cp1250ToUtf8("őrült ű ");
  const std::string bangs(49, '!');
  const std::vector<std::string> notice =
      Entry({bangs, "Ez a felirat UTF-8-as file-ból lett betöltve!!!", "Kérem mentse el a file-t!",
             "Mentéskor Windows-1250-es kódolású lesz!", bangs});
  struct Case {
    const char* name;
    std::string file;
    const char* kind;
    std::vector<Row> rows;
    bool decoded;
  };
  const std::vector<Case> cases = {
      {"with a byte-order mark",
       bom + "1\r\n00:00:01,000 --> 00:00:02,000\r\n" + accents + cjk + "\r\n",
       "2",
       {{"00:00:01,000", "00:00:02,000", "őrült ű ?"}},
       true},
      {"without a byte-order mark",
       "1\n00:00:01,000 --> 00:00:02,000\n" + accents + "\n",
       "2",
       {{"00:00:01,000", "00:00:02,000", "őrült ű "}},
       true},
      {"frame-based",
       "{10}{20}" + accents + "|" + cjk + "\n",
       "1",
       {{"10", "20", "őrült ű |?"}},
       true},
      {"a second byte-order mark where two files were put together",
       bom + "{10}{20}" + accents + "\n" + bom + "{30}{40}b\n",
       "1",
       {{"10", "20", "őrült ű "}, {"30", "40", "b"}},
       true},
      {"only ASCII with a byte-order mark", bom + "{10}{20}a\n", "1", {{"10", "20", "a"}}, true},
      {"Windows-1250 accents", "{10}{20}őrült ű\n", "1", {{"10", "20", "őrült ű"}}, false},
      {"UTF-8 beside a byte that is no UTF-8",
       "{10}{20}" + accents + "\xF5\n",
       "1",
       {{"10", "20", accents + "\xF5"}},
       false},
      {"only ASCII", "{10}{20}a\n", "1", {{"10", "20", "a"}}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ReaderRig rig;
    if (c.decoded)
      rig.ExpectList();
    EXPECT_EQ(rig.Read(c.file), c.kind);
    EXPECT_EQ(rig.Rows(), c.rows);
    EXPECT_EQ(rig.ListLines(), c.decoded ? notice : std::vector<std::string>{});
    // A decoded file opens as modified: saving it writes Windows-1250.
    EXPECT_EQ(rig.program.Kereses->ReadErrorsListed, c.decoded);
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

// ---- Second texts ------------------------------------------------------------------------

struct SecondCase {
  std::string name;
  std::string main;
  std::string first_second;
  std::string second;
  std::vector<std::string> seconds;  // Szoveg2 of the rows afterwards
  int count;
};

TEST(SecondText, FewerAndMoreBlocksThanRows) {
  auto srt = [](std::vector<std::string> texts) {
    std::string file;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      file += std::to_string(i + 1) + "\n00:00:0" + std::to_string(i + 1) + ",000 --> 00:00:0" +
              std::to_string(i + 1) + ",500\n" + texts[i] + "\n\n";
    }
    return file;
  };
  auto sub = [](std::vector<std::string> texts) {
    std::string file;
    for (std::size_t i = 0; i < texts.size(); ++i)
      file +=
          "{" + std::to_string(i * 10) + "}{" + std::to_string(i * 10 + 5) + "}" + texts[i] + "\n";
    return file;
  };
  const std::vector<SecondCase> cases = {
      {"SubRip, fewer", srt({"a", "b", "c"}), srt({"x", "y", "z"}), srt({"p"}), {"p", "", ""}, 1},
      {"SubRip, fewer, no blank line at the end",
       srt({"a", "b", "c"}),
       srt({"x", "y", "z"}),
       "1\n00:00:01,000 --> 00:00:02,000\np|q\n\n2\n00:00:03,000 --> 00:00:04,000\nr",
       {"p|q", "r", ""},
       2},
      {"SubRip, more",
       srt({"a", "b", "c"}),
       srt({"x", "y", "z"}),
       srt({"1", "2", "3", "4", "5"}),
       {"1", "2", "3"},
       3},
      {"SubRip, more, blocks without blank lines",
       srt({"a", "b"}),
       srt({"x", "y"}),
       "1\n00:00:01,000 --> 00:00:02,000\np\n00:00:03,000 --> 00:00:04,000\nq\n"
       "00:00:05,000 --> 00:00:06,000\nr\n",
       {"p", "q"},
       2},
      {"frame-based, fewer",
       sub({"a", "b", "c"}),
       sub({"x", "y", "z"}),
       sub({"p"}),
       {"p", "", ""},
       1},
      {"frame-based, more",
       sub({"a", "b", "c"}),
       sub({"x", "y", "z"}),
       sub({"1", "2", "3", "4"}),
       {"1", "2", "3"},
       3},
  };
  for (const SecondCase& c : cases) {
    SCOPED_TRACE(c.name);
    ReaderRig rig;
    rig.Read(c.main);
    const std::vector<Row> main_rows = rig.Rows();
    rig.Read(c.first_second, "2");
    rig.Read(c.second, "2");
    const std::vector<Row> rows = rig.Rows();
    ASSERT_EQ(rows.size(), main_rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(rows[i].second, c.seconds[i]) << "row " << i + 1;
      Row without_second = rows[i];
      without_second.second.clear();
      EXPECT_EQ(without_second, main_rows[i]) << "row " << i + 1;
    }
    EXPECT_EQ(rig.state().SecondTextRowCount, c.count);
    EXPECT_EQ(rig.editor().cds.RecNo(), 1);
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

TEST(SecondText, UnusableFileLeavesTheRowsAlone) {
  ReaderRig rig;
  rig.Read("{1}{2}a\n{3}{4}b\n");
  rig.Read("{1}{2}x\n{3}{4}y\n", "2");
  EXPECT_EQ(rig.Read("00:00:01.50,00:00:03.00\nA\n", "2"), "4");
  EXPECT_EQ(rig.Read("nothing here\n", "2"), "");
  EXPECT_EQ(rig.Rows(), (std::vector<Row>{{"1", "2", "a", "x"}, {"3", "4", "b", "y"}}));
}

// ---- Joins -------------------------------------------------------------------------------

TEST(JoinRead, SecondPartKeepsCountersAndListAndMovesTimes) {
  ReaderRig rig;
  const std::string long_line(40, 'x');
  rig.ExpectList();
  rig.Read("1\n00:00:01,000 --> 00:00:02,000\n " + long_line + "\n");
  const text::LineList first_list = rig.ListLines();
  ASSERT_FALSE(first_list.empty());

  rig.program.Ertek2cd->Edit2.SetText("00:10:00,000");
  rig.state().TextSlot = "1";
  const auto part2 = rig.Write("1\n00:00:05,000 --> 00:00:06,000\n" + long_line +
                                   "\n\n2\n00:00:07,000 --> 00:00:08,500\nB\n",
                               "part2.srt");
  EXPECT_EQ(ReadSubtitleFile(rig.program, part2, 1), "2");
  EXPECT_EQ(rig.Rows(), (std::vector<Row>{{"00:00:01,000", "00:00:02,000", long_line, "", "", "t"},
                                          {"00:10:00,000", "00:10:01,000", long_line, "", "", "t"},
                                          {"00:10:02,000", "00:10:03,500", "B"}}));
  EXPECT_EQ(rig.state().LongLineRowCount, 2);
  EXPECT_EQ(rig.ListLines(), first_list);
  EXPECT_EQ(rig.driver.Verify(), "");
}

TEST(JoinRead, FramePartMovesByTheOffsetEitherWay) {
  struct Case {
    std::string typed;
    std::vector<Row> part2;
  };
  const std::vector<Case> cases = {
      {"100", {{"100", "110", "b"}, {"115", "125", "c"}}},
      {"3", {{"3", "13", "b"}, {"18", "28", "c"}}},
      {"5", {{"5", "15", "b"}, {"20", "30", "c"}}},
  };
  for (const Case& c : cases) {
    ReaderRig rig;
    rig.Read("{1}{4}a\n");
    rig.program.Ertek2cd->Edit2.SetText(c.typed);
    rig.state().TextSlot = "1";
    EXPECT_EQ(ReadSubtitleFile(rig.program, rig.Write("{5}{15}b\n{20}{30}c\n", "p2.sub"), 1), "1");
    std::vector<Row> expected = {{"1", "4", "a"}};
    expected.insert(expected.end(), c.part2.begin(), c.part2.end());
    EXPECT_EQ(rig.Rows(), expected) << c.typed;
  }
}

// ---- Gauge -------------------------------------------------------------------------------

TEST(ReadGauge, MovesOncePerHundredthFromAHundredLines) {
  struct Case {
    int lines;
    int moves;
  };
  for (const Case& c : std::vector<Case>{{99, 0}, {100, 99}, {1000, 100}}) {
    ReaderRig rig;
    std::string file;
    for (int i = 0; i < c.lines; ++i) {
      // Appended piece by piece: "{" + a temporary string trips GCC 12's -Wrestrict at -O3.
      file += '{';
      file += std::to_string(i);
      file += "}{";
      file += std::to_string(i + 1);
      file += "}x\n";
    }
    const int before = rig.editor().Fszazalek.RepaintCount();
    rig.Read(file);
    EXPECT_EQ(rig.editor().Fszazalek.RepaintCount() - before, c.moves) << c.lines;
    EXPECT_FALSE(rig.editor().Fszazalek.Visible());
  }
}

// ---- Files that cannot be read -------------------------------------------------------------

TEST(UnreadableFile, NothingIsReadAndNothingHangs) {
  ReaderRig rig;
  rig.Read("{1}{2}a\n");
  const auto fifo = rig.folder / "pipe.srt";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::filesystem::path& path : {rig.folder / "missing.srt", fifo, rig.folder.path()}) {
    rig.state().TextSlot = "1";
    EXPECT_EQ(ReadIntoEditor(rig.program, path), "") << path;
    EXPECT_FALSE(rig.state().ReadErrorDetail.empty()) << path;
    EXPECT_TRUE(rig.Rows().empty());
  }
  EXPECT_EQ(DetectFileKind(fifo.string()), "");
  EXPECT_EQ(rig.driver.Verify(), "");
}

}  // namespace
// ---- Running out of memory ----------------------------------------------------------

long VirtualSizeKb() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmSize:") {
      long kb = 0;
      status >> kb;
      return kb;
    }
    status.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  }
  return 0;
}

// The open driver reads a file with too little memory left (the address space of a child
// process is capped): a message names the file, the editor is left as after a refused file,
// and the program goes on.
TEST(OutOfMemory, AReadThatRunsOutIsAnsweredWithAMessage) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer needs more address space than the cap leaves";
#else
  ReaderRig rig;
  std::string frames;
  frames.reserve(std::size_t{4} << 20);
  for (int i = 0; i < 400000; ++i)
    frames += "{1}{2}a\r\n";
  std::string big;
  for (int i = 0; i < 8; ++i)
    big += frames;  // 28 MB of rows of 9 bytes
  const std::filesystem::path path = rig.Write(big, "big.sub");
  big = std::string();
  frames = std::string();
  rig.state().CurrentFilePath = files::ShownPath(path);
  rig.state().CurrentFileName = "big.sub";
  rig.state().FileChosen = true;
  rig.state().TextSlot = "1";

  const std::optional<std::string> answer = test_support::RunInChild([&rig]() -> std::string {
    rig.ExpectMessage();
    rlimit cap{};
    cap.rlim_cur = cap.rlim_max = static_cast<rlim_t>(VirtualSizeKb() + (40 << 10)) << 10;
    if (::setrlimit(RLIMIT_AS, &cap) != 0)
      return "cannot cap the address space";
    OpenSubtitleFile(rig.program);
    std::string wrong;
    const std::vector<std::string> messages = rig.Lines("message: ");
    const std::string expected =
        "message: Hiba | Nincs elég memória a következő file beolvasásához: big.sub | A file-t "
        "nem tudtam betölteni!";
    if (messages != std::vector<std::string>{expected})
      wrong += "messages: " + (messages.empty() ? std::string("none") : messages.back()) + "\n";
    if (!rig.editor().cds.IsEmpty())
      wrong += "rows stayed\n";
    if (rig.editor().Bmentes.Enabled() || rig.editor().Mentes1.Enabled())
      wrong += "the refused file can be saved\n";
    if (rig.state().InternalUpdate || rig.editor().cds.ControlsDisabled())
      wrong += "the read's state was not restored\n";
    if (!rig.driver.Verify().empty())
      wrong += rig.driver.Verify();
    // Memory is back: the next file reads.
    rig.state().CurrentFilePath = files::ShownPath(rig.Write("{1}{2}small\r\n", "small.sub"));
    OpenSubtitleFile(rig.program);
    if (rig.Rows() != std::vector<Row>{{"1", "2", "small"}})
      wrong += "a small file did not read afterwards\n";
    return wrong;
  });
  ASSERT_TRUE(answer.has_value()) << "the child did not end normally";
  EXPECT_EQ(*answer, "");
#endif
}

}  // namespace files::testing
