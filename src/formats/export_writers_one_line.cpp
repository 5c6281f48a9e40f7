// Layouts that give every written row exactly one line.
#include <array>

#include "formats/export_formats.h"
#include "formats/export_writer_support.h"
#include "platform/text/text.h"

namespace files {

using export_detail::FileBytes;
using export_detail::ForEachWrittenRow;
using export_detail::FourDigitNumber;
using export_detail::Tags;
using export_detail::WrittenRow;

std::string WriteDvdJunior(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  out.Line("Subtitle File Mark:2C:\\Untitled.avi");
  ForEachWrittenRow(rows, TimeForm::kHhMmSsColonCc, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line(r.start + "&" + r.end + "#" + r.Joined("<"));
  });
  return out.Take();
}

std::string WriteDvdSubtitleSystem(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  ForEachWrittenRow(rows, TimeForm::kHhMmSsColonCc, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line(r.start + " " + r.end + " " + r.Joined("//"));
  });
  return out.Take();
}

std::string WriteMacDvdStudioPro(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  ForEachWrittenRow(rows, TimeForm::kHhMmSsFf, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line(r.start + "\t" + r.end + "\t" + r.Joined("<P>"));
  });
  return out.Take();
}

std::string WriteMPlayer2(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  ForEachWrittenRow(rows, TimeForm::kDeciseconds, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line("[" + r.start + "][" + r.end + "]" + r.Joined("|"));
  });
  return out.Take();
}

std::string WritePowerDivX(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  ForEachWrittenRow(rows, TimeForm::kHMmSs, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line("{" + r.start + "}{" + r.end + "}" + r.Joined("|"));
  });
  return out.Take();
}

std::string WriteTurboTitler(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  ForEachWrittenRow(rows, TimeForm::kHMmSsDotCc, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line(r.start + "," + r.end + ",NTP " + r.Joined("|"));
  });
  return out.Take();
}

std::string WriteViPlaySubtitleFile(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  out.Line("{* VIPLAY SUBTITLE FILE *}");
  ForEachWrittenRow(rows, TimeForm::kTimeCode, Tags::kClosingRemoved, [&](const WrittenRow& r) {
    out.Line(r.start + "-" + r.end + "=" + r.Joined("|"));
  });
  return out.Take();
}

std::string WritePinnacleImpression(std::span<const ExportRow> rows, const ExportContext&) {
  const std::string rule(49, '-');
  FileBytes out;
  out.Lines({rule, "#INPOINT OUTPOINT PATH", rule});
  ForEachWrittenRow(rows, TimeForm::kHhMmSsFf, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line(r.start + " " + r.end + " " + r.Joined(" "));
  });
  out.Line(rule);
  return out.Take();
}

std::string WriteSonicScenarist(std::span<const ExportRow> rows, const ExportContext&) {
  static constexpr std::array<std::string_view, 15> kHeader{
      "st_format 2",
      "Display_Start\tnon_forced",
      "TV_Type\t\tPAL",
      "Tape_Type\tNON_DROP",
      "Pixel_Area\t(2 576)",
      "Display_Area\t(0 2 719 574)",
      "Color\t\t(9 3 4 3)",
      "Contrast\t(15 15 15 0)",
      "E2\t\t(0 0 255 ===)",
      "E1\t\t(255 0 0 ===)",
      "PA\t\t(0 0 0 ===)",
      "BG\t\t(255 255 255 ===)",
      "Directory\t.",
      "#####################################################",
      "SP_NUMBER\tSTART\t\tEND\t\tFILE_NAME",
  };
  FileBytes out;
  out.Lines(kHeader);
  int number = 0;
  ForEachWrittenRow(rows, TimeForm::kHhMmSsFf, Tags::kRemoved, [&](const WrittenRow& r) {
    ++number;
    out.Line(text::IntToStr(number) + "\t\t" + r.start + "\t" + r.end + "\t" + r.Joined(" "));
  });
  return out.Take();
}

std::string WriteSpruceDvdMaestro(std::span<const ExportRow> rows, const ExportContext&) {
  static constexpr std::array<std::string_view, 10> kHeader{
      "st_format\t2",
      "Display_Start\tnon_forced",
      "TV_Type\t\tPAL",
      "Tape_Type\tNON_DROP",
      "Pixel_Area\t(0 573)",
      "Directory",
      "",
      "SP_NUMBER\tSTART\t\tEND\t\tFILE_NAME",
      "Color\t(0 1 2 3)",
      "Contrast\t(0 15 15 15)",
  };
  FileBytes out;
  out.Lines(kHeader);
  int number = 0;
  ForEachWrittenRow(rows, TimeForm::kHhMmSsFf, Tags::kRemoved, [&](const WrittenRow& r) {
    ++number;
    out.Line(FourDigitNumber(number) + "\t\t" + r.start + "\t" + r.end + "\t" + r.Joined(" "));
  });
  return out.Take();
}

std::string WriteSpruceSubtitleFile(std::span<const ExportRow> rows, const ExportContext&) {
  static constexpr std::array<std::string_view, 37> kHeader{
      "//Font select and font size",
      "$FontName       = Arial",
      "$FontSize       = 30",
      "",
      "//Character attributes (global)",
      "$Bold           = FALSE",
      "$UnderLined     = FALSE",
      "$Italic         = FALSE",
      "",
      "//Position Control",
      "$HorzAlign      = Center",
      "$VertAlign      = Bottom",
      "$XOffset        = 0",
      "$YOffset        = 0",
      "",
      "//Contrast Control",
      "$TextContrast           = 15",
      "$Outline1Contrast       = 8",
      "$Outline2Contrast       = 15",
      "$BackgroundContrast     = 0",
      "",
      "//Effects Control",
      "$ForceDisplay   = FALSE",
      "$FadeIn         = 0",
      "$FadeOut        = 0",
      "",
      "//Other Controls",
      "$TapeOffset          = FALSE",
      "//$SetFilePathToken  = <<:>>",
      "",
      "//Colors",
      "$ColorIndex1    = 0",
      "$ColorIndex2    = 1",
      "$ColorIndex3    = 2",
      "$ColorIndex4    = 3",
      "",
      "//Subtitles",
  };
  FileBytes out;
  out.Lines(kHeader);
  ForEachWrittenRow(rows, TimeForm::kHhMmSsFf, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line(r.start + "," + r.end + "," + r.Joined("|"));
  });
  return out.Take();
}

std::string WriteStreamSubTextScript(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  out.Lines({"SST 2.0.73", "[TITLES]", "fps=25.00"});
  int number = 0;
  ForEachWrittenRow(rows, TimeForm::kHhMmSsDotCc, Tags::kRemoved, [&](const WrittenRow& r) {
    ++number;
    out.Line(text::IntToStr(number) + "\tDefault\t" + r.start + "\t" + r.end + "\t" +
             r.Joined("~") + "\tSubRip");
  });
  return out.Take();
}

}  // namespace files
