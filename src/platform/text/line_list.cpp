#include "platform/text/line_list.h"

#include <algorithm>
#include <stdexcept>

namespace text {

LineList::LineList(std::initializer_list<std::string_view> lines) {
  for (const std::string_view line : lines)
    push_back(line);
}

LineList::LineList(const std::vector<std::string>& lines) {
  for (const std::string& line : lines)
    push_back(line);
}

void LineList::MakeRoom(std::size_t block, std::size_t offset) {
  if (block > kMostBlocks || offset > kOffsetMask)
    throw std::length_error("LineList: too many lines");
  if (size_ == chunks_.size() * kChunkLines)
    chunks_.push_back(std::make_unique_for_overwrite<Place[]>(kChunkLines));
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
  return (*this)[index];
}

void LineList::resize(std::size_t lines) {
  if (lines >= size())
    return;
  // Lines are laid out in their order: the bytes from the first line that goes on are handed
  // out again.
  const Place place = chunks_[lines / kChunkLines][lines % kChunkLines];
  const std::size_t block = place >> kOffsetBits;
  blocks_.Rewind(block, blocks_.Block(block) + (place & kOffsetMask));
  size_ = lines;
}

void LineList::append(const LineList& other) {
  for (const std::string_view line : other)
    push_back(line);
}

void LineList::clear() {
  blocks_.Clear();
  chunks_.clear();
  size_ = 0;
}

bool operator==(const LineList& a, const LineList& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

bool operator==(const LineList& a, const std::vector<std::string>& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

}  // namespace text
