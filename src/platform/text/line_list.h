// A list of text lines packed in large blocks: a list of hundreds of thousands of lines (a
// correction's change list, the result list) costs a few allocations, not one per line, and
// growing it never moves the lines already in it.
//
// Lines are read as std::string_view; a view stays valid until its line is removed or the
// list is cleared or assigned.
#pragma once

#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/byte_blocks.h"

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

  std::size_t size() const { return lines_.size(); }
  bool empty() const { return lines_.empty(); }
  LineList(const LineList& other);
  LineList& operator=(const LineList& other);
  LineList(LineList&&) noexcept = default;
  LineList& operator=(LineList&&) noexcept = default;

  std::string_view operator[](std::size_t index) const { return lines_[index]; }
  // Throws std::out_of_range for an index past the last line.
  std::string_view at(std::size_t index) const;
  std::string_view front() const { return (*this)[0]; }
  std::string_view back() const { return (*this)[size() - 1]; }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size()}; }

  void push_back(std::string_view line) { push_back(line, {}); }
  // One line made of `label` and `rest`, written straight into the buffer.
  void push_back(std::string_view label, std::string_view rest) {
    const std::size_t length = label.size() + rest.size();
    char* const at = length == 0 ? nullptr : blocks_.Allot(length);
    if (!label.empty())
      std::memcpy(at, label.data(), label.size());
    if (!rest.empty())
      std::memcpy(at + label.size(), rest.data(), rest.size());
    lines_.emplace_back(at, length);
  }
  void pop_back() { resize(size() - 1); }
  // Keeps the first `lines` lines; a list is only ever shortened this way.
  void resize(std::size_t lines);
  void append(const LineList& other);
  void clear();
  void reserve(std::size_t lines);

  std::vector<std::string> ToVector() const;

  friend bool operator==(const LineList& a, const LineList& b) { return a.lines_ == b.lines_; }
  friend bool operator==(const LineList& a, const std::vector<std::string>& b);

 private:
  base::ByteBlocks blocks_;
  std::vector<std::string_view> lines_;  // each into blocks_
};

}  // namespace text
