// Shared pieces of the export writers (private to files/): the line builder and the row loop.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "formats/export_formats.h"
#include "formats/export_helpers.h"

namespace files::export_detail {

// The bytes of a file being built: lines ending in CR LF, or bare bytes.
class FileBytes {
 public:
  void Line(std::string_view line) { bytes_.append(line).append("\r\n"); }
  void Lines(std::initializer_list<std::string_view> lines) {
    for (std::string_view line : lines) {
      Line(line);
    }
  }
  void Lines(std::span<const std::string_view> lines) {
    for (std::string_view line : lines) {
      Line(line);
    }
  }
  void Bytes(std::string_view bytes) { bytes_.append(bytes); }
  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

// What a layout does with the style tags of a row text before it is split.
enum class Tags {
  kRemoved,         // StripFormatTags
  kKept,            // unchanged
  kClosingRemoved,  // StripClosingTags
  kAssCodes,        // TagsToAssCodes
  kSsaCodes,        // TagsToSsaCodes, then StripFormatTags
};

std::string TreatTags(std::string_view text, Tags tags);

// A row about to be written: its times in the layout's form, its text after the layout's
// tag treatment, and that text split into lines.
struct WrittenRow {
  const ExportRow& row;
  std::string start;
  std::string end;
  std::string text;
  RowLines lines;

  std::string Joined(std::string_view separator) const { return JoinRowLines(lines, separator); }
};

// Calls visit(const WrittenRow&) for every row with a non-empty text, in table order.
template <typename Visit>
void ForEachWrittenRow(std::span<const ExportRow> rows, TimeForm form, Tags tags, Visit&& visit) {
  for (const ExportRow& row : rows) {
    if (row.text.empty()) {
      continue;
    }
    std::string text = TreatTags(row.text, tags);
    RowLines lines = SplitRowText(text);
    const WrittenRow written{row, ExportTime(row.start, form), ExportTime(row.end, form),
                             std::move(text), std::move(lines)};
    visit(written);
  }
}

// Lines 2 and 3 of a row, each on a line of its own, as far as the count has them.
void LinesAfterFirst(FileBytes& out, const RowLines& lines);

// Line 1 always (empty for the count 0), then LinesAfterFirst.
void TextLines(FileBytes& out, const RowLines& lines);

// A running number with leading zeros to four digits (0001; 12345 stays as it is).
std::string FourDigitNumber(int number);

}  // namespace files::export_detail
