// The pieces of one read: the state a read shares between its parsers and row checks, and
// the parsers of the three line kinds, each handed one line at a time.
//
// Row numbers in the result-list entries are positions in the table, counting the row being
// read (the first row is 1).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "formats/read_rows.h"

namespace files {

struct ReadSession {
  ReadSession(const ReadInput& input, ReadResult& result);

  // Adds an entry to the result list: an empty line, then `lines`.
  void AddEntry(std::initializer_list<std::string_view> lines);
  // The second text of the next row that has none from this file yet; nothing once every
  // row has received one (then `second_complete` is set). A text longer than its field is cut
  // as a main text is.
  void StoreSecondText(std::string_view text);
  // The table's current row as the read leaves it: the last new row of a main text, the row
  // the next second text goes to (0 with none).
  int CurrentRow() const;
  // The row number for an entry about the current row.
  std::string RowNumberText() const;
  // `Befejezes` of the current row ("" with none), and its milliseconds (TimeCodeToMs).
  std::string_view CurrentEnd() const;
  std::int64_t CurrentEndMs() const;

  // A new row of the main text after the last one; it becomes the current row.
  ReadRow& AppendRow();
  // The values of the current new row, cut to the widths of their fields; the times with their
  // milliseconds (TimeCodeToMs).
  void SetStart(std::string_view value);
  void SetEnd(std::string_view value);
  // The start and end already written into the current new row, with their milliseconds, cut
  // to the widths of their fields.
  void CutTimes(std::int64_t start_ms, std::int64_t end_ms);
  // The main-text rule: without up to two leading "|" when `drop_leading_breaks`. A text longer
  // than its field keeps the field's width, and the row gets an entry showing what was cut off.
  void SetText(std::string_view value);
  // The entry of the current row whose text, longer than its field's `width`, lost `cut_off`.
  void AddCutTextEntry(std::string_view cut_off, std::size_t width);

  const ReadInput& input;
  ReadResult& result;
  const bool second_text;

  // TimeCodeToMs of the input's `current_end`.
  const std::int64_t input_end_ms;

  // End of the row before the one being read, for the overlap check.
  std::int64_t prev_row_end_ms = 0;
  std::string prev_row_end_text;
  // The last row that got a timing entry (one per row).
  int last_reported_row = 0;

  // Second text: the row the next one goes to, and whether every row has one.
  int second_row = 0;
  bool second_complete = false;
};

// The SubRip reader's state machine.
struct SubRipContext {
  // '1' expecting a time line, '2' the first text line, '3' further text lines, '4' after a
  // blank line.
  char state = '1';
  char previous_state = '1';
  std::string text;                    // the text gathered for the waiting row
  std::size_t trimmed = 0;             // how much of `text` was trimmed already
  bool pending = false;                // a row is waiting for its text
  bool empty_after_time_line = false;  // a blank line came right after the time line
  std::int64_t join_offset_ms = 0;     // every row is moved back by this much once ready
  bool offset_ready = false;
};

// A time code read from a time line with its milliseconds (timecode::TimeCodeMs of it): gives
// timecode::kNoTimeCode when it lacks the time-code shape (the caller then writes
// "00:00:00,000"). A code whose minutes or seconds run past 59 is carried over ("00:00:75,000"
// becomes "00:01:15,000") with an "időeltérés" entry; the milliseconds of the code as it is left
// are given back.
std::int64_t ValidateAndFixTimeCode(ReadSession& session, std::string& code, std::int64_t ms);

// The timing and separator checks of the current row after its text was stored.
void CheckReadRow(ReadSession& session);

// One frame-based line; `join_offset` is added to both frames (none below 0). True when
// the line cannot be read (the read stops there).
bool ParseMicroDvdLine(ReadSession& session, std::string_view line, std::int64_t join_offset);

// The join offset of a frame-based part from its first line: the typed start value minus
// the line's start frame. `stop` when the line is not a frame line.
struct FrameJoinOffset {
  bool stop = false;
  bool done = false;
  std::int64_t offset = 0;
};
FrameJoinOffset ComputeFrameJoinOffset(std::string_view line, std::int64_t typed_start);

// One SubRip line (a line of one blank already made empty). Never stops the read.
void ProcessSubRipLine(ReadSession& session, std::string_view line, SubRipContext& context);

// A SubViewer-like entry: its time line and its text line. True when the time line is of
// the wrong form (the result's error then says so).
bool ParseSubViewerEntry(ReadSession& session, std::string_view time_line,
                         std::string_view text_line);

}  // namespace files
