#include "formats/read_rows.h"

#include <stdexcept>
#include <utility>

namespace files {

ReadRows::ReadRows(ReadRowLayout layout)
    : layout_(std::move(layout)), packed_(layout_.fields), values_(layout_.fields.size()) {
  const std::size_t count = layout_.fields.size();
  const auto within = [count](std::size_t field, bool may_be_none) {
    return field < count || (may_be_none && field == ReadRowLayout::kNoField);
  };
  if (!within(layout_.start, false) || !within(layout_.end, false) ||
      !within(layout_.text, false) || !within(layout_.long_line, true) ||
      !within(layout_.many_lines, true)) {
    throw std::invalid_argument("A read row's value has no field");
  }
}

void ReadRows::Close() {
  values_[layout_.start] = last_.start;
  values_[layout_.end] = last_.end;
  values_[layout_.text] = last_.text;
  if (last_.text_set && layout_.measure != nullptr) {
    const ReadRowFlags flags = layout_.measure(last_.text, layout_.letter_limit);
    if (flags.long_line) {
      ++long_line_rows_;
      if (layout_.long_line != ReadRowLayout::kNoField)
        values_[layout_.long_line] = layout_.flag_value;
    }
    if (flags.many_lines) {
      ++many_line_rows_;
      if (layout_.many_lines != ReadRowLayout::kNoField)
        values_[layout_.many_lines] = layout_.flag_value;
    }
  }
  packed_.Add(values_);
  if (layout_.long_line != ReadRowLayout::kNoField)
    values_[layout_.long_line] = {};
  if (layout_.many_lines != ReadRowLayout::kNoField)
    values_[layout_.many_lines] = {};
  if (last_.text_set)
    last_text_set_ = text_set_.size();
  text_set_.push_back(last_.text_set);
  last_.start.clear();
  last_.end.clear();
  last_.text.clear();
  last_.text_set = false;
  last_.start_ms = 0;
  last_.end_ms = 0;
  open_ = false;
}

ReadRow& ReadRows::Append() {
  if (open_)
    Close();
  open_ = true;
  return last_;
}

ReadRowView ReadRows::operator[](std::size_t index) const {
  if (index == packed_.size())
    return {last_.start, last_.end, last_.text, last_.text_set};
  return {packed_.Value(index, layout_.start), packed_.Value(index, layout_.end),
          packed_.Value(index, layout_.text), text_set_[index]};
}

dataset::PackedRows ReadRows::TakePacked() {
  if (open_)
    Close();
  dataset::PackedRows rows = std::exchange(packed_, dataset::PackedRows(layout_.fields));
  text_set_.clear();
  return rows;
}

}  // namespace files
