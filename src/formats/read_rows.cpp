#include "formats/read_rows.h"

#include <algorithm>
#include <cstring>

namespace files {

namespace {

char* CopyTo(char* at, const std::string& value) {
  std::memcpy(at, value.data(), value.size());
  return at + value.size();
}

}  // namespace

ReadRow& ReadRows::Append() {
  if (open_) {
    const std::size_t size = last_.start.size() + last_.end.size() + last_.text.size();
    char* const at = blocks_.Allot(size);
    // Values are cut to field widths far below 4 GiB; a block holds at most that much.
    Closed closed{static_cast<std::uint32_t>(blocks_.BlockCount() - 1),
                  static_cast<std::uint32_t>(at - blocks_.Block(blocks_.BlockCount() - 1)),
                  static_cast<std::uint32_t>(last_.start.size()),
                  static_cast<std::uint32_t>(last_.end.size()),
                  static_cast<std::uint32_t>(last_.text.size()),
                  last_.text_set};
    CopyTo(CopyTo(CopyTo(at, last_.start), last_.end), last_.text);
    closed_.push_back(closed);
    last_.start.clear();
    last_.end.clear();
    last_.text.clear();
    last_.text_set = false;
  }
  open_ = true;
  return last_;
}

ReadRowView ReadRows::operator[](std::size_t index) const {
  if (index == closed_.size())
    return {last_.start, last_.end, last_.text, last_.text_set};
  const Closed& row = closed_[index];
  const char* const at = blocks_.Block(row.block) + row.offset;
  return {std::string_view(at, row.start_length),
          std::string_view(at + row.start_length, row.end_length),
          std::string_view(at + row.start_length + row.end_length, row.text_length), row.text_set};
}

void ReadRows::Release(std::size_t index) {
  // Rows fill the blocks in order: the blocks before that of row `index` hold earlier rows only.
  blocks_.ReleaseBefore(index < closed_.size() ? closed_[index].block : blocks_.BlockCount());
}

}  // namespace files
