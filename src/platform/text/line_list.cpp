#include "platform/text/line_list.h"

#include <algorithm>
#include <cstring>
#include <limits>
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

void LineList::push_back(std::string_view label, std::string_view rest) {
  const std::size_t length = label.size() + rest.size();
  std::size_t prefix = 1;
  for (std::size_t left = length; left >= 0x80; left >>= 7)
    ++prefix;
  char* at = blocks_.Allot(prefix + length);
  const std::size_t block = blocks_.BlockCount() - 1;
  const auto offset = static_cast<std::size_t>(at - blocks_.Block(block));
  if (block > (std::numeric_limits<Place>::max() >> kOffsetBits) || offset > kOffsetMask)
    throw std::length_error("LineList: too many lines");
  if (size_ == chunks_.size() * kChunkLines)
    chunks_.push_back(std::make_unique_for_overwrite<Place[]>(kChunkLines));
  chunks_[size_ / kChunkLines][size_ % kChunkLines] =
      static_cast<Place>(block << kOffsetBits | offset);
  ++size_;
  for (std::size_t left = length;; left >>= 7) {
    const auto low = static_cast<unsigned char>(left & 0x7F);
    if (left < 0x80) {
      *at++ = static_cast<char>(low);
      break;
    }
    *at++ = static_cast<char>(low | 0x80);
  }
  if (!label.empty())
    std::memcpy(at, label.data(), label.size());
  if (!rest.empty())
    std::memcpy(at + label.size(), rest.data(), rest.size());
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
  // The bytes of the lines that go are handed out again when they end the last block.
  for (std::size_t i = size(); i-- > lines;) {
    const Place place = chunks_[i / kChunkLines][i % kChunkLines];
    blocks_.Rewind(blocks_.Block(place >> kOffsetBits) + (place & kOffsetMask));
  }
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

std::vector<std::string> LineList::ToVector() const {
  return std::vector<std::string>(begin(), end());
}

bool operator==(const LineList& a, const LineList& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

bool operator==(const LineList& a, const std::vector<std::string>& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

}  // namespace text
