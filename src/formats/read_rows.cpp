#include "formats/read_rows.h"

namespace files {

ReadRow& ReadRows::Append() {
  if (open_) {
    // Values are cut to field widths far below 4 GiB.
    Closed closed{bytes_.size(), static_cast<std::uint32_t>(last_.start.size()),
                  static_cast<std::uint32_t>(last_.end.size()),
                  static_cast<std::uint32_t>(last_.text.size()), last_.text_set};
    bytes_ += last_.start;
    bytes_ += last_.end;
    bytes_ += last_.text;
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
  const std::string_view bytes(bytes_);
  return {bytes.substr(row.offset, row.start_length),
          bytes.substr(row.offset + row.start_length, row.end_length),
          bytes.substr(row.offset + row.start_length + row.end_length, row.text_length),
          row.text_set};
}

}  // namespace files
