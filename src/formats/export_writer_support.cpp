#include "formats/export_writer_support.h"

#include "platform/text/text.h"

namespace files::export_detail {

std::string TreatTags(std::string_view text, Tags tags) {
  switch (tags) {
    case Tags::kRemoved:
      return StripFormatTags(text);
    case Tags::kKept:
      return std::string(text);
    case Tags::kClosingRemoved:
      return StripClosingTags(text);
    case Tags::kAssCodes:
      return TagsToAssCodes(text);
    case Tags::kSsaCodes:
      return StripFormatTags(TagsToSsaCodes(text));
  }
  return std::string(text);
}

void LinesAfterFirst(FileBytes& out, const RowLines& lines) {
  if (lines.count > 1) {
    out.Line(lines.line2);
  }
  if (lines.count > 2) {
    out.Line(lines.line3);
  }
}

void TextLines(FileBytes& out, const RowLines& lines) {
  out.Line(lines.line1);
  LinesAfterFirst(out, lines);
}

std::string FourDigitNumber(int number) {
  std::string digits = text::IntToStr(number);
  if (digits.size() < 4) {
    digits.insert(0, 4 - digits.size(), '0');
  }
  return digits;
}

}  // namespace files::export_detail
