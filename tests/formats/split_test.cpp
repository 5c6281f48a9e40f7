// The split's free functions: part names, where the cut falls, part 2's offsets and the bytes of
// the two part layouts.
#include "formats/split.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include <string>
#include <vector>

#include "platform/desktop/temp_folder.h"

namespace files {
namespace {

TEST(SplitPartName, MarkGoesBeforeTheExtension) {
  struct Case {
    std::string name;
    int part;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"film.srt", 1, "film cd1.srt"},
      {"film.srt", 2, "film cd2.srt"},
      {"a.b.sub", 2, "a.b cd2.sub"},
      {".srt", 1, " cd1.srt"},
      {"ab", 1, " cd1ab"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SplitPartName(c.name, c.part), c.expected) << c.name;
}

TEST(SplitPartPath, BesideTheCurrentFile) {
  EXPECT_EQ(SplitPartPath(ShownPath("/home/anna/films/film.srt"), "film.srt", 2),
            std::filesystem::path("/home/anna/films/film cd2.srt"));
}

TEST(SplitTargets, NamedFromTheNameBoxBesideTheDocumentWhichNeverChanges) {
  struct Case {
    const char* path;
    const char* name;
    bool time_base;
    bool mended;
    const char* part1;
    const char* part2;
  };
  const std::vector<Case> cases = {
      {"/f/film.srt", "film.srt", true, false, "/f/film cd1.srt", "/f/film cd2.srt"},
      {"/f/film.sub", "film.sub", false, false, "/f/film cd1.sub", "/f/film cd2.sub"},
      // The other time base's extension: only the parts get the right one.
      {"/f/film.sub", "film.sub", true, true, "/f/film cd1.srt", "/f/film cd2.srt"},
      {"/f/film.SRT", "film.SRT", false, true, "/f/film cd1.sub", "/f/film cd2.sub"},
      {"/f/.rejtett.srt", ".rejtett.srt", true, false, "/f/.rejtett cd1.srt",
       "/f/.rejtett cd2.srt"},
  };
  for (const Case& c : cases) {
    const std::optional<SplitTargets> targets =
        SplitTargetsOf(ShownPath(c.path), c.name, c.time_base);
    ASSERT_TRUE(targets) << c.path;
    EXPECT_EQ(targets->extension_mended, c.mended) << c.path;
    EXPECT_EQ(targets->path1, std::filesystem::path(c.part1)) << c.path;
    EXPECT_EQ(targets->path2, std::filesystem::path(c.part2)) << c.path;
    EXPECT_EQ(targets->name2, std::filesystem::path(c.part2).filename().string()) << c.path;
  }
  // A subtitle without a file name has nowhere to put its parts.
  EXPECT_EQ(SplitTargetsOf(ShownPath(), "", true), std::nullopt);
  EXPECT_EQ(SplitTargetsOf(ShownPath("/f/film.srt"), "", true), std::nullopt);
  EXPECT_EQ(SplitTargetsOf(ShownPath(), "film.srt", true), std::nullopt);
}

TEST(SplitTargets, HiddenFilesAndLinksAreTakenFoldersAreNot) {
  desktop_test::TempFolder folder;
  const std::filesystem::path root = folder.path();
  desktop_test::WriteBytes(root / "plain.srt", "x");
  desktop_test::WriteBytes(root / ".hidden.srt", "x");
  std::filesystem::create_directory(root / "folder.srt");
  std::filesystem::create_symlink(root / "nowhere", root / "dangling.srt");
  EXPECT_TRUE(SplitTargetTaken(root / "plain.srt"));
  EXPECT_TRUE(SplitTargetTaken(root / ".hidden.srt"));
  EXPECT_TRUE(SplitTargetTaken(root / "dangling.srt"));
  EXPECT_FALSE(SplitTargetTaken(root / "folder.srt"));
  EXPECT_FALSE(SplitTargetTaken(root / "none.srt"));
}

// The part files are named after the file itself, whatever Windows-1250 can show of its name;
// a name the user typed into the name box is taken as typed.
TEST(SplitPartPath, KeepsTheRealNameOfFolderAndFile) {
  using std::filesystem::path;
  struct Case {
    path current;
    std::string name;  // the name box
    path expected;
  };
  const std::vector<Case> cases = {
      {path(u8"/m/日本語/España.srt"), "Espa?a.srt", path(u8"/m/日本語/España cd1.srt")},
      {path("/m/mappa\xff/film\xfe.srt"), "film?.srt", path("/m/mappa\xff/film\xfe cd1.srt")},
      {path(u8"/m/ékezet/ékezető.srt"), "ékezető.srt", path(u8"/m/ékezet/ékezető cd1.srt")},
      {path(u8"/m/日本語/España.srt"), "mas.srt", path(u8"/m/日本語/mas cd1.srt")},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SplitPartPath(ShownPath(c.current), c.name, 1), c.expected) << c.current;
}

TEST(SplitParts, CutBeforeThePickedRow) {
  const std::vector<NativeRow> rows = {{"1", "2", "a"}, {"3", "4", "b"}, {"5", "6", "c"}};
  struct Case {
    int picked;
    std::size_t part1;
    std::size_t part2;
  };
  for (const Case c : std::vector<Case>{{2, 1, 2}, {3, 2, 1}, {1, 0, 3}, {9, 3, 0}}) {
    const std::vector<SplitRow> part1 = SplitPart1Rows(rows, c.picked);
    const std::vector<SplitRow> part2 = SplitPart2Rows(rows, c.picked);
    EXPECT_EQ(part1.size(), c.part1) << c.picked;
    ASSERT_EQ(part2.size(), c.part2) << c.picked;
    if (!part2.empty()) {
      EXPECT_EQ(part2.front().text, std::string(rows[c.part1].text));
    }
  }
}

TEST(SplitShift, TimesMoveSoThePickedRowStartsAtTheNewValue) {
  std::vector<SplitRow> rows = {
      {"00:10:00,500", "00:10:02,000", "a"},
      {"00:10:03,250", "00:10:05,000", "b"},
      {"", "", "no times"},
  };
  ShiftSplitTimes(rows, SplitTimeShiftMs("00:10:00,500", "00:00:00,000"));
  const std::vector<SplitRow> expected = {
      {"00:00:00,000", "00:00:01,500", "a"},
      {"00:00:02,750", "00:00:04,500", "b"},
      {"", "", "no times"},
  };
  EXPECT_EQ(rows, expected);

  // A later new start moves forward; an earlier one never goes below zero.
  std::vector<SplitRow> forward = {{"00:00:01,000", "00:00:02,000", ""}};
  ShiftSplitTimes(forward, SplitTimeShiftMs("00:00:01,000", "01:00:00,000"));
  EXPECT_EQ(forward.front().start, "01:00:00,000");
  EXPECT_EQ(forward.front().end, "01:00:01,000");
  std::vector<SplitRow> early = {{"00:00:01,000", "00:00:03,000", ""}};
  ShiftSplitTimes(early, 2000);
  EXPECT_EQ(early.front().start, "00:00:00,000");
  EXPECT_EQ(early.front().end, "00:00:01,000");
}

TEST(SplitShift, FramesMoveAndStopAtZero) {
  ASSERT_EQ(SplitFrameOffset("1000", "10"), 990);
  EXPECT_EQ(SplitFrameOffset("1000", "x"), std::nullopt);
  EXPECT_EQ(SplitFrameOffset("", "0"), std::nullopt);
  std::vector<SplitRow> rows = {{"1000", "1050", "a"}, {"500", "995", "b"}};
  ShiftSplitFrames(rows, 990);
  const std::vector<SplitRow> expected = {{"10", "60", "a"}, {"0", "5", "b"}};
  EXPECT_EQ(rows, expected);
}

TEST(SplitSubRipBytes, EmptyLineAfterEveryBlockAndNoGaps) {
  const std::vector<SplitRow> rows = {
      {"00:00:01,000", "00:00:02,000", "One|two"},
      {"", "00:00:03,000", "left out"},
      {"00:00:04,000", "00:00:05,000", ""},
      {"00:00:06,000", "00:00:07,000", "End|"},
  };
  std::vector<int> counted;
  const std::string bytes = SplitSubRipBytes(rows, [&](int n) { counted.push_back(n); });
  EXPECT_EQ(bytes,
            "1\r\n00:00:01,000 --> 00:00:02,000\r\nOne\r\ntwo\r\n\r\n"
            "2\r\n00:00:04,000 --> 00:00:05,000\r\n\r\n\r\n"
            "3\r\n00:00:06,000 --> 00:00:07,000\r\nEnd\r\n\r\n");
  EXPECT_EQ(counted, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(SplitSubRipBytes({}), "");
}

TEST(SplitMicroDvdBytes, LineEndAfterEveryLine) {
  const std::vector<SplitRow> rows = {
      {"10", "60", "a|b"}, {"70", "", "left out"}, {"80", "90", ""}};
  EXPECT_EQ(SplitMicroDvdBytes(rows), "{10}{60}a|b\r\n{80}{90}\r\n");
}

}  // namespace
}  // namespace files
