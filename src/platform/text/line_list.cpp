#include "platform/text/line_list.h"

#include <algorithm>
#include <stdexcept>

namespace text {

LineList::LineList(std::initializer_list<std::string_view> lines) {
  reserve(lines.size());
  for (const std::string_view line : lines)
    push_back(line);
}

LineList::LineList(const std::vector<std::string>& lines) {
  reserve(lines.size());
  for (const std::string& line : lines)
    push_back(line);
}

LineList::LineList(const LineList& other) {
  append(other);
}

LineList& LineList::operator=(const LineList& other) {
  if (this != &other) {
    LineList copy(other);
    *this = std::move(copy);
  }
  return *this;
}

std::string_view LineList::at(std::size_t index) const {
  if (index >= size())
    throw std::out_of_range("LineList::at");
  return lines_[index];
}

void LineList::resize(std::size_t lines) {
  if (lines >= size())
    return;
  // The bytes of the lines that go are handed out again when they end the last block.
  for (std::size_t i = size(); i-- > lines;) {
    if (!lines_[i].empty())
      blocks_.Rewind(const_cast<char*>(lines_[i].data()));
  }
  lines_.resize(lines);
}

void LineList::append(const LineList& other) {
  lines_.reserve(lines_.size() + other.size());
  for (const std::string_view line : other.lines_)
    push_back(line);
}

void LineList::clear() {
  blocks_.Clear();
  lines_.clear();
}

void LineList::reserve(std::size_t lines) {
  lines_.reserve(lines);
}

std::vector<std::string> LineList::ToVector() const {
  return std::vector<std::string>(lines_.begin(), lines_.end());
}

bool operator==(const LineList& a, const std::vector<std::string>& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

}  // namespace text
