// Caption-house layouts: fixed columns, byte records, numbered captions, and the layouts
// whose last text line carries the times.
#include <string>

#include "formats/export_formats.h"
#include "formats/export_writer_support.h"
#include "platform/text/text.h"

namespace files {

using export_detail::FileBytes;
using export_detail::ForEachWrittenRow;
using export_detail::Tags;
using export_detail::TextLines;
using export_detail::WrittenRow;

namespace {

constexpr int kCaptions32Width = 33;

// The first `kCaptions32Width` characters of a line.
std::string CutToColumns(std::string line) {
  DeleteChars(line, kCaptions32Width + 1, text::Length(line));
  return line;
}

// The line cut and padded with blanks to the column width, with "|" as the next character.
std::string FixedColumns(const std::string& line) {
  std::string column = CutToColumns(line);
  column.resize(kCaptions32Width, ' ');
  InsertAt34("|", column);
  return column;
}

// The two "Captions DAT" layouts differ in the time record's letter and the line prefix.
std::string WriteCaptionsDatLayout(std::span<const ExportRow> rows, std::string_view time_mark,
                                   std::string_view line_prefix) {
  FileBytes out;
  out.Bytes(std::string_view("\x00\x0A", 2));
  ForEachWrittenRow(rows, TimeForm::kHMmSsMmm, Tags::kRemoved, [&](const WrittenRow& r) {
    int64_t duration = ExportTimeCodeToMs(r.row.end) - ExportTimeCodeToMs(r.row.start);
    if (duration < 0) {
      duration = -duration;
    }
    out.Bytes(std::string(time_mark) + r.start + "0" + text::IntToStr(duration) + "0\x0A");
    auto record = [&](const std::string& line) {
      out.Bytes(std::string(line_prefix) + line + "\x0A");
    };
    record(r.lines.line1);
    if (r.lines.count > 1) {
      record(r.lines.line2);
    }
    if (r.lines.count > 2) {
      record(r.lines.line3);
    }
  });
  out.Bytes(std::string_view("\x00\r\n", 3));
  return out.Take();
}

// "@@9 " + line, the last line of the row with its times.
void InscriberLines(FileBytes& out, const WrittenRow& r) {
  const std::string times = "<" + r.start + "><" + r.end + ">";
  if (r.lines.count <= 1) {
    out.Line("@@9 " + r.lines.line1 + times);
    return;
  }
  out.Line("@@9 " + r.lines.line1);
  if (r.lines.count == 2) {
    out.Line("@@9 " + r.lines.line2 + times);
    return;
  }
  out.Line("@@9 " + r.lines.line2);
  out.Line("@@9 " + r.lines.line3 + times);
}

}  // namespace

std::string WriteCaptions32(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  ForEachWrittenRow(rows, TimeForm::kHhMmSsColonCc, Tags::kRemoved, [&](const WrittenRow& r) {
    std::string line = r.start + " , " + r.end + " , ";
    if (r.lines.count >= 1) {
      line += FixedColumns(r.lines.line1);
    }
    // Two lines fit the layout; a row of three writes its first two.
    if (r.lines.count >= 2) {
      line += CutToColumns(r.lines.line2);
    }
    out.Line(line);
  });
  return out.Take();
}

std::string WriteCaptionsDat(std::span<const ExportRow> rows, const ExportContext&) {
  return WriteCaptionsDatLayout(rows, "#S",
                                std::string_view("\x42\xF0\x20\xE9\x20\x30\x31\x35"
                                                 "\x20\x41\xF4\x20\x20\x20\x20\x20",
                                                 16));
}

std::string WriteCaptionsDatText(std::span<const ExportRow> rows, const ExportContext&) {
  return WriteCaptionsDatLayout(rows, "#T", "BG @015 A ");
}

std::string WriteCaptionsInc(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  out.Lines({"*Timecode type: PAL/EBU", ""});
  ForEachWrittenRow(rows, TimeForm::kHhMmSsColonCc, Tags::kRemoved, [&](const WrittenRow& r) {
    std::string all_lines = r.text;
    for (char& c : all_lines) {
      if (c == '|') {
        c = ' ';
      }
    }
    out.Line(r.start + " " + r.end);
    out.Line("{0 [1 " + all_lines);
    out.Line("");
  });
  return out.Take();
}

std::string WriteCheetah(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  out.Lines({"*NonDropFrame", "*Width 32", ""});
  int caption = 0;
  ForEachWrittenRow(rows, TimeForm::kHhMmSsColonCc, Tags::kRemoved, [&](const WrittenRow& r) {
    ++caption;
    out.Line("** Caption Number " + text::IntToStr(caption));
    out.Line("*PopOn");
    out.Line("*T " + r.start);
    out.Lines({"*BottomUp", "*Lf01"});
    TextLines(out, r.lines);
    out.Line("");
    ++caption;
    out.Line("** Caption Number " + text::IntToStr(caption));
    out.Line("*PopOn");
    out.Line("*T " + r.end);
    out.Lines({"*BottomUp", "*Lf01", "", ""});
  });
  return out.Take();
}

std::string WriteInscriberCg(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  out.Lines({"@@9 Title", "@@9 Created by Vemko program", "@@9 STORY:", "@@9 LANG: ENG", "@@9",
             "@@9", "@@9", "@@9"});
  ForEachWrittenRow(rows, TimeForm::kHhMmSsColonCc, Tags::kRemoved, [&](const WrittenRow& r) {
    InscriberLines(out, r);
    out.Line("");
  });
  return out.Take();
}

std::string WritePhilipsSvcdDesigner(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  out.Lines({"# PHILIPS SVCD DESIGNER 1.5 - 2.0 SUBTITLES FILE", "#", "[HEADER]", "TITLE",
             "FRAMERATE\tPAL", "CONTRAST\t(0 15 15 15)", "", "[LIST]"});
  ForEachWrittenRow(rows, TimeForm::kHhMmSsColonCc, Tags::kRemoved, [&](const WrittenRow& r) {
    const std::string tail = " " + r.start + " " + r.end + " 001 001 000 000";
    if (r.lines.count <= 1) {
      out.Line(r.lines.line1 + tail);
      return;
    }
    out.Line(r.lines.line1);
    if (r.lines.count == 2) {
      out.Line(r.lines.line2 + tail);
      return;
    }
    out.Line(r.lines.line2);
    out.Line(r.lines.line3 + tail);
  });
  return out.Take();
}

}  // namespace files
