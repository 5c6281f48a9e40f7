// Layouts that give every written row a line with the start and the text, then a line with
// the end alone.
#include <chrono>

#include "formats/export_formats.h"
#include "formats/export_writer_support.h"
#include "platform/text/text.h"

namespace files {

using export_detail::FileBytes;
using export_detail::ForEachWrittenRow;
using export_detail::Tags;
using export_detail::WrittenRow;

namespace {

// The bytes B3 "0NEN" B3 that follow both times of a "CPC-600" row.
constexpr std::string_view kCpcMarker =
    "\xB3"
    "0NEN"
    "\xB3";

std::string PaddedNumber(int value, size_t width) {
  std::string digits = text::IntToStr(value);
  if (digits.size() < width) {
    digits.insert(0, width - digits.size(), '0');
  }
  return digits;
}

// yyyy-mm-dd.
std::string DateText(std::chrono::year_month_day date) {
  return PaddedNumber(static_cast<int>(date.year()), 4) + "-" +
         PaddedNumber(static_cast<int>(static_cast<unsigned>(date.month())), 2) + "-" +
         PaddedNumber(static_cast<int>(static_cast<unsigned>(date.day())), 2);
}

}  // namespace

std::string WriteCpc600(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  out.Line("~CPCC6.38~;UpperLower;PopOn;01;");
  ForEachWrittenRow(rows, TimeForm::kHhMmSsColonCc, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line(r.start + std::string(kCpcMarker) + r.Joined("\\"));
    out.Line(r.end + std::string(kCpcMarker));
  });
  return out.Take();
}

std::string WriteDksSubtitleFormat(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  ForEachWrittenRow(rows, TimeForm::kHhMmSs, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line("[" + r.start + "]" + r.Joined("[br]"));
    out.Line("[" + r.end + "]");
  });
  return out.Take();
}

std::string WriteOvrScript(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  ForEachWrittenRow(rows, TimeForm::kHhMmSsColonCc, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line(r.start + " " + r.Joined("//"));
    out.Line(r.end);
  });
  return out.Take();
}

std::string WriteKaraokeLyricsLrc(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  out.Lines({"[ti:Project title]", "[ar:Project author]", "[la:af]", "Project title", ""});
  ForEachWrittenRow(rows, TimeForm::kLrc, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line("[" + r.start + "]" + r.Joined(""));
    out.Line("[" + r.end + "]");
  });
  return out.Take();
}

std::string WriteKaraokeLyricsVkt(std::span<const ExportRow> rows, const ExportContext& context) {
  const std::chrono::year_month_day today = context.today ? context.today() : LocalToday();
  FileBytes out;
  out.Lines({"# <HEAD>", "# FRAME RATE=MP3", "# CREATOR=Project author",
             "# VIDEO SOURCE=C:\\Untitled.avi"});
  out.Line("# DATE=" + DateText(today));
  out.Lines({"# </HEAD>", "#"});
  ForEachWrittenRow(rows, TimeForm::kCentiseconds, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line("{" + r.start + " " + r.Joined("") + "}");
    out.Line("{" + r.end + " }");
  });
  out.Lines({"", "#", "# THE END."});
  return out.Take();
}

std::string WriteSubCreator1(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  ForEachWrittenRow(rows, TimeForm::kHhMmSsDotD, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line(r.start + ":" + r.Joined("|"));
    out.Line(r.end + ":");
  });
  return out.Take();
}

}  // namespace files
