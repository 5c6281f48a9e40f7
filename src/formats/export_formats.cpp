#include "formats/export_formats.h"

#include <array>
#include <ctime>

namespace files {
namespace {

constexpr ExportFormat Written(std::string_view caption, std::string_view extension,
                               ExportWriter writer) {
  return {caption, extension, ExportHandling::kWriter, writer};
}

constexpr ExportFormat NotProgrammed(std::string_view caption) {
  return {caption, "", ExportHandling::kNotProgrammed, nullptr};
}

constexpr std::array<ExportFormat, 56> kFormats{{
    Written("Adobe Encore DVD", ".txt", WriteAdobeEncoreDvd),
    Written("Advanced SubStation Alpha", ".ass", WriteAdvancedSubStationAlpha),
    NotProgrammed("AQtitle"),
    Written("Captions 32", ".txt", WriteCaptions32),
    Written("Captions DAT", ".dat", WriteCaptionsDat),
    Written("Captions DAT text", ".dat", WriteCaptionsDatText),
    Written("Captions Inc.", ".txt", WriteCaptionsInc),
    Written("Cheetah", ".asc", WriteCheetah),
    Written("CPC-600", ".txt", WriteCpc600),
    Written("DKS Subtitle Format", ".dks", WriteDksSubtitleFormat),
    Written("DVD Junior", ".txt", WriteDvdJunior),
    Written("DVD Subtitle System", ".txt", WriteDvdSubtitleSystem),
    Written("DVDSubtitle", ".sub", WriteDvdSubtitle),
    Written("FAB Subtitler", ".txt", WriteFabSubtitler),
    NotProgrammed("I-Author Script"),
    Written("Inscriber CG", ".txt", WriteInscriberCg),
    Written("JACOSub 2.7+", ".js", WriteJacoSub),
    Written("Karaoke Lyrics LRC", ".lrc", WriteKaraokeLyricsLrc),
    Written("Karaoke Lyrics VKT", ".vkt", WriteKaraokeLyricsVkt),
    Written("MAC DVD Studio Pro", ".txt", WriteMacDvdStudioPro),
    NotProgrammed("MacSUB"),
    NotProgrammed("MicroDVD"),
    NotProgrammed("MPlayer"),
    Written("MPlayer2", ".mpl", WriteMPlayer2),
    NotProgrammed("MPSub"),
    Written("OVR Script", ".ovr", WriteOvrScript),
    Written("Panimator", ".pan", WritePanimator),
    Written("Philips SVCD Designer 1.5-2.0", ".sub", WritePhilipsSvcdDesigner),
    NotProgrammed("Phoenix Japanimation on Society"),
    Written("Pinnacle Impression", ".txt", WritePinnacleImpression),
    Written("PowerDivX", ".psb", WritePowerDivX),
    Written("PowerPixel", ".txt", WritePowerPixel),
    Written("QuickTime Text", ".txt", WriteQuickTimeText),
    Written("RealTime", ".rt", WriteRealTime),
    Written("SAMI Captioning", ".smi", WriteSamiCaptioning),
    Written("Sasami Script", ".s2k", WriteSasamiScript),
    Written("SBT", ".sbt", WriteSbt),
    Written("Sofni", ".sub", WriteSofni),
    NotProgrammed("Softitler RTF"),
    Written("Sonic Scenarist", ".sst", WriteSonicScenarist),
    Written("SonicDVD Creator", ".sub", WriteSonicDvdCreator),
    Written("Spruce DVDMaestro", ".son", WriteSpruceDvdMaestro),
    Written("Spruce Subtitle File", ".stl", WriteSpruceSubtitleFile),
    NotProgrammed("Stream SubText Player"),
    Written("Stream SubText Script", ".ssts", WriteStreamSubTextScript),
    Written("SubCreator 1.x", ".txt", WriteSubCreator1),
    {"SubRip", ".srt", ExportHandling::kNativeSaver, nullptr},
    NotProgrammed("SubSonic"),
    Written("SubStation Alpha", ".ssa", WriteSubStationAlpha),
    Written("SubViewer 1.0", ".sub", WriteSubViewer1),
    Written("SubViewer 2.0", ".sub", WriteSubViewer2),
    NotProgrammed("TMPlayer"),
    Written("Turbo Titler", ".tts", WriteTurboTitler),
    Written("Ulead DVD Workshop 2.0", ".txt", WriteUleadDvdWorkshop2),
    Written("ViPlay Subtitle File", ".vsf", WriteViPlaySubtitleFile),
    Written("ZeroG", ".zeg", WriteZeroG),
}};

std::string FrameTextToTimeCode(const std::string& frames, timecode::FrameRate rate) {
  if (frames.empty()) {
    return {};
  }
  return timecode::FramesToTimeCode(timecode::ParseFrameNumber(frames).value_or(0), rate);
}

}  // namespace

std::span<const ExportFormat> ExportFormats() {
  return kFormats;
}

const ExportFormat* FindExportFormat(std::string_view caption) {
  for (const ExportFormat& format : kFormats) {
    if (format.caption == caption) {
      return &format;
    }
  }
  return nullptr;
}

std::vector<ExportRow> FrameRowsToTimeRows(std::span<const ExportRow> frame_rows,
                                           timecode::FrameRate rate) {
  std::vector<ExportRow> rows;
  rows.reserve(frame_rows.size());
  for (const ExportRow& row : frame_rows) {
    rows.push_back(
        {FrameTextToTimeCode(row.start, rate), FrameTextToTimeCode(row.end, rate), row.text});
  }
  return rows;
}

std::chrono::year_month_day LocalToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) {
    return std::chrono::year_month_day{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
  }
  return std::chrono::year{local.tm_year + 1900} /
         std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)} /
         std::chrono::day{static_cast<unsigned>(local.tm_mday)};
}

}  // namespace files
