#include "formats/read_rows.h"

#include <algorithm>
#include <cstring>

namespace files {

namespace {

// Blocks stay below the size a large allocation is mapped afresh for.
constexpr std::size_t kBlockBytes = std::size_t{64} << 10;

char* CopyTo(char* at, const std::string& value) {
  std::memcpy(at, value.data(), value.size());
  return at + value.size();
}

}  // namespace

ReadRow& ReadRows::Append() {
  if (open_) {
    const std::size_t size = last_.start.size() + last_.end.size() + last_.text.size();
    if (size > block_left_) {
      const std::size_t block = std::max(size, kBlockBytes);
      blocks_.push_back(std::make_unique_for_overwrite<char[]>(block));
      block_next_ = blocks_.back().get();
      block_left_ = block;
    }
    char* const at = block_next_;
    // Values are cut to field widths far below 4 GiB; a block holds at most that much.
    Closed closed{static_cast<std::uint32_t>(blocks_.size() - 1),
                  static_cast<std::uint32_t>(at - blocks_.back().get()),
                  static_cast<std::uint32_t>(last_.start.size()),
                  static_cast<std::uint32_t>(last_.end.size()),
                  static_cast<std::uint32_t>(last_.text.size()),
                  last_.text_set};
    CopyTo(CopyTo(CopyTo(at, last_.start), last_.end), last_.text);
    block_next_ += size;
    block_left_ -= size;
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
  const char* const at = blocks_[row.block].get() + row.offset;
  return {std::string_view(at, row.start_length),
          std::string_view(at + row.start_length, row.end_length),
          std::string_view(at + row.start_length + row.end_length, row.text_length), row.text_set};
}

void ReadRows::Release(std::size_t index) {
  // Rows fill the blocks in order: the blocks before that of row `index` hold earlier rows only.
  const std::size_t keep = index < closed_.size() ? closed_[index].block : blocks_.size();
  for (; released_ < keep; ++released_)
    blocks_[released_].reset();
}

}  // namespace files
