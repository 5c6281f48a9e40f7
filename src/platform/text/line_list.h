// A list of text lines packed in large blocks: a list of hundreds of thousands of lines (a
// correction's change list, the result list) costs a few allocations, not one per line, and
// growing it never moves the lines already in it.
//
// Lines are read as std::string_view; a view stays valid until its line is removed or the
// list is cleared or assigned.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/base/byte_blocks.h"
#include "platform/base/length_prefix.h"

namespace text {

class LineList {
 public:
  using value_type = std::string_view;
  using size_type = std::size_t;

  class const_iterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;

    const_iterator() = default;
    const_iterator(const LineList* list, std::size_t index) : list_(list), index_(index) {}
    std::string_view operator*() const { return (*list_)[index_]; }
    std::string_view operator[](difference_type n) const {
      return (*list_)[index_ + static_cast<std::size_t>(n)];
    }
    const_iterator& operator++() {
      ++index_;
      return *this;
    }
    const_iterator operator++(int) {
      const_iterator old = *this;
      ++index_;
      return old;
    }
    const_iterator& operator--() {
      --index_;
      return *this;
    }
    const_iterator operator--(int) {
      const_iterator old = *this;
      --index_;
      return old;
    }
    const_iterator& operator+=(difference_type n) {
      index_ += static_cast<std::size_t>(n);
      return *this;
    }
    const_iterator& operator-=(difference_type n) {
      index_ -= static_cast<std::size_t>(n);
      return *this;
    }
    friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
    friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
    friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
    friend difference_type operator-(const_iterator a, const_iterator b) {
      return static_cast<difference_type>(a.index_) - static_cast<difference_type>(b.index_);
    }
    friend bool operator==(const_iterator a, const_iterator b) { return a.index_ == b.index_; }
    friend auto operator<=>(const_iterator a, const_iterator b) { return a.index_ <=> b.index_; }

   private:
    const LineList* list_ = nullptr;
    std::size_t index_ = 0;
  };
  using iterator = const_iterator;

  LineList() = default;
  LineList(std::initializer_list<std::string_view> lines);
  LineList(const std::vector<std::string>& lines);  // NOLINT: a list of lines is one

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  LineList(const LineList& other);
  LineList& operator=(const LineList& other);
  // A list moved from is empty.
  LineList(LineList&& other) noexcept
      : blocks_(std::move(other.blocks_)),
        chunks_(std::move(other.chunks_)),
        size_(std::exchange(other.size_, 0)) {
    other.chunks_.clear();
  }
  LineList& operator=(LineList&& other) noexcept {
    if (this != &other) {
      blocks_ = std::move(other.blocks_);
      chunks_ = std::move(other.chunks_);
      other.chunks_.clear();
      size_ = std::exchange(other.size_, 0);
    }
    return *this;
  }

  std::string_view operator[](std::size_t index) const {
    const Place place = chunks_[index / kChunkLines][index % kChunkLines];
    const char* at = blocks_.Block(place >> kOffsetBits) + (place & kOffsetMask);
    const std::size_t length = base::TakeLengthPrefix(at);
    return std::string_view(at, length);
  }
  // Throws std::out_of_range for an index past the last line.
  std::string_view at(std::size_t index) const;
  std::string_view back() const { return (*this)[size() - 1]; }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size()}; }

  void push_back(std::string_view line) { push_back(line, {}); }
  // One line made of `label` and `rest`, written straight into the buffer.
  void push_back(std::string_view label, std::string_view rest) {
    char* const at = StartLine(label.size() + rest.size());
    if (!label.empty())
      std::memcpy(at, label.data(), label.size());
    if (!rest.empty())
      std::memcpy(at + label.size(), rest.data(), rest.size());
  }
  void pop_back() { resize(size() - 1); }
  // Keeps the first `lines` lines; a list is only ever shortened this way. The memory of the
  // lines that go takes the lines added next, so a list emptied by resize(0) and filled again
  // asks for no memory until it grows past what it held.
  void resize(std::size_t lines);
  void append(const LineList& other);
  void clear();

  friend bool operator==(const LineList& a, const LineList& b);
  friend bool operator==(const LineList& a, const std::vector<std::string>& b);

 private:
  // Where a line is: its block and where in the block its length stands, the bytes after it.
  // Lines are kept in chunks that never move, so that a growing list neither copies what it
  // holds nor asks for ever larger memory.
  using Place = std::uint32_t;
  static constexpr int kOffsetBits = 16;  // a block of lines is 64 KiB
  static constexpr Place kOffsetMask = (Place{1} << kOffsetBits) - 1;
  static constexpr std::size_t kChunkLines = 4096;

  // Room for a line of `length` bytes, its place noted and its length written: where its
  // bytes go.
  char* StartLine(std::size_t length) {
    const std::size_t prefix = base::LengthPrefixBytes(length);
    char* at = blocks_.Allot(prefix + length);
    const std::size_t block = blocks_.CurrentBlock();
    const auto offset = static_cast<std::size_t>(at - blocks_.Block(block));
    if (block > kMostBlocks || offset > kOffsetMask || size_ == chunks_.size() * kChunkLines)
      MakeRoom(block, offset);
    chunks_[size_ / kChunkLines][size_ % kChunkLines] =
        static_cast<Place>(block << kOffsetBits | offset);
    ++size_;
    return base::PutLengthPrefix(at, length);
  }
  // A new chunk of places; refuses a place that does not fit in one.
  void MakeRoom(std::size_t block, std::size_t offset);

  static constexpr std::size_t kMostBlocks = std::numeric_limits<Place>::max() >> kOffsetBits;

  base::ByteBlocks blocks_;
  std::vector<std::unique_ptr<Place[]>> chunks_;
  std::size_t size_ = 0;
};

}  // namespace text
