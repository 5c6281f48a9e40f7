// Layouts that write a row as a block: time lines around the row's text lines.
#include <array>

#include "formats/export_formats.h"
#include "formats/export_writer_support.h"
#include "platform/text/text.h"

namespace files {

using export_detail::FileBytes;
using export_detail::ForEachWrittenRow;
using export_detail::FourDigitNumber;
using export_detail::LinesAfterFirst;
using export_detail::Tags;
using export_detail::TextLines;
using export_detail::WrittenRow;

std::string WriteAdobeEncoreDvd(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  ForEachWrittenRow(rows, TimeForm::kHhMmSsFf, Tags::kRemoved, [&](const WrittenRow& r) {
    const std::string times = r.start + " " + r.end;
    out.Line(r.lines.count == 0 ? times : times + " " + r.lines.line1);
    LinesAfterFirst(out, r.lines);
  });
  return out.Take();
}

std::string WriteFabSubtitler(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  ForEachWrittenRow(rows, TimeForm::kHhMmSsFf, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line(r.start + "  " + r.end);
    TextLines(out, r.lines);
    out.Line("");
  });
  return out.Take();
}

std::string WriteDvdSubtitle(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  out.Lines({"{HEAD", "DISCID=", "DVDTITLE=", "CODEPAGE=1250", "FORMAT=ASCII", "LANG=EN", "TITLE=1",
             "ORIGINAL=ORIGINAL", "AUTHOR=", "WEB=", "INFO=", "LICENSE="});
  ForEachWrittenRow(rows, TimeForm::kHhMmSsColonCc, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line("}");
    out.Line("{T " + r.start);
    TextLines(out, r.lines);
    out.Line("}");
    out.Line("{T " + r.end);
    out.Line("");
  });
  out.Line("}");
  return out.Take();
}

std::string WritePanimator(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  ForEachWrittenRow(rows, TimeForm::kPanimator, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line("/d " + r.start);
    TextLines(out, r.lines);
    out.Line("/d " + r.end);
    out.Line("/c");
  });
  return out.Take();
}

std::string WritePowerPixel(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  ForEachWrittenRow(rows, TimeForm::kHhMmSsColonCc, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line(r.start + "\t" + r.end);
    TextLines(out, r.lines);
    out.Line("");
  });
  return out.Take();
}

std::string WriteQuickTimeText(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  out.Lines({"{QTtext} {font:Tahoma}", "{plain} {size:20}", "{timeScale:30}",
             "{width:160} {height:32}", "{timeStamps:absolute} {language:0}"});
  ForEachWrittenRow(rows, TimeForm::kHhMmSsDotCc, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line("[" + r.start + "]");
    out.Line(r.Joined(" "));
    out.Line("[" + r.end + "]");
    out.Line("");
  });
  return out.Take();
}

std::string WriteSubViewer1(std::span<const ExportRow> rows, const ExportContext&) {
  static constexpr std::array<std::string_view, 16> kHeader{
      "[TITLE]",    "",  "[AUTHOR]", "",
      "[SOURCE]",   "",  "[PRG]",    "",
      "[FILEPATH]", "",  "[DELAY]",  "0",
      "[CD TRACK]", "0", "[BEGIN]",  "******** START SCRIPT ********",
  };
  FileBytes out;
  out.Lines(kHeader);
  ForEachWrittenRow(rows, TimeForm::kHhMmSs, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line("[" + r.start + "]");
    out.Line(r.Joined("|"));
    out.Line("[" + r.end + "]");
    out.Line("");
  });
  out.Lines({"[end]", "******** END SCRIPT ********"});
  return out.Take();
}

std::string WriteSubViewer2(std::span<const ExportRow> rows, const ExportContext&) {
  static constexpr std::array<std::string_view, 12> kHeader{
      "[INFORMATION]",     "[TITLE]",     "[AUTHOR]",
      "[SOURCE]",          "[PRG]",       "[FILEPATH]",
      "[DELAY]0",          "[CD TRACK]0", "[COMMENT]",
      "[END INFORMATION]", "[SUBTITLE]",  "[COLF]&HFFFFFF,[STYLE]bd,[SIZE]24,[FONT]Tahoma",
  };
  FileBytes out;
  out.Lines(kHeader);
  ForEachWrittenRow(rows, TimeForm::kHhMmSsDotCc, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line(r.start + "," + r.end);
    out.Line(r.Joined("[br]"));
    out.Line("");
  });
  return out.Take();
}

std::string WriteSonicDvdCreator(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  int number = 0;
  ForEachWrittenRow(rows, TimeForm::kHhMmSsFf, Tags::kRemoved, [&](const WrittenRow& r) {
    ++number;
    out.Line(FourDigitNumber(number) + "  " + r.start + "  " + r.end + "  " + r.lines.line1);
    LinesAfterFirst(out, r.lines);
    out.Line("");
  });
  return out.Take();
}

std::string WriteUleadDvdWorkshop2(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  out.Lines({"#Ulead subtitle format", "", "#Subtitle stream attribute begin", "#FR:25,00",
             "#Subtitle stream attribute end", "", "#Subtitle text begin"});
  int number = 0;
  ForEachWrittenRow(rows, TimeForm::kHhMmSsFfSemicolon, Tags::kRemoved, [&](const WrittenRow& r) {
    // Appended piece by piece: "#" + a temporary string trips GCC's -Wrestrict at -O3.
    std::string line = "#";
    line += text::IntToStr(number);
    line += ' ';
    line += r.start;
    line += ' ';
    line += r.end;
    out.Line(line);
    TextLines(out, r.lines);
    ++number;
  });
  out.Lines({"#Subtitle text end", "", "#Subtitle text attribute begin", "#/R:1,639 /FP:8  /FS:24",
             "#Subtitle text attribute end"});
  return out.Take();
}

std::string WriteSofni(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  ForEachWrittenRow(rows, TimeForm::kHhMmSsDotCc, Tags::kRemoved, [&](const WrittenRow& r) {
    TextLines(out, r.lines);
    out.Line(r.start + "\\" + r.end);
  });
  out.Line("");
  return out.Take();
}

std::string WriteSbt(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  ForEachWrittenRow(rows, TimeForm::kHhMmSs, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line(r.start);
    out.Line(r.end);
    switch (r.lines.count) {
      case 0:
      case 1:
        out.Line("");
        out.Line(r.lines.line1);
        break;
      case 2:
        out.Line(r.lines.line1);
        out.Line(r.lines.line2);
        break;
      default:
        out.Line(r.lines.line1);
        out.Line(r.lines.line2 + " " + r.lines.line3);
        break;
    }
  });
  return out.Take();
}

}  // namespace files
