// How a subtitle file becomes the rows of one side of the translation workspace.
//
// A side is a list of rows of three fields (start, end, text). In Time mode a SubRip entry
// becomes one row per line: a subtitle row (both times and the first text line), a
// continuation row for each further line (times empty) and a separator row (all empty) for
// each blank line; a SubViewer-style pair becomes a subtitle row and a separator row. In Frame
// mode a row is one subtitle, its lines joined by "|".
//
// The parsers take the file's lines (line ends removed, already in Windows-1250) and give the
// rows read, the side's timing mode and how the read ended; they touch no window.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "timecode/time_base.h"

namespace translation::rows {

// The timing-mode words of a side's mode box.
inline constexpr std::string_view kTimeMode = timecode::kTimeBaseTime;
inline constexpr std::string_view kFrameMode = timecode::kTimeBaseFrame;

// Widths of the three fields; a longer value is cut when stored.
inline constexpr std::size_t kTimeWidth = 12;
inline constexpr std::size_t kTextWidth = 220;

struct Row {
  std::string start;
  std::string end;
  std::string text;
  bool operator==(const Row&) const = default;
};

// A row with no times: a continuation or a separator row.
bool HasTimes(const Row& row);
// A row whose three fields are all empty.
bool IsBlankRow(const Row& row);

// A text longer than its field, cut when it was stored: the row (from 0) and what was cut off.
struct CutText {
  std::size_t row = 0;
  std::string cut_off;
  bool operator==(const CutText&) const = default;
};

enum class ReadEnd {
  kComplete,  // every line was read
  kStopped,   // a bad line stopped the read; the rows before it are kept
};

struct SideParse {
  ReadEnd end = ReadEnd::kComplete;
  std::string mode;  // kTimeMode or kFrameMode
  std::vector<Row> rows;
  // The stop message's two lines and the detail kept for it (empty when complete).
  std::string message1;
  std::string message2;
  std::string detail;
  // Every text that did not fit its field, in row order.
  std::vector<CutText> cuts;
};

// Told once per line (SubRip, frame-based) or pair (SubViewer) read without error, with the
// count so far (the first call gives 2: the count starts at 1).
using Progress = std::function<void(std::size_t counter)>;

// The lines after the sequence-number line that showed the kind.
SideParse ParseSubRip(std::span<const std::string_view> lines, const Progress& progress = {});
// The lines from the first one that showed the kind.
SideParse ParseFrameBased(std::span<const std::string_view> lines, const Progress& progress = {});
// The lines from the first time line on. A pair takes three lines (time, text, blank); blank
// lines are passed over only at the end of the file, so a second text line (in the blank line's
// place) or a blank line where a time line belongs stops the read.
SideParse ParseSubViewer(std::span<const std::string_view> lines, const Progress& progress = {});

// Drops all-empty rows from the end.
void TrimTrailingBlankRows(std::vector<Row>& rows);

// The empty translation beside `source`: a subtitle row's partner keeps both times with an
// empty text, every other row's partner is all empty. Same number of rows.
std::vector<Row> EmptyTranslationOf(std::span<const Row> source);

// The result-list entries of the cut texts, one for each: an empty line, the reason, the row
// (counted from 1, as the grid shows it) and the part that was cut off.
std::vector<std::string> CutTextEntries(std::span<const CutText> cuts);

// A line holding nothing but blanks, tabs and other white space (or nothing at all).
bool IsBlankLine(std::string_view line);

}  // namespace translation::rows
