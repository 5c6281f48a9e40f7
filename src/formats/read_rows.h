// What a read gives: the rows of a main text, the second texts, the result-list entries, and the
// plain values of the table a read depends on. Nothing here touches a table or a window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/byte_blocks.h"

namespace files {

// A row of a main text, its values cut to the widths of the table's fields.
struct ReadRow {
  std::string start;
  std::string end;
  std::string text;
  // The text was stored by the main-text rule (leading breaks, the flag fields measured).
  bool text_set = false;
};

// The same, as views into the rows that hold it.
struct ReadRowView {
  std::string_view start;
  std::string_view end;
  std::string_view text;
  bool text_set = false;
};

// The rows of a main text, in order. Only the last row changes while it is read; the rows before
// it are kept packed one after another in blocks of a fixed size, so that the rows of a file cost
// about the file's size and a large file needs no single large block.
class ReadRows {
 public:
  std::size_t size() const { return closed_.size() + (open_ ? 1 : 0); }
  bool empty() const { return size() == 0; }
  // A new last row, blank.
  ReadRow& Append();
  // The last row; there must be one.
  ReadRow& back() { return last_; }
  const ReadRow& back() const { return last_; }
  // Row `index` (below size(), not released); the views stay valid until the next Append.
  ReadRowView operator[](std::size_t index) const;
  // The rows before `index` are read no more: the blocks that hold only them are freed.
  void Release(std::size_t index);

 private:
  struct Closed {
    std::uint32_t block = 0;  // its bytes: in block `block` from `offset` on
    std::uint32_t offset = 0;
    std::uint32_t start_length = 0;
    std::uint32_t end_length = 0;
    std::uint32_t text_length = 0;
    bool text_set = false;
  };

  base::ByteBlocks blocks_;
  std::vector<Closed> closed_;
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
  // Widths of `Kezdes`, `Befejezes` and `Szoveg` (0: unlimited).
  std::size_t start_width = 0;
  std::size_t end_width = 0;
  std::size_t text_width = 0;
};

struct ReadResult {
  std::string kind;  // the kind code, "" when the file shows none
  ReadRows rows;     // the main text's new rows
  // Second texts for the rows from the current row on, one each.
  std::vector<std::string> second_texts;
  // The result-list lines, each followed by "\n" (no line holds one); every entry begins with
  // an empty line. One text, so that a long list costs its bytes and no more.
  std::string entries;
  bool stopped = false;  // a line could not be read: the rows before it are all there is
  std::string error;     // why, when the read itself says (ReadErrorDetail)
};

}  // namespace files
