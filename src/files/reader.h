// Reading a subtitle file into the editor's row table.
//
// ReadSubtitleFile reads a file as the main text of new rows, or, with TextSlot "2", as the
// second text of the rows already there. The bytes are parsed without a window
// (formats/subtitle_parse.h), the gauge stepped a hundred times per file as they are; then the
// result is put into the editor in one place: the new rows appended in one batch, the problems
// in the result list (shown at the end unless the editor's option "Beolvasáskor a hibák ne
// jelenjenek meg" is ticked), the stop message, the counters.
//
// The caller raises InternalUpdate and detaches the table's controls around it (see
// read_into_editor.h for the sequence the open driver runs).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/desktop/line_reader.h"

namespace shell {
class Program;
}

namespace files {

// How a read ended: the kind code ("" when no kind was found or the file could not be read),
// and why the file could not be read at all (then ReadErrorDetail holds the system's reason and
// nothing was read), or that memory ran out while it was read (then the rows read so far are
// incomplete, the result list is emptied and ReadErrorDetail says so).
struct SubtitleRead {
  std::string kind;
  desktop::FileError file_error = desktop::FileError::kNone;
  bool out_of_memory = false;
};

// Reads `file`. `join_flag` is 0, or 1 while the second part of a join is read: its rows are
// appended with their times moved so that the first starts at the join window's start value,
// and the counters and the result list of the first part are kept.
//
// A UTF-16LE file and a UTF-8 file (with a byte-order mark, or without one when it holds
// multi-byte UTF-8 sequences and nothing else) are read as the Windows-1250 text they hold, with
// a notice in the result list that the file is to be saved again.
SubtitleRead ReadSubtitle(shell::Program& program, const std::filesystem::path& file,
                          int join_flag);
// The same, giving the kind code only.
std::string ReadSubtitleFile(shell::Program& program, const std::filesystem::path& file,
                             int join_flag);
// Reads the file named by CurrentFilePath.
std::string ReadSubtitleFile(shell::Program& program, int join_flag = 0);

// The kind of a file's bytes, as ReadSubtitleFile would find it; touches no window.
std::string DetectKindOfBytes(std::string_view bytes);
// The kind of a file ("" when it cannot be read); touches no window.
std::string DetectFileKind(const std::filesystem::path& path);

}  // namespace files
