// What a read gives: the rows of a main text, the second texts, the result-list entries, and the
// plain values of the table a read depends on. Nothing here touches a table or a window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dataset/packed_rows.h"
#include "platform/dataset/row_table.h"
#include "platform/text/line_list.h"

namespace files {

// A row of a main text, its values cut to the widths of the table's fields.
struct ReadRow {
  std::string start;
  std::string end;
  std::string text;
  // The text was stored by the main-text rule (leading breaks, the flag fields measured).
  bool text_set = false;
  // TimeCodeToMs of `start` and `end`.
  std::int64_t start_ms = 0;
  std::int64_t end_ms = 0;
};

// The same, as views into the rows that hold it.
struct ReadRowView {
  std::string_view start;
  std::string_view end;
  std::string_view text;
  bool text_set = false;
};

// The editor's two flags of a row, as its rule finds them in the row's text.
struct ReadRowFlags {
  bool long_line = false;
  bool many_lines = false;
};
using MeasureReadRowFlags = ReadRowFlags (*)(std::string_view text, int letter_limit);

// Where a row's values go in the rows of the table a read is for.
struct ReadRowLayout {
  static constexpr std::size_t kNoField = static_cast<std::size_t>(-1);
  std::vector<dataset::FieldDef> fields = {{"Kezdes"}, {"Befejezes"}, {"Szoveg"}};
  std::size_t start = 0;
  std::size_t end = 1;
  std::size_t text = 2;
  // A row whose text was stored by the main-text rule has its flags measured by `measure`
  // (none when null) and written as `flag_value` into these fields (kNoField: not written).
  MeasureReadRowFlags measure = nullptr;
  int letter_limit = 0;
  std::string_view flag_value;
  std::size_t long_line = kNoField;
  std::size_t many_lines = kNoField;
};

// The rows of a main text, in order. Only the last row changes while it is read; the rows before
// it are packed in the table's own row format (the layout's), one after another in large blocks,
// so that the rows of a file cost about the file's size, and the table takes them over whole.
class ReadRows {
 public:
  // Throws std::invalid_argument for a layout whose fields do not hold its values.
  explicit ReadRows(ReadRowLayout layout = {});

  std::size_t size() const { return packed_.size() + (open_ ? 1 : 0); }
  bool empty() const { return size() == 0; }
  // A new last row, blank.
  ReadRow& Append();
  // The last row; there must be one.
  ReadRow& back() { return last_; }
  const ReadRow& back() const { return last_; }
  // Row `index` (below size()); the views stay valid until the next Append.
  ReadRowView operator[](std::size_t index) const;

  // Every row, packed for the layout's table; afterwards there are none. The rows' flags are
  // then all measured.
  dataset::PackedRows TakePacked();
  // Of the rows packed so far: how many had each flag set, and the last one whose text was
  // stored by the main-text rule.
  std::size_t LongLineRows() const { return long_line_rows_; }
  std::size_t ManyLineRows() const { return many_line_rows_; }
  std::optional<std::size_t> LastTextSet() const { return last_text_set_; }

 private:
  void Close();

  ReadRowLayout layout_;
  dataset::PackedRows packed_;
  std::vector<bool> text_set_;  // of each packed row
  std::vector<std::string_view> values_;
  std::size_t long_line_rows_ = 0;
  std::size_t many_line_rows_ = 0;
  std::optional<std::size_t> last_text_set_;
  ReadRow last_;
  bool open_ = false;
};

// The table a read goes into, as plain values.
struct ReadInput {
  bool second_text = false;  // TextSlot "2": texts go to `Szoveg2` of the rows already there
  int row_count = 0;         // rows in the table
  // The table's current row (0 with none): a second text starts there; a main text's rows come
  // after the last row, and the current row is the one before the first of them.
  int current_row = 0;
  std::string current_end;           // `Befejezes` of the current row
  bool join = false;                 // the second part of a join: its rows start at `join_start`
  std::string join_start;            // the join window's start value (a time code or a frame)
  bool drop_leading_breaks = false;  // `Max2`: a main text loses up to two leading "|"
  // Widths of `Kezdes`, `Befejezes`, `Szoveg` and `Szoveg2` (0: unlimited).
  std::size_t start_width = 0;
  std::size_t end_width = 0;
  std::size_t text_width = 0;
  std::size_t second_width = 0;
  // The table's row format, which the rows are packed in.
  ReadRowLayout layout;
};

struct ReadResult {
  std::string kind;  // the kind code, "" when the file shows none
  ReadRows rows;     // the main text's new rows
  // Second texts for the rows from the current row on, one each.
  std::vector<std::string> second_texts;
  // The result-list lines; every entry begins with an empty line. Packed, so that a long list
  // costs its bytes and little more, and the result list takes them over whole.
  text::LineList entries;
  bool stopped = false;  // a line could not be read: the rows before it are all there is
  std::string error;     // why, when the read itself says (ReadErrorDetail)
};

}  // namespace files
