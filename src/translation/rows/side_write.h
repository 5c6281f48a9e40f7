// How one side of the translation workspace is checked and written back as a file.
//
// A side in Frame mode is written as a frame-based file, one line a row; a side in Time mode
// as a SubRip file whose entries are spread over the rows as the loaders read them (see
// side_parse.h): the separator rows give the blank lines between entries. Every line, the last
// one too, ends with CR LF; the texts are written as they are held (Windows-1250 bytes).
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "timecode/checks.h"
#include "translation/rows/side_parse.h"

namespace translation::rows {

// The check of a side before it is written or when it is asked for.
struct SideCheck {
  bool ok = true;
  // The failing row (from 0) and its message; unset when every row passed.
  std::size_t failed_row = 0;
  std::optional<timecode::Notice> notice;
};

// Checks the rows in order and stops at the first that fails. In Time mode a row with neither
// time passes and any other row needs two time codes; in any other mode a row needs both frame
// numbers. An empty side is checked as one empty row: it passes in Time mode only.
// `progress` is told the count of rows checked so far plus one after each passing row.
SideCheck CheckSideRows(std::span<const Row> rows, std::string_view mode,
                        const Progress& progress = {});

// "{start}{end}text" and CR LF for every row.
std::string FrameSideBytes(std::span<const Row> rows, const Progress& progress = {});

// A separator row gives an empty line; a row with both times the entry's number, the time line
// and its text (an empty line for an empty text); any other row its text when it has one. An
// entry's number that would follow a line of text gets a blank line before it, so that the file
// reads back as the rows it was written from.
std::string SubRipSideBytes(std::span<const Row> rows, const Progress& progress = {});

}  // namespace translation::rows
