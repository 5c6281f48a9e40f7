#include "translation/rows/side_read.h"

#include <cstddef>
#include <string_view>
#include <utility>

#include "formats/subtitle_kind.h"
#include "platform/desktop/line_reader.h"

namespace translation::rows {

namespace {

// The lines from `first` on, as the parsers take them.
std::vector<std::string_view> LinesFrom(const desktop::TextLines& lines, std::size_t first) {
  std::vector<std::string_view> taken;
  taken.reserve(lines.size() - first);
  for (std::size_t i = first; i < lines.size(); ++i)
    taken.push_back(lines[i]);
  return taken;
}

// The parser's counter as the gauge's position: (per_counter * counter + offset) per hundredth
// of the file's lines.
Progress GaugeSteps(const GaugeProgress& gauge, std::size_t line_count, std::size_t per_counter,
                    std::size_t offset) {
  const std::size_t step = line_count / 100;
  if (!gauge || step == 0)
    return {};
  return [&gauge, step, per_counter, offset](std::size_t counter) {
    gauge(static_cast<int>((per_counter * counter + offset) / step));
  };
}

}  // namespace

SideRead ReadSideBytes(std::string bytes, PairCount pair_count, const GaugeProgress& gauge) {
  SideRead read;
  if (files::DecodeIfUtf8(bytes))
    read.encoding = SideEncoding::kUtf8;
  const desktop::TextLines raw(std::move(bytes));

  std::string kind;
  std::size_t next = 0;
  std::string_view kind_line;
  while (kind.empty() && next < raw.size()) {
    kind_line = raw[next++];
    kind = files::ClassifySubtitleLine(kind_line);
  }
  if (kind.empty()) {
    read.refused = true;
    return read;
  }
  // UTF-16LE text is read as the text it holds, from its kind line on; its kind is that of the
  // text.
  desktop::TextLines decoded;
  std::size_t kind_index = next - 1;
  if (files::IsUtf16LeLine(kind_line)) {
    decoded = desktop::TextLines(files::DecodeUtf16LeFrom(raw.bytes(), kind_line));
    read.encoding = SideEncoding::kUtf16;
    kind.clear();
    for (kind_index = 0; kind.empty() && kind_index < decoded.size(); ++kind_index)
      kind = files::ClassifySubtitleLine(decoded[kind_index]);
    if (kind.empty()) {
      read.refused = true;
      return read;
    }
    --kind_index;
  }
  const desktop::TextLines& lines = read.encoding == SideEncoding::kUtf16 ? decoded : raw;

  // The gauge runs over the lines of the file as it was (a UTF-16 file's included).
  const std::size_t line_count = raw.size();
  if (kind == files::kFrameKind) {
    read.parse = ParseFrameBased(LinesFrom(lines, kind_index), GaugeSteps(gauge, line_count, 1, 0));
  } else if (kind == files::kSubRipKind) {
    read.parse = ParseSubRip(LinesFrom(lines, kind_index + 1), GaugeSteps(gauge, line_count, 1, 0));
  } else if (kind == files::kSubViewerKind) {
    read.parse =
        ParseSubViewer(LinesFrom(lines, kind_index), pair_count == PairCount::kLines
                                                         ? GaugeSteps(gauge, line_count, 3, 3)
                                                         : GaugeSteps(gauge, line_count, 1, 0));
  } else {
    read.refused = true;
  }
  return read;
}

std::vector<std::string> ReadReportLines(const SideRead& read) {
  std::vector<std::string> lines;
  const std::string bangs(49, '!');
  if (read.encoding == SideEncoding::kUtf8) {
    lines = {"",
             bangs,
             "Ez a felirat UTF-8-as file-ból lett betöltve!!!",
             "Kérem mentse el a file-t!",
             "Mentéskor Windows-1250-es kódolású lesz!",
             bangs};
  } else if (read.encoding == SideEncoding::kUtf16) {
    lines = {"", bangs, "Ez a felirat Unicode-os file-ból lett betöltve!!!",
             "Kérem mentse el a file-t!", bangs};
  }
  for (std::string& line : CutTextEntries(read.parse.cuts))
    lines.push_back(std::move(line));
  return lines;
}

}  // namespace translation::rows
