#include "translation/rows/side_write.h"

#include "platform/text/text.h"

namespace translation::rows {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void AddLine(std::string& bytes, std::string_view line) {
  bytes += line;
  bytes += kLineEnd;
}

// The check of one row.
timecode::Check CheckRow(const Row& row, std::string_view mode) {
  if (mode == kTimeMode) {
    if (row.start.empty() && row.end.empty())
      return {};
    return timecode::ValidateTwoTimeCodes(row.start, row.end);
  }
  if (!row.start.empty() && !row.end.empty())
    return timecode::ValidateTwoFrameNumbers(row.start, row.end);
  return {.ok = false,
          .notice = timecode::Notice{.caption = "Ellenőrzés",
                                     .icon = "hiba",
                                     .line1 = "Üres mező!",
                                     .line2 = "Kérem töltse fel a sort rendesen!"}};
}

void Tell(const Progress& progress, std::size_t counter) {
  if (progress)
    progress(counter);
}

}  // namespace

SideCheck CheckSideRows(std::span<const Row> rows, std::string_view mode,
                        const Progress& progress) {
  static const Row kNoRow;
  const std::span<const Row> checked = rows.empty() ? std::span<const Row>(&kNoRow, 1) : rows;
  for (std::size_t i = 0; i < checked.size(); ++i) {
    timecode::Check check = CheckRow(checked[i], mode);
    if (!check.ok)
      return {.ok = false, .failed_row = i, .notice = std::move(check.notice)};
    Tell(progress, i + 2);
  }
  return {};
}

std::string FrameSideBytes(std::span<const Row> rows, const Progress& progress) {
  std::string bytes;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    bytes += '{';
    bytes += row.start;
    bytes += "}{";
    bytes += row.end;
    bytes += '}';
    AddLine(bytes, row.text);
    Tell(progress, i + 2);
  }
  return bytes;
}

std::string SubRipSideBytes(std::span<const Row> rows, const Progress& progress) {
  std::string bytes;
  int entry = 1;
  // The last line written holds text: an entry's number straight after it would be read back
  // as one more line of that text, so the entry gets the blank line its separator row would
  // have given (a separator typed over or deleted).
  bool after_text = false;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    if (IsBlankRow(row)) {
      AddLine(bytes, "");
      after_text = false;
    } else if (!row.start.empty() && !row.end.empty()) {
      if (after_text)
        AddLine(bytes, "");
      AddLine(bytes, text::IntToStr(entry++));
      AddLine(bytes, row.start + " --> " + row.end);
      AddLine(bytes, row.text);
      after_text = !row.text.empty();
    } else if (!row.text.empty()) {
      AddLine(bytes, row.text);
      after_text = true;
    }
    Tell(progress, i + 2);
  }
  return bytes;
}

}  // namespace translation::rows
