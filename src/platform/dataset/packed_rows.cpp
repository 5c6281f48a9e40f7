#include "platform/dataset/packed_rows.h"

#include <stdexcept>
#include <utility>

#include "platform/dataset/row_store.h"

namespace dataset {

PackedRows::PackedRows(std::vector<FieldDef> fields)
    : fields_(std::move(fields)), longest_(LongestValues(fields_)), cut_(fields_.size()) {}

void PackedRows::Add(std::span<const std::string_view> values) {
  if (values.size() != fields_.size())
    throw std::invalid_argument("A packed row needs one value per field");
  for (std::size_t f = 0; f < values.size(); ++f)
    cut_[f] = values[f].size() > longest_[f] ? values[f].substr(0, longest_[f]) : values[f];
  const std::size_t count = cut_.size();
  char* const at = blocks_.Allot(Row::PackedSize(cut_.data(), count));
  Row::PackInto(at, cut_.data(), count);
  rows_.push_back(at);
}

std::string_view PackedRows::Value(std::size_t row, std::size_t field) const {
  return Row::InStore(rows_[row]).Value(field);
}

}  // namespace dataset
