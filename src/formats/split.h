// Cutting a subtitle into two part files for a film on two discs: the part names, the time or
// frame offset of part 2 and the bytes of the two part files.
//
// The part files have their own layout, unlike the native save: a SubRip part has an empty line
// after every block (the last one too), a frame-based part a line end after every line. Rows
// without a start or an end are left out; the SubRip blocks are numbered 1, 2, 3, ... over the
// written rows of each part.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/document_path.h"
#include "formats/native_writers.h"

namespace files {

// A row of a part file; part 2's times are moved, so the row owns its texts.
struct SplitRow {
  std::string start;
  std::string end;
  std::string text;

  bool operator==(const SplitRow&) const = default;
};

// The name of part 1 or 2: " cd1" / " cd2" inserted before the last four characters (the dot
// and the three-letter extension): "film.srt" gives "film cd1.srt". A name of fewer than four
// characters gets the mark in front.
std::string SplitPartName(std::string_view name, int part);

// The part's file beside the current one: the folder of `current` and SplitPartName of `name`,
// made from the current file's real name while `name` is the text it is shown as.
std::filesystem::path SplitPartPath(const ShownPath& current, std::string_view name, int part);

// The two files a split writes. The document path is never changed by a split: when the
// current file's extension is the other time base's (".sub" in "Time", ".srt" in "Frame"), only
// the part names get the extension of the time base ("film.sub" in "Time": "film cd1.srt").
struct SplitTargets {
  bool extension_mended = false;  // the current file's extension did not fit the time base
  std::string name1;
  std::string name2;
  std::filesystem::path path1;
  std::filesystem::path path2;
};
// nullopt when the subtitle has no file name yet (an empty name box or document path): its
// parts would have no folder and no name to be built from.
std::optional<SplitTargets> SplitTargetsOf(const ShownPath& current, std::string_view shown_name,
                                           bool time_base);

// Something other than a folder is at the path, hidden files and dangling links included: a
// split asks before it writes there. A folder is not asked about; writing over it fails.
bool SplitTargetTaken(const std::filesystem::path& path);

// Rows 1 .. first_of_part2 - 1 (part 1) and first_of_part2 .. the last (part 2); positions
// count from 1 and are clamped to the rows there are.
std::vector<SplitRow> SplitPart1Rows(std::span<const NativeRow> rows, int first_of_part2);
std::vector<SplitRow> SplitPart2Rows(std::span<const NativeRow> rows, int first_of_part2);

// Milliseconds part 2 moves back so that `picked_start` becomes `new_start` (negative: forward).
int64_t SplitTimeShiftMs(std::string_view picked_start, std::string_view new_start);
// Frames part 2 moves back; nullopt when either text is not a frame number.
std::optional<int64_t> SplitFrameOffset(std::string_view picked_start, std::string_view new_start);

// Every start and end moved back by `shift_ms`, kept within 00:00:00,000 .. 24:00:00,000.
void ShiftSplitTimes(std::vector<SplitRow>& rows, int64_t shift_ms);
// Every frame number less `offset`, "0" below zero; a value that is not a number stays.
void ShiftSplitFrames(std::vector<SplitRow>& rows, int64_t offset);

// Told after each written block / line with the count written so far.
using SplitCounter = std::function<void(int written)>;

// Number, "start --> end", the text's lines (cut at "|"; nothing for the empty piece after a
// final "|"; one empty line for an empty text) and an empty line, each ending in CR LF.
std::string SplitSubRipBytes(std::span<const SplitRow> rows, const SplitCounter& written = {});
// "{start}{end}text" and CR LF per row.
std::string SplitMicroDvdBytes(std::span<const SplitRow> rows);

}  // namespace files
