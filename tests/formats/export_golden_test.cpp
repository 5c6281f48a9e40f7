// Every written layout against files written by hand: one small subtitle, and an empty one.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "byte_diff.h"
#include "formats/export_formats.h"

namespace files {
namespace {

using namespace std::chrono_literals;

// An italic row, two lines with bold and underline, a row without text, and five lines
// with accented letters (ő is the byte F5).
const std::vector<ExportRow> kFixture{
    {"00:00:01,000", "00:00:02,500", "<i>Hello there</i>"},
    {"00:01:05,039", "00:01:07,999", "<b>Bold line</b>|<u>Under</u> line"},
    {"00:01:10,000", "00:01:12,000", ""},
    {"01:02:03,456", "01:02:09,040", "Első|Kettő|Három|Négy|Öt"},
};

ExportContext FixedDate() {
  return {.today = [] { return std::chrono::year_month_day{2024y / 3 / 5}; }};
}

struct Golden {
  std::string_view caption;
  std::string_view file;
};

const Golden kGoldens[] = {
    {"Adobe Encore DVD", "adobe_encore_dvd.txt"},
    {"Advanced SubStation Alpha", "advanced_substation_alpha.ass"},
    {"Captions 32", "captions_32.txt"},
    {"Captions DAT", "captions_dat.dat"},
    {"Captions DAT text", "captions_dat_text.dat"},
    {"Captions Inc.", "captions_inc.txt"},
    {"Cheetah", "cheetah.asc"},
    {"CPC-600", "cpc_600.txt"},
    {"DKS Subtitle Format", "dks_subtitle_format.dks"},
    {"DVD Junior", "dvd_junior.txt"},
    {"DVD Subtitle System", "dvd_subtitle_system.txt"},
    {"DVDSubtitle", "dvdsubtitle.sub"},
    {"FAB Subtitler", "fab_subtitler.txt"},
    {"Inscriber CG", "inscriber_cg.txt"},
    {"JACOSub 2.7+", "jacosub_27.js"},
    {"Karaoke Lyrics LRC", "karaoke_lyrics_lrc.lrc"},
    {"Karaoke Lyrics VKT", "karaoke_lyrics_vkt.vkt"},
    {"MAC DVD Studio Pro", "mac_dvd_studio_pro.txt"},
    {"MPlayer2", "mplayer2.mpl"},
    {"OVR Script", "ovr_script.ovr"},
    {"Panimator", "panimator.pan"},
    {"Philips SVCD Designer 1.5-2.0", "philips_svcd_designer.sub"},
    {"Pinnacle Impression", "pinnacle_impression.txt"},
    {"PowerDivX", "powerdivx.psb"},
    {"PowerPixel", "powerpixel.txt"},
    {"QuickTime Text", "quicktime_text.txt"},
    {"RealTime", "realtime.rt"},
    {"SAMI Captioning", "sami_captioning.smi"},
    {"Sasami Script", "sasami_script.s2k"},
    {"SBT", "sbt.sbt"},
    {"Sofni", "sofni.sub"},
    {"Sonic Scenarist", "sonic_scenarist.sst"},
    {"SonicDVD Creator", "sonicdvd_creator.sub"},
    {"Spruce DVDMaestro", "spruce_dvdmaestro.son"},
    {"Spruce Subtitle File", "spruce_subtitle_file.stl"},
    {"Stream SubText Script", "stream_subtext_script.ssts"},
    {"SubCreator 1.x", "subcreator_1x.txt"},
    {"SubStation Alpha", "substation_alpha.ssa"},
    {"SubViewer 1.0", "subviewer_10.sub"},
    {"SubViewer 2.0", "subviewer_20.sub"},
    {"Turbo Titler", "turbo_titler.tts"},
    {"Ulead DVD Workshop 2.0", "ulead_dvd_workshop_20.txt"},
    {"ViPlay Subtitle File", "viplay_subtitle_file.vsf"},
    {"ZeroG", "zerog.zeg"},
};

void PrintTo(const Golden& golden, std::ostream* os) {
  *os << golden.caption;
}

std::string ReadGolden(std::string_view folder, std::string_view file) {
  const std::filesystem::path path =
      std::filesystem::path(VEMKO_FIXTURES_DIR) / "files" / "export" / folder / file;
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << "missing golden file " << path;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ExportGoldenTest : public ::testing::TestWithParam<Golden> {};

TEST_P(ExportGoldenTest, FixtureMatchesTheHandWrittenFile) {
  const ExportFormat* format = FindExportFormat(GetParam().caption);
  ASSERT_NE(format, nullptr);
  ASSERT_NE(format->writer, nullptr);
  EXPECT_TRUE(files_test::SameBytes(format->writer(kFixture, FixedDate()),
                                    ReadGolden("rows", GetParam().file)));
}

TEST_P(ExportGoldenTest, EmptyTableGivesHeaderAndFooterOnly) {
  const ExportFormat* format = FindExportFormat(GetParam().caption);
  ASSERT_NE(format, nullptr);
  ASSERT_NE(format->writer, nullptr);
  EXPECT_TRUE(
      files_test::SameBytes(format->writer({}, FixedDate()), ReadGolden("empty", GetParam().file)));
  // Rows without a text write nothing either.
  const std::vector<ExportRow> textless{{"00:00:01,000", "00:00:02,000", ""}};
  EXPECT_TRUE(files_test::SameBytes(format->writer(textless, FixedDate()),
                                    ReadGolden("empty", GetParam().file)));
}

INSTANTIATE_TEST_SUITE_P(Layouts, ExportGoldenTest, ::testing::ValuesIn(kGoldens),
                         [](const ::testing::TestParamInfo<Golden>& info) {
                           std::string name;
                           for (char c : info.param.file) {
                             if (c == '.') {
                               break;
                             }
                             name += c;
                           }
                           return name;
                         });

TEST(ExportGoldenCoverage, EveryWrittenEntryHasAGoldenFile) {
  std::set<std::string_view> covered;
  for (const Golden& golden : kGoldens) {
    covered.insert(golden.caption);
  }
  for (const ExportFormat& format : ExportFormats()) {
    if (format.handling == ExportHandling::kWriter) {
      EXPECT_TRUE(covered.contains(format.caption)) << format.caption;
    }
  }
  EXPECT_EQ(covered.size(), 44u);
}

}  // namespace
}  // namespace files
