// RowStore: the rows of a RowTable, in a gap buffer of row pointers.
//
// Inserting or erasing at index i moves the gap to i first, which costs the distance from the
// previous edit; a pass that edits while walking forward therefore stays linear.
// Internal to platform/dataset.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace dataset {

// One row: a value per field.
using Row = std::unique_ptr<std::string[]>;

class RowStore {
 public:
  std::size_t Size() const { return slots_.size() - GapLength(); }

  // 0-based; `index` must be below Size().
  const std::string* At(std::size_t index) const { return slots_[Slot(index)].get(); }
  std::string* At(std::size_t index) { return slots_[Slot(index)].get(); }

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
    slots_[gap_end_++].reset();
  }

  // Replaces the row at `index`.
  void Replace(std::size_t index, Row row) { slots_[Slot(index)] = std::move(row); }

  void Clear() {
    slots_.clear();
    gap_begin_ = 0;
    gap_end_ = 0;
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

  // Doubles the capacity; the new room becomes the gap at its old place.
  void Grow() {
    const std::size_t old_size = slots_.size();
    const std::size_t added = old_size < 16 ? 16 : old_size;
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
};

}  // namespace dataset
