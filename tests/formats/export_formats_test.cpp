#include "formats/export_formats.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "byte_diff.h"

namespace files {
namespace {

using namespace std::chrono_literals;

// The bytes of a literal that may hold NUL bytes, without its terminating NUL.
template <size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

std::string Write(std::string_view caption, const std::vector<ExportRow>& rows,
                  const ExportContext& context = {}) {
  const ExportFormat* format = FindExportFormat(caption);
  if (format == nullptr || format->writer == nullptr) {
    ADD_FAILURE() << "no writer for " << caption;
    return {};
  }
  return format->writer(rows, context);
}

// ---- The list ----------------------------------------------------------------------------------

TEST(ExportFormatsTest, TheFiftySixEntriesInListOrder) {
  struct Entry {
    std::string_view caption;
    std::string_view extension;  // "" for the unprogrammed ones
  };
  const Entry kEntries[] = {
      {"Adobe Encore DVD", ".txt"},
      {"Advanced SubStation Alpha", ".ass"},
      {"AQtitle", ""},
      {"Captions 32", ".txt"},
      {"Captions DAT", ".dat"},
      {"Captions DAT text", ".dat"},
      {"Captions Inc.", ".txt"},
      {"Cheetah", ".asc"},
      {"CPC-600", ".txt"},
      {"DKS Subtitle Format", ".dks"},
      {"DVD Junior", ".txt"},
      {"DVD Subtitle System", ".txt"},
      {"DVDSubtitle", ".sub"},
      {"FAB Subtitler", ".txt"},
      {"I-Author Script", ""},
      {"Inscriber CG", ".txt"},
      {"JACOSub 2.7+", ".js"},
      {"Karaoke Lyrics LRC", ".lrc"},
      {"Karaoke Lyrics VKT", ".vkt"},
      {"MAC DVD Studio Pro", ".txt"},
      {"MacSUB", ""},
      {"MicroDVD", ""},
      {"MPlayer", ""},
      {"MPlayer2", ".mpl"},
      {"MPSub", ""},
      {"OVR Script", ".ovr"},
      {"Panimator", ".pan"},
      {"Philips SVCD Designer 1.5-2.0", ".sub"},
      {"Phoenix Japanimation on Society", ""},
      {"Pinnacle Impression", ".txt"},
      {"PowerDivX", ".psb"},
      {"PowerPixel", ".txt"},
      {"QuickTime Text", ".txt"},
      {"RealTime", ".rt"},
      {"SAMI Captioning", ".smi"},
      {"Sasami Script", ".s2k"},
      {"SBT", ".sbt"},
      {"Sofni", ".sub"},
      {"Softitler RTF", ""},
      {"Sonic Scenarist", ".sst"},
      {"SonicDVD Creator", ".sub"},
      {"Spruce DVDMaestro", ".son"},
      {"Spruce Subtitle File", ".stl"},
      {"Stream SubText Player", ""},
      {"Stream SubText Script", ".ssts"},
      {"SubCreator 1.x", ".txt"},
      {"SubRip", ".srt"},
      {"SubSonic", ""},
      {"SubStation Alpha", ".ssa"},
      {"SubViewer 1.0", ".sub"},
      {"SubViewer 2.0", ".sub"},
      {"TMPlayer", ""},
      {"Turbo Titler", ".tts"},
      {"Ulead DVD Workshop 2.0", ".txt"},
      {"ViPlay Subtitle File", ".vsf"},
      {"ZeroG", ".zeg"},
  };
  const auto formats = ExportFormats();
  ASSERT_EQ(formats.size(), std::size(kEntries));
  for (size_t i = 0; i < formats.size(); ++i) {
    EXPECT_EQ(formats[i].caption, kEntries[i].caption) << "entry " << i + 1;
    EXPECT_EQ(formats[i].extension, kEntries[i].extension) << formats[i].caption;
  }
}

TEST(ExportFormatsTest, HandlingOfEachEntry) {
  int written = 0, not_programmed = 0, native = 0;
  for (const ExportFormat& format : ExportFormats()) {
    switch (format.handling) {
      case ExportHandling::kWriter:
        ++written;
        EXPECT_NE(format.writer, nullptr) << format.caption;
        EXPECT_FALSE(format.extension.empty()) << format.caption;
        break;
      case ExportHandling::kNotProgrammed:
        ++not_programmed;
        EXPECT_EQ(format.writer, nullptr) << format.caption;
        EXPECT_TRUE(format.extension.empty()) << format.caption;
        break;
      case ExportHandling::kNativeSaver:
        ++native;
        EXPECT_EQ(format.caption, "SubRip");
        EXPECT_EQ(format.writer, nullptr);
        break;
    }
  }
  EXPECT_EQ(written, 44);
  EXPECT_EQ(not_programmed, 11);
  EXPECT_EQ(native, 1);
}

TEST(ExportFormatsTest, UnprogrammedEntriesAreRecognised) {
  for (std::string_view caption : {"AQtitle", "I-Author Script", "MacSUB", "MicroDVD", "MPlayer",
                                   "MPSub", "Phoenix Japanimation on Society", "Softitler RTF",
                                   "Stream SubText Player", "SubSonic", "TMPlayer"}) {
    const ExportFormat* format = FindExportFormat(caption);
    ASSERT_NE(format, nullptr) << caption;
    EXPECT_EQ(format->handling, ExportHandling::kNotProgrammed) << caption;
  }
  EXPECT_EQ(kNotProgrammedCaption, "Hiányosság");
  EXPECT_EQ(kNotProgrammedMessage, "Ez az opció még nincs leprogramozva!");
}

TEST(ExportFormatsTest, CaptionsAreComparedExactly) {
  EXPECT_NE(FindExportFormat("SubRip"), nullptr);
  EXPECT_EQ(FindExportFormat("subrip"), nullptr);
  EXPECT_EQ(FindExportFormat("SubRip "), nullptr);
  EXPECT_EQ(FindExportFormat(""), nullptr);
}

// ---- Frame-based subtitles ---------------------------------------------------------------------

TEST(FrameRowsTest, FramesBecomeTimeCodesAtTheEditorsRate) {
  const std::vector<ExportRow> frames{
      {"0", "25", "a"},
      {"1000", "", "b"},
      {"x", "999999", "c"},
  };
  EXPECT_EQ(FrameRowsToTimeRows(frames, {25, 1}), (std::vector<ExportRow>{
                                                      {"00:00:00,000", "00:00:01,000", "a"},
                                                      {"00:00:40,000", "", "b"},
                                                      {"00:00:00,000", "11:06:39,960", "c"},
                                                  }));
  // 1000 frames at 23,976 are 41.708375 seconds: cut, not rounded.
  EXPECT_EQ(FrameRowsToTimeRows(frames, {23976, 1000})[1].start, "00:00:41,708");
}

TEST(FrameRowsTest, ConvertedRowsAreWrittenAsTimes) {
  const std::vector<ExportRow> frames{{"25", "50", "<i>Hi</i>"}};
  EXPECT_EQ(Write("ViPlay Subtitle File", FrameRowsToTimeRows(frames, {25, 1})),
            "{* VIPLAY SUBTITLE FILE *}\r\n00:00:01,000-00:00:02,000=<i>Hi\r\n");
}

// ---- Rows the fixture does not show ------------------------------------------------------------

TEST(ExportRowsTest, RowWhoseTextIsOnlyTags) {
  const std::vector<ExportRow> rows{{"00:00:01,000", "00:00:02,500", "<b></b>"}};
  struct Case {
    std::string_view caption;
    std::string bytes;
  };
  const Case cases[] = {
      {"Adobe Encore DVD", "00:00:01:00 00:00:02:12\r\n"},
      {"Inscriber CG",
       "@@9 Title\r\n@@9 Created by Vemko program\r\n@@9 STORY:\r\n@@9 LANG: ENG\r\n"
       "@@9\r\n@@9\r\n@@9\r\n@@9\r\n@@9 <00:00:01:00><00:00:02:50>\r\n\r\n"},
      {"Captions 32", "00:00:01:00 , 00:00:02:50 , \r\n"},
      {"DVD Subtitle System", "00:00:01:00 00:00:02:50 \r\n"},
      {"SBT", "00:00:01\r\n00:00:02\r\n\r\n\r\n"},
      {"SonicDVD Creator", "0001  00:00:01:00  00:00:02:12  \r\n\r\n"},
      {"Captions DAT text", Bytes("\x00\x0A#T00001000015000\x0A"
                                  "BG @015 A \x0A\x00\r\n")},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(files_test::SameBytes(Write(c.caption, rows), c.bytes)) << c.caption;
  }
  // DVDSubtitle writes an empty text line.
  EXPECT_NE(Write("DVDSubtitle", rows).find("}\r\n{T 00:00:01:00\r\n\r\n}\r\n"), std::string::npos);
  // With the tags kept the text is not empty.
  EXPECT_NE(Write("RealTime", rows).find("<clear/><b></b>\r\n"), std::string::npos);
}

TEST(ExportRowsTest, UpperCaseTagsStayInEveryLayout) {
  const std::vector<ExportRow> rows{{"00:00:01,000", "00:00:02,000", "<I>Up</I>"}};
  for (const ExportFormat& format : ExportFormats()) {
    if (format.writer != nullptr) {
      EXPECT_NE(format.writer(rows, {}).find("<I>Up</I>"), std::string::npos) << format.caption;
    }
  }
}

TEST(ExportRowsTest, EmptyTimesAreWrittenAsZero) {
  const std::vector<ExportRow> rows{{"", "", "x"}};
  EXPECT_EQ(Write("ViPlay Subtitle File", rows),
            "{* VIPLAY SUBTITLE FILE *}\r\n00:00:00,000-00:00:00,000=x\r\n");
  EXPECT_EQ(Write("MPlayer2", rows), "[00][00]x\r\n");
  // The duration of "Captions DAT" is never negative.
  const std::vector<ExportRow> backwards{{"00:00:03,000", "", "x"}};
  EXPECT_EQ(Write("Captions DAT text", backwards), Bytes("\x00\x0A#T00003000030000\x0A"
                                                         "BG @015 A x\x0A\x00\r\n"));
}

TEST(ExportRowsTest, TimesOfTenHoursOrMoreKeepEveryHourDigit) {
  const std::vector<ExportRow> rows{{"10:00:01,500", "12:34:56,789", "x"}};
  EXPECT_EQ(Write("Turbo Titler", rows), "10:00:01.50,12:34:56.78,NTP x\r\n");
  EXPECT_EQ(Write("PowerDivX", rows), "{10:00:01}{12:34:56}x\r\n");
  EXPECT_EQ(Write("Captions DAT text", rows), Bytes("\x00\x0A#T100001500"
                                                    "0"
                                                    "9295289"
                                                    "0\x0A"
                                                    "BG @015 A x\x0A\x00\r\n"));
  EXPECT_NE(Write("Karaoke Lyrics LRC", rows).find("[600:01.50]x\r\n[754:56.78]\r\n"),
            std::string::npos);
}

TEST(ExportRowsTest, Captions32Columns) {
  const std::string forty(40, 'a');
  const std::string forty_b(40, 'b');
  struct Case {
    std::string text;
    std::string line;
  };
  const std::string times = "00:00:01:00 , 00:00:02:00 , ";
  const Case cases[] = {
      {forty, times + std::string(33, 'a') + "|"},
      {"abcde", times + "abcde" + std::string(28, ' ') + "|"},
      {"abcde|" + forty_b, times + "abcde" + std::string(28, ' ') + "|" + std::string(33, 'b')},
      // A row of three lines writes its first two.
      {"one|two|three", times + "one" + std::string(30, ' ') + "|two"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Write("Captions 32", {{"00:00:01,000", "00:00:02,000", c.text}}), c.line + "\r\n")
        << c.text;
  }
}

TEST(ExportRowsTest, LayoutExamples) {
  const std::vector<ExportRow> rows{{"00:00:01,000", "00:00:02,500", "<i>Hi</i>|there"}};
  EXPECT_NE(
      Write("Advanced SubStation Alpha", rows)
          .find("\r\nDialogue: 0,0:00:01.00,0:00:02.50,Default,,0000,0000,0000,,{\\i1}Hi{\\i0}"
                "\\Nthere\r\n"),
      std::string::npos);
  EXPECT_EQ(Write("Adobe Encore DVD", rows), "00:00:01:00 00:00:02:12 Hi\r\nthere\r\n");
  EXPECT_EQ(Write("Captions DAT", {{"00:00:01,500", "00:00:04,000", "x"}}).substr(2, 17),
            "#S00001500025000\x0A");
  EXPECT_NE(
      Write("SAMI Captioning", {{"00:00:00,500", "00:00:02,000", "x"}})
          .find("   <SYNC START=0500>\r\n      <P CLASS=SUBTTL>x\r\n   <SYNC START=2000>\r\n"),
      std::string::npos);
}

TEST(ExportRowsTest, VktDateComesFromTheContextsClock) {
  const ExportContext new_year{
      .today = [] { return std::chrono::year_month_day{1999y / 12 / 31}; }};
  EXPECT_NE(Write("Karaoke Lyrics VKT", {}, new_year).find("\r\n# DATE=1999-12-31\r\n"),
            std::string::npos);
  // Without a clock the local date is used.
  EXPECT_NE(Write("Karaoke Lyrics VKT", {}, ExportContext{.today = nullptr}).find("# DATE="),
            std::string::npos);
}

}  // namespace
}  // namespace files
