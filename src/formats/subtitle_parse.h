// Reading a subtitle file's bytes: the kind, the rows and the problems, as data.
//
// The kind is that of the first line showing one (subtitle_kind.h); the lines are read by the
// parser of their kind (read_session.h), which repairs what it can and lists every problem.
// UTF-8 bytes (with a byte-order mark, or without one when they hold multi-byte UTF-8 sequences
// and nothing else) and UTF-16LE lines are read as the Windows-1250 text they hold, with a
// notice that the file is to be saved again.
#pragma once

#include <functional>
#include <string>

#include "formats/read_rows.h"

namespace files {

// Told the gauge's position as the read goes on: a hundred steps over the file's lines (none
// for a file of fewer than 100 lines). Positions may run past 100.
using ReadProgress = std::function<void(int position)>;

ReadResult ParseSubtitle(std::string bytes, const ReadInput& input, const ReadProgress& progress);

}  // namespace files
