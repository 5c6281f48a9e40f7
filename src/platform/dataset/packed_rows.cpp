#include "platform/dataset/packed_rows.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "platform/base/length_prefix.h"
#include "platform/dataset/row_store.h"

namespace dataset {

namespace {

// Copies `length` bytes; the short values most fields hold without a call.
void CopyValue(char* to, const char* from, std::size_t length) {
  if (length >= 8 && length <= 16) {
    // The first eight bytes and the last eight, which overlap for fewer than sixteen.
    char head[8];
    char tail[8];
    std::memcpy(head, from, 8);
    std::memcpy(tail, from + length - 8, 8);
    std::memcpy(to, head, 8);
    std::memcpy(to + length - 8, tail, 8);
    return;
  }
  std::memcpy(to, from, length);
}

}  // namespace

PackedRows::PackedRows(std::vector<FieldDef> fields)
    : fields_(std::move(fields)), longest_(LongestValues(fields_)), lengths_(fields_.size()) {}

void PackedRows::Add(std::span<const std::string_view> values) {
  const std::size_t count = longest_.size();
  if (values.size() != count)
    throw std::invalid_argument("A packed row needs one value per field");
  std::size_t* const lengths = lengths_.data();
  std::size_t size = 0;
  for (std::size_t f = 0; f < count; ++f) {
    lengths[f] = std::min(values[f].size(), longest_[f]);
    size += Row::PackedSizeOf(lengths[f]);
  }
  char* const row = blocks_.Allot(size);
  char* at = row;
  for (std::size_t f = 0; f < count; ++f) {
    at = base::PutLengthPrefix(at, lengths[f]);
    // Most fields of a row are empty: no copy for them.
    if (lengths[f] > 0) {
      CopyValue(at, values[f].data(), lengths[f]);
      at += lengths[f];
    }
  }
  rows_.push_back(row);
}

std::string_view PackedRows::Value(std::size_t row, std::size_t field) const {
  return Row::InStore(rows_[row]).Value(field);
}

}  // namespace dataset
