// A subtitle file's bytes read as one side of the translation workspace, without a window.
//
// The bytes are read as the editor's reader reads them: UTF-8 text (with a byte-order mark, or
// without one when it holds multi-byte sequences and nothing else) and UTF-16LE text as the
// Windows-1250 text they hold. The first line that shows a kind chooses the parser
// (side_parse.h); a file with no kind, or of a kind no parser takes, is refused.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "translation/rows/side_parse.h"

namespace translation::rows {

// What a file was read as.
enum class SideEncoding { kWindows1250, kUtf8, kUtf16 };

// What the gauge of a SubViewer file counts: its lines (three a pair) or its pairs.
enum class PairCount { kLines, kPairs };

// Told the gauge's position as the read goes on: a hundred steps over the file's lines (none
// for a file of fewer than 100 lines).
using GaugeProgress = std::function<void(int position)>;

struct SideRead {
  // No kind was found, or the kind is not one a side reads: the side is to be left empty.
  bool refused = false;
  SideEncoding encoding = SideEncoding::kWindows1250;
  SideParse parse;
};

SideRead ReadSideBytes(std::string bytes, PairCount pair_count, const GaugeProgress& gauge = {});

// The result-list lines a read that was not refused has to show: the notice of a text decoded
// from UTF-8 or UTF-16 (to be saved again as Windows-1250), then the cut texts. Empty when the
// file was read as it is.
std::vector<std::string> ReadReportLines(const SideRead& read);

}  // namespace translation::rows
