// Script and markup layouts: the SubStation family, the player scripts and the HTML-like
// files.
#include <array>

#include "formats/export_formats.h"
#include "formats/export_writer_support.h"
#include "platform/text/text.h"

namespace files {

using export_detail::FileBytes;
using export_detail::ForEachWrittenRow;
using export_detail::Tags;
using export_detail::WrittenRow;

std::string WriteAdvancedSubStationAlpha(std::span<const ExportRow> rows, const ExportContext&) {
  static constexpr std::array<std::string_view, 13> kHeader{
      "[Script Info]",
      "ScriptType: v4.00+",
      "Collisions: Normal",
      "PlayResX: 384",
      "PlayResY: 288",
      "Timer: 100.0000",
      "",
      "[V4+ Styles]",
      "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, "
      "BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, "
      "BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, MarginV, Encoding",
      "Style: Default,Tahoma,24,&H00FFFFFF,&H00FFFFFF,&H00FFFFFF,&H00C0C0C0,-1,0,0,0,100,100,0,"
      "0.00,1,2,3,2,20,20,20,1",
      "",
      "[Events]",
      "Format: Layer, Start, End, Style, Actor, MarginL, MarginR, MarginV, Effect, Text",
  };
  FileBytes out;
  out.Lines(kHeader);
  ForEachWrittenRow(rows, TimeForm::kHMmSsDotCc, Tags::kAssCodes, [&](const WrittenRow& r) {
    out.Line("Dialogue: 0," + r.start + "," + r.end + ",Default,,0000,0000,0000,," +
             r.Joined("\\N"));
  });
  return out.Take();
}

std::string WriteSubStationAlpha(std::span<const ExportRow> rows, const ExportContext&) {
  static constexpr std::array<std::string_view, 11> kHeader{
      "[Script Info]",
      "Title: <untitled>",
      "Original Script: <unknown>",
      "ScriptType: v4.00",
      "",
      "[V4 Styles]",
      "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, TertiaryColour, "
      "BackColour, Bold, Italic, BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, "
      "MarginV, AlphaLevel, Encoding",
      "Style: Default,Tahoma,24,16777215,16777215,16777215,12632256,-1,0,1,1,1,6,30,30,415,0,0",
      "",
      "[Events]",
      "Format: Marked, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text",
  };
  FileBytes out;
  out.Lines(kHeader);
  ForEachWrittenRow(rows, TimeForm::kHMmSsDotCc, Tags::kSsaCodes, [&](const WrittenRow& r) {
    out.Line("Dialogue: Marked=0," + r.start + "," + r.end +
             ",Default,NTP,0000,0000,0000,!Effect," + r.Joined("\\N"));
  });
  return out.Take();
}

std::string WriteJacoSub(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  out.Lines({"#T100", "", "# Directive entries", "#D"});
  for (int directive = 1; directive <= 29; ++directive) {
    out.Line("#D" + text::IntToStr(directive));
  }
  out.Line("");
  ForEachWrittenRow(rows, TimeForm::kHMmSsDotCc, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line(r.start + " " + r.end + " {NTP} " + r.Joined("\\n"));
  });
  return out.Take();
}

std::string WriteZeroG(std::span<const ExportRow> rows, const ExportContext&) {
  FileBytes out;
  out.Lines({"% Zero G 1.0", ""});
  ForEachWrittenRow(rows, TimeForm::kHMmSsDotCc, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line("E 1 " + r.start + " " + r.end + " Default NTP " + r.Joined("\\n"));
  });
  return out.Take();
}

std::string WriteRealTime(std::span<const ExportRow> rows, const ExportContext&) {
  static constexpr std::array<std::string_view, 15> kHeader{
      "<Window",
      "  Width    = \"640\"",
      "  Height   = \"480\"",
      "  WordWrap = \"true\"",
      "  Loop     = \"true\"",
      "  bgcolor  = \"black\"",
      ">",
      "<Font",
      "  Color = \"white\"",
      "  Face  = \"Arial\"",
      "  Size  = \"+2\"",
      ">",
      "<center>",
      "<b>",
      "",
  };
  FileBytes out;
  out.Lines(kHeader);
  ForEachWrittenRow(rows, TimeForm::kHMmSsDotD, Tags::kKept, [&](const WrittenRow& r) {
    out.Line("<Time begin=\"" + r.start + "\" end=\"" + r.end + "\" /><clear/>" + r.Joined("<br>"));
  });
  out.Lines({"</b>", "</center>"});
  return out.Take();
}

std::string WriteSamiCaptioning(std::span<const ExportRow> rows, const ExportContext&) {
  static constexpr std::array<std::string_view, 10> kHeader{
      "<SAMI>",
      "<HEAD>",
      "   <STYLE TYPE=\"Text/css\">",
      "   <!--",
      "      P {margin-left: 29pt; margin-right: 29pt; font-size: 24pt; text-align: center; "
      "font-family: Tahoma; font-weight: bold; color: #FFFFFF; background-color: #000000;}",
      "      .SUBTTL {Name: 'Subtitles'; Lang: en-US; SAMIType: CC;}",
      "   -->",
      "   </STYLE>",
      "</HEAD>",
      "<BODY>",
  };
  FileBytes out;
  out.Lines(kHeader);
  ForEachWrittenRow(rows, TimeForm::kMsText, Tags::kKept, [&](const WrittenRow& r) {
    out.Line("   <SYNC START=" + r.start + ">");
    out.Line("      <P CLASS=SUBTTL>" + r.Joined("<br>"));
    out.Line("   <SYNC START=" + r.end + ">");
    out.Line("      <P CLASS=SUBTTL>&nbsp;");
  });
  out.Lines({"</BODY>", "</SAMI>"});
  return out.Take();
}

std::string WriteSasamiScript(std::span<const ExportRow> rows, const ExportContext&) {
  static constexpr std::array<std::string_view, 14> kHeader{
      ";Env.Movie.Width=320",
      ";Env.Movie.Height=240",
      ";Set.Slot=1",
      ";Set.Time.Delay=15000",
      ";Set.Alpha.End=256",
      ";Set.Alpha.Start=256",
      ";Set.Alpha.Step=-300",
      ";Set.Font.Style.Bold=0",
      ";Set.Font.Color=#FFFFFF",
      ";Set.Font.Outline.Color=#00101010",
      ";Set.Font.Outline2.Color=#01101010",
      ";Set.Font.Size=20",
      ";Set.Font.Face=Tahoma",
      ";Buffer.Push=1",
  };
  // The y positions of the text lines, counted up from the bottom line at 203.
  static constexpr std::array<std::string_view, 3> kLineY{"167", "185", "203"};
  FileBytes out;
  out.Lines(kHeader);
  ForEachWrittenRow(rows, TimeForm::kMsText, Tags::kRemoved, [&](const WrittenRow& r) {
    out.Line(";Buffer.Pop=1");
    out.Line(";Set.Time.Start=" + r.start);
    const int line_count = r.lines.count < 1 ? 1 : r.lines.count;
    const std::array<const std::string*, 3> lines{&r.lines.line1, &r.lines.line2, &r.lines.line3};
    for (int i = 0; i < line_count; ++i) {
      const std::string y(kLineY[static_cast<size_t>(3 - line_count + i)]);
      out.Lines({";Set.Start.Position.x=160", ";Set.End.Position.x=160"});
      out.Line(";Set.Start.Position.y=" + y);
      out.Line(";Set.End.Position.y=" + y);
      out.Line(*lines[static_cast<size_t>(i)]);
    }
    out.Line(";Buffer.Pop=1");
    out.Line(";Set.Time.Start=" + r.end);
    out.Lines({";Set.Start.Position.x=160", ";Set.End.Position.x=160", ";Set.Start.Position.y=221",
               ";Set.End.Position.y=221", ""});
  });
  return out.Take();
}

}  // namespace files
