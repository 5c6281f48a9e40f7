// Rows packed in a row table's own format away from the table, then handed to it whole
// (RowTable::AppendPackedRows): their bytes are not copied again and no call is made per row.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "platform/base/byte_blocks.h"
#include "platform/dataset/row_table.h"

namespace dataset {

class PackedRows {
 public:
  // Rows for a table of these fields.
  explicit PackedRows(std::vector<FieldDef> fields);

  const std::vector<FieldDef>& Fields() const { return fields_; }
  std::size_t size() const { return rows_.size(); }
  bool empty() const { return rows_.empty(); }

  // A new last row: one value per field, in field order, each cut to its field's width (a
  // calculated field's value is ignored). Throws std::invalid_argument for another count.
  void Add(std::span<const std::string_view> values);

  // Value `field` of row `row`, both in range, as stored.
  std::string_view Value(std::size_t row, std::size_t field) const;

 private:
  friend class RowTable;

  std::vector<FieldDef> fields_;
  std::vector<std::size_t> longest_;  // the longest value each field keeps
  std::vector<std::size_t> lengths_;  // of the row being added, cut to their fields
  base::ByteBlocks blocks_;
  std::vector<const char*> rows_;  // each row's first byte, in `blocks_`
};

}  // namespace dataset
