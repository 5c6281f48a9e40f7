#include "formats/split.h"

#include <algorithm>

#include "formats/document_path.h"
#include "timecode/timecode.h"

namespace files {
namespace {

constexpr std::string_view kCrLf = "\r\n";

bool Written(const SplitRow& row) {
  return !row.start.empty() && !row.end.empty();
}

std::vector<SplitRow> Copy(std::span<const NativeRow> rows) {
  std::vector<SplitRow> copied;
  copied.reserve(rows.size());
  for (const NativeRow& row : rows)
    copied.push_back({std::string(row.start), std::string(row.end), std::string(row.text)});
  return copied;
}

std::size_t Cut(std::span<const NativeRow> rows, int first_of_part2) {
  return static_cast<std::size_t>(
      std::clamp<int64_t>(int64_t{first_of_part2} - 1, 0, static_cast<int64_t>(rows.size())));
}

// The last four characters in lower case (the dot and a three-letter extension).
std::string LowerLastFour(std::string_view text) {
  std::string tail(text.substr(text.size() >= 4 ? text.size() - 4 : 0));
  for (char& c : tail)
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  return tail;
}

std::string ShiftedFrame(const std::string& frame, int64_t offset) {
  const std::optional<int64_t> value = timecode::ParseFrameNumber(frame);
  return value ? timecode::ClampedFrameNumber(*value - offset) : frame;
}

}  // namespace

std::string SplitPartName(std::string_view name, int part) {
  const std::string mark = part == 1 ? " cd1" : " cd2";
  const std::size_t at = name.size() >= 4 ? name.size() - 4 : 0;
  std::string result(name.substr(0, at));
  result += mark;
  result += name.substr(at);
  return result;
}

std::filesystem::path SplitPartPath(const ShownPath& current, std::string_view name, int part) {
  const std::filesystem::path folder = current.Path().parent_path();
  if (!current.empty() && name == current.NameText())
    return folder / std::filesystem::path(SplitPartName(current.Path().filename().native(), part));
  return folder / PathOfText(SplitPartName(name, part));
}

std::optional<SplitTargets> SplitTargetsOf(const ShownPath& current, std::string_view shown_name,
                                           bool time_base) {
  if (current.empty() || shown_name.empty())
    return std::nullopt;
  SplitTargets targets;
  const std::string_view wrong = time_base ? ".sub" : ".srt";
  const std::string_view right = time_base ? ".srt" : ".sub";
  targets.extension_mended = LowerLastFour(current.Text()) == wrong;
  std::string name(shown_name);
  ShownPath beside = current;
  if (targets.extension_mended) {
    if (LowerLastFour(name) == wrong)
      name.replace(name.size() - 4, 4, right);
    std::filesystem::path mended = current.Path();
    mended.replace_extension(right);
    beside = ShownPath(mended);
  }
  targets.name1 = SplitPartName(name, 1);
  targets.name2 = SplitPartName(name, 2);
  targets.path1 = SplitPartPath(beside, name, 1);
  targets.path2 = SplitPartPath(beside, name, 2);
  return targets;
}

bool SplitTargetTaken(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::exists(std::filesystem::symlink_status(path, error)))
    return false;
  return !std::filesystem::is_directory(std::filesystem::status(path, error));
}

std::vector<SplitRow> SplitPart1Rows(std::span<const NativeRow> rows, int first_of_part2) {
  return Copy(rows.first(Cut(rows, first_of_part2)));
}

std::vector<SplitRow> SplitPart2Rows(std::span<const NativeRow> rows, int first_of_part2) {
  return Copy(rows.subspan(Cut(rows, first_of_part2)));
}

int64_t SplitTimeShiftMs(std::string_view picked_start, std::string_view new_start) {
  return timecode::TimeCodeToMs(picked_start) - timecode::TimeCodeToMs(new_start);
}

std::optional<int64_t> SplitFrameOffset(std::string_view picked_start, std::string_view new_start) {
  const std::optional<int64_t> picked = timecode::ParseFrameNumber(picked_start);
  const std::optional<int64_t> wanted = timecode::ParseFrameNumber(new_start);
  if (!picked || !wanted)
    return std::nullopt;
  return *picked - *wanted;
}

void ShiftSplitTimes(std::vector<SplitRow>& rows, int64_t shift_ms) {
  for (SplitRow& row : rows) {
    if (!Written(row))
      continue;
    timecode::RowTimes moved = timecode::ShiftRowTimes(row.start, row.end, shift_ms);
    row.start = std::move(moved.start);
    row.end = std::move(moved.end);
  }
}

void ShiftSplitFrames(std::vector<SplitRow>& rows, int64_t offset) {
  for (SplitRow& row : rows) {
    if (!Written(row))
      continue;
    row.start = ShiftedFrame(row.start, offset);
    row.end = ShiftedFrame(row.end, offset);
  }
}

std::string SplitSubRipBytes(std::span<const SplitRow> rows, const SplitCounter& written) {
  std::string bytes;
  int number = 0;
  for (const SplitRow& row : rows) {
    if (!Written(row))
      continue;
    ++number;
    bytes += std::to_string(number);
    bytes += kCrLf;
    bytes += row.start;
    bytes += " --> ";
    bytes += row.end;
    bytes += kCrLf;
    std::string_view text = row.text;
    do {
      const std::size_t bar = text.find('|');
      bytes += text.substr(0, bar);
      bytes += kCrLf;
      text = bar == std::string_view::npos ? std::string_view() : text.substr(bar + 1);
    } while (!text.empty());
    bytes += kCrLf;
    if (written)
      written(number);
  }
  return bytes;
}

std::string SplitMicroDvdBytes(std::span<const SplitRow> rows) {
  std::string bytes;
  for (const SplitRow& row : rows) {
    if (!Written(row))
      continue;
    bytes += '{';
    bytes += row.start;
    bytes += "}{";
    bytes += row.end;
    bytes += '}';
    bytes += row.text;
    bytes += kCrLf;
  }
  return bytes;
}

}  // namespace files
