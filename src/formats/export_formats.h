// The export formats: the 56 entries of the export list and the writers of the 44 layouts
// that the export writes itself.
//
// A writer takes the rows in table order and gives the whole file's bytes: its header, one
// block per row with a text (rows with an empty text are left out and advance no running
// number), and its footer. An empty table gives the header and the footer alone. Lines end
// with CR LF except where a layout writes bare bytes ("Captions DAT").
//
// The rows' times are time codes "HH:MM:SS,mmm"; an empty time is written as 00:00:00,000.
// A frame-based subtitle is converted first with FrameRowsToTimeRows.
#pragma once

#include <chrono>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "timecode/timecode.h"

namespace files {

// One row of the subtitle as the writers read it.
struct ExportRow {
  std::string start;  // time code, or empty
  std::string end;    // time code, or empty
  std::string text;   // the lines joined by "|", with the style tags

  bool operator==(const ExportRow&) const = default;
};

// The rows of a frame-based subtitle with their frame numbers turned into time codes at the
// given rate (the time of a frame, cut to whole milliseconds). An empty frame number stays
// empty; a text that is not a frame number counts as frame 0. The texts are kept.
std::vector<ExportRow> FrameRowsToTimeRows(std::span<const ExportRow> frame_rows,
                                           timecode::FrameRate rate);

// Today's date in the computer's local time zone.
std::chrono::year_month_day LocalToday();

// What a writer needs besides the rows.
struct ExportContext {
  // Where today's date comes from ("Karaoke Lyrics VKT" writes it); tests put a fixed date.
  std::function<std::chrono::year_month_day()> today = LocalToday;
};

using ExportWriter = std::string (*)(std::span<const ExportRow> rows, const ExportContext& context);

enum class ExportHandling {
  kWriter,         // written by `writer` below
  kNativeSaver,    // "SubRip": saved by the program's own subtitle saver
  kNotProgrammed,  // answered with kNotProgrammedMessage, no file
};

// One entry of the export list.
struct ExportFormat {
  std::string_view caption;    // the entry's text, the key of the whole export
  std::string_view extension;  // appended to the chosen file name; "" when not programmed
  ExportHandling handling;
  ExportWriter writer;  // set exactly for kWriter
};

// The 56 entries in the order of the list.
std::span<const ExportFormat> ExportFormats();

// The entry with exactly this caption (letter case counts); nullptr when there is none.
const ExportFormat* FindExportFormat(std::string_view caption);

inline constexpr std::string_view kNotProgrammedCaption = "Hiányosság";
inline constexpr std::string_view kNotProgrammedMessage = "Ez az opció még nincs leprogramozva!";

// ---- The writers, by entry caption -----------------------------------------------------------

// "Adobe Encore DVD"
std::string WriteAdobeEncoreDvd(std::span<const ExportRow> rows, const ExportContext& context);
// "Advanced SubStation Alpha"
std::string WriteAdvancedSubStationAlpha(std::span<const ExportRow> rows,
                                         const ExportContext& context);
// "Captions 32"
std::string WriteCaptions32(std::span<const ExportRow> rows, const ExportContext& context);
// "Captions DAT"
std::string WriteCaptionsDat(std::span<const ExportRow> rows, const ExportContext& context);
// "Captions DAT text"
std::string WriteCaptionsDatText(std::span<const ExportRow> rows, const ExportContext& context);
// "Captions Inc."
std::string WriteCaptionsInc(std::span<const ExportRow> rows, const ExportContext& context);
// "Cheetah"
std::string WriteCheetah(std::span<const ExportRow> rows, const ExportContext& context);
// "CPC-600"
std::string WriteCpc600(std::span<const ExportRow> rows, const ExportContext& context);
// "DKS Subtitle Format"
std::string WriteDksSubtitleFormat(std::span<const ExportRow> rows, const ExportContext& context);
// "DVD Junior"
std::string WriteDvdJunior(std::span<const ExportRow> rows, const ExportContext& context);
// "DVD Subtitle System"
std::string WriteDvdSubtitleSystem(std::span<const ExportRow> rows, const ExportContext& context);
// "DVDSubtitle"
std::string WriteDvdSubtitle(std::span<const ExportRow> rows, const ExportContext& context);
// "FAB Subtitler"
std::string WriteFabSubtitler(std::span<const ExportRow> rows, const ExportContext& context);
// "Inscriber CG"
std::string WriteInscriberCg(std::span<const ExportRow> rows, const ExportContext& context);
// "JACOSub 2.7+"
std::string WriteJacoSub(std::span<const ExportRow> rows, const ExportContext& context);
// "Karaoke Lyrics LRC"
std::string WriteKaraokeLyricsLrc(std::span<const ExportRow> rows, const ExportContext& context);
// "Karaoke Lyrics VKT" (writes today's date from the context)
std::string WriteKaraokeLyricsVkt(std::span<const ExportRow> rows, const ExportContext& context);
// "MAC DVD Studio Pro"
std::string WriteMacDvdStudioPro(std::span<const ExportRow> rows, const ExportContext& context);
// "MPlayer2"
std::string WriteMPlayer2(std::span<const ExportRow> rows, const ExportContext& context);
// "OVR Script"
std::string WriteOvrScript(std::span<const ExportRow> rows, const ExportContext& context);
// "Panimator"
std::string WritePanimator(std::span<const ExportRow> rows, const ExportContext& context);
// "Philips SVCD Designer 1.5-2.0"
std::string WritePhilipsSvcdDesigner(std::span<const ExportRow> rows, const ExportContext& context);
// "Pinnacle Impression"
std::string WritePinnacleImpression(std::span<const ExportRow> rows, const ExportContext& context);
// "PowerDivX"
std::string WritePowerDivX(std::span<const ExportRow> rows, const ExportContext& context);
// "PowerPixel"
std::string WritePowerPixel(std::span<const ExportRow> rows, const ExportContext& context);
// "QuickTime Text"
std::string WriteQuickTimeText(std::span<const ExportRow> rows, const ExportContext& context);
// "RealTime"
std::string WriteRealTime(std::span<const ExportRow> rows, const ExportContext& context);
// "SAMI Captioning"
std::string WriteSamiCaptioning(std::span<const ExportRow> rows, const ExportContext& context);
// "Sasami Script"
std::string WriteSasamiScript(std::span<const ExportRow> rows, const ExportContext& context);
// "SBT"
std::string WriteSbt(std::span<const ExportRow> rows, const ExportContext& context);
// "Sofni"
std::string WriteSofni(std::span<const ExportRow> rows, const ExportContext& context);
// "Sonic Scenarist"
std::string WriteSonicScenarist(std::span<const ExportRow> rows, const ExportContext& context);
// "SonicDVD Creator"
std::string WriteSonicDvdCreator(std::span<const ExportRow> rows, const ExportContext& context);
// "Spruce DVDMaestro"
std::string WriteSpruceDvdMaestro(std::span<const ExportRow> rows, const ExportContext& context);
// "Spruce Subtitle File"
std::string WriteSpruceSubtitleFile(std::span<const ExportRow> rows, const ExportContext& context);
// "Stream SubText Script"
std::string WriteStreamSubTextScript(std::span<const ExportRow> rows, const ExportContext& context);
// "SubCreator 1.x"
std::string WriteSubCreator1(std::span<const ExportRow> rows, const ExportContext& context);
// "SubStation Alpha"
std::string WriteSubStationAlpha(std::span<const ExportRow> rows, const ExportContext& context);
// "SubViewer 1.0"
std::string WriteSubViewer1(std::span<const ExportRow> rows, const ExportContext& context);
// "SubViewer 2.0"
std::string WriteSubViewer2(std::span<const ExportRow> rows, const ExportContext& context);
// "Turbo Titler"
std::string WriteTurboTitler(std::span<const ExportRow> rows, const ExportContext& context);
// "Ulead DVD Workshop 2.0"
std::string WriteUleadDvdWorkshop2(std::span<const ExportRow> rows, const ExportContext& context);
// "ViPlay Subtitle File"
std::string WriteViPlaySubtitleFile(std::span<const ExportRow> rows, const ExportContext& context);
// "ZeroG"
std::string WriteZeroG(std::span<const ExportRow> rows, const ExportContext& context);

}  // namespace files
