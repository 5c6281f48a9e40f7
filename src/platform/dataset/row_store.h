// RowStore: the rows of a RowTable, in a gap buffer of row pointers.
//
// Inserting or erasing at index i moves the gap to i first, which costs the distance from the
// previous edit; a pass that edits while walking forward therefore stays linear.
//
// A stored row is one block of memory: for each field in order, its value's length as a
// variable-length number (7 bits a byte, so a length below 128 takes one byte) followed by the
// value's bytes. A row therefore costs its bytes, a byte or two per field, the allocator's
// header and the pointer in the gap buffer. Rows appended in a batch (PackedRows) are packed
// one after another in large blocks that the store keeps until it is cleared, without a
// header each.
// Internal to platform/dataset.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/base/byte_blocks.h"
#include "platform/base/length_prefix.h"
#include "platform/dataset/row_table.h"

namespace dataset {

// The longest value each of `fields` keeps: none for a field that is not a string.
inline std::vector<std::size_t> LongestValues(const std::vector<FieldDef>& fields) {
  std::vector<std::size_t> longest(fields.size());
  for (std::size_t f = 0; f < fields.size(); ++f) {
    const FieldDef& def = fields[f];
    longest[f] = def.kind != FieldKind::kString ? 0
                 : def.width > 0                ? static_cast<std::size_t>(def.width)
                                                : std::string_view::npos;
  }
  return longest;
}

class PackedRow {
 public:
  PackedRow() = default;
  PackedRow(PackedRow&& other) noexcept
      : owned_(std::move(other.owned_)), block_(std::exchange(other.block_, nullptr)) {}
  PackedRow& operator=(PackedRow&& other) noexcept {
    owned_ = std::move(other.owned_);
    block_ = std::exchange(other.block_, nullptr);
    return *this;
  }

  // The row of `count` values (strings or string views), in a block of its own.
  template <typename Value>
  static PackedRow Pack(const Value* values, std::size_t count) {
    const std::size_t size = PackedSize(values, count);
    PackedRow row;
    row.owned_ = std::make_unique_for_overwrite<char[]>(size == 0 ? 1 : size);
    row.block_ = row.owned_.get();
    PackInto(row.owned_.get(), values, count);
    return row;
  }

  // The bytes the row of `count` values takes.
  template <typename Value>
  static std::size_t PackedSize(const Value* values, std::size_t count) {
    std::size_t size = 0;
    for (std::size_t i = 0; i < count; ++i) {
      size += PackedSizeOf(values[i].size());
    }
    return size;
  }

  // The bytes a value of `length` bytes takes, its length included.
  static std::size_t PackedSizeOf(std::size_t length) {
    return base::LengthPrefixBytes(length) + length;
  }

  // Packs the values at `at`, which has room for PackedSize of them.
  template <typename Value>
  static void PackInto(char* at, const Value* values, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t size_of_value = values[i].size();
      at = base::PutLengthPrefix(at, size_of_value);
      // Most fields of a row are empty: no copy for them.
      if (size_of_value > 0) {
        std::memcpy(at, values[i].data(), size_of_value);
        at += size_of_value;
      }
    }
  }

  // A row packed at `at` by PackInto, in memory that its store keeps.
  static PackedRow InStore(const char* at) {
    PackedRow row;
    row.block_ = at;
    return row;
  }

  // The value of field `field`, which must be below the count the row was packed with.
  std::string_view Value(std::size_t field) const {
    const char* at = block_;
    for (;;) {
      const std::size_t length = base::TakeLengthPrefix(at);
      if (field == 0) {
        return std::string_view(at, length);
      }
      at += length;
      --field;
    }
  }

 private:
  std::unique_ptr<char[]> owned_;  // the row's own block, if it has one
  const char* block_ = nullptr;
};

using Row = PackedRow;

class RowStore {
 public:
  std::size_t Size() const { return slots_.size() - GapLength(); }

  // 0-based; `index` must be below Size().
  const Row& At(std::size_t index) const { return slots_[Slot(index)]; }

  // Keeps the blocks of rows packed elsewhere (PackedRows) until Clear, as its own: the rows
  // in them share large blocks instead of a small one each, also while some of them are
  // erased or replaced.
  void Adopt(base::ByteBlocks blocks) { adopted_.push_back(std::move(blocks)); }

  // Room for `count` more rows at the end, so that appending them grows the store once.
  void ReserveAtEnd(std::size_t count) {
    MoveGapTo(Size());
    if (GapLength() < count) {
      Grow(count - GapLength());
    }
  }

  // Places `row` at `index` (0..Size()); later rows move up by one.
  void InsertAt(std::size_t index, Row row) {
    if (GapLength() == 0) {
      Grow();
    }
    MoveGapTo(index);
    slots_[gap_begin_++] = std::move(row);
  }

  // Removes the row at `index` (below Size()).
  void EraseAt(std::size_t index) {
    MoveGapTo(index);
    slots_[gap_end_++] = Row();
  }

  // Replaces the row at `index`.
  void Replace(std::size_t index, Row row) { slots_[Slot(index)] = std::move(row); }

  void Clear() {
    slots_.clear();
    gap_begin_ = 0;
    gap_end_ = 0;
    adopted_.clear();
  }

 private:
  std::size_t GapLength() const { return gap_end_ - gap_begin_; }
  std::size_t Slot(std::size_t index) const {
    return index < gap_begin_ ? index : index + GapLength();
  }

  void MoveGapTo(std::size_t index) {
    while (gap_begin_ > index) {
      slots_[--gap_end_] = std::move(slots_[--gap_begin_]);
    }
    while (gap_begin_ < index) {
      slots_[gap_begin_++] = std::move(slots_[gap_end_++]);
    }
  }

  // Doubles the capacity, or adds at least `at_least`; the new room becomes the gap at its old
  // place.
  void Grow(std::size_t at_least = 0) {
    const std::size_t old_size = slots_.size();
    const std::size_t added = std::max({old_size, std::size_t{16}, at_least});
    std::vector<Row> grown(old_size + added);
    for (std::size_t i = 0; i < gap_begin_; ++i) {
      grown[i] = std::move(slots_[i]);
    }
    for (std::size_t i = gap_end_; i < old_size; ++i) {
      grown[i + added] = std::move(slots_[i]);
    }
    gap_end_ += added;
    slots_ = std::move(grown);
  }

  std::vector<Row> slots_;
  std::size_t gap_begin_ = 0;
  std::size_t gap_end_ = 0;
  std::vector<base::ByteBlocks> adopted_;
};

}  // namespace dataset
