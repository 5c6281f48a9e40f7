// Memory for many small byte runs that live about as long as each other: they are handed out
// one after the other from large blocks instead of a small allocation each.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace base {

class ByteBlocks {
 public:
  ByteBlocks() = default;
  // A moved-from instance is empty: it hands out nothing of the blocks it gave away.
  ByteBlocks(ByteBlocks&& other) noexcept
      : blocks_(std::move(other.blocks_)),
        current_(std::exchange(other.current_, 0)),
        next_(std::exchange(other.next_, nullptr)),
        left_(std::exchange(other.left_, 0)) {
    other.blocks_.clear();
  }
  ByteBlocks& operator=(ByteBlocks&& other) noexcept {
    if (this != &other) {
      blocks_ = std::move(other.blocks_);
      other.blocks_.clear();
      current_ = std::exchange(other.current_, 0);
      next_ = std::exchange(other.next_, nullptr);
      left_ = std::exchange(other.left_, 0);
    }
    return *this;
  }

  // `bytes` of memory after the last run handed out; when the current block has no room left,
  // in the next block kept by a Rewind, else in a new block (a run larger than a block gets a
  // block of its own).
  char* Allot(std::size_t bytes) {
    if (bytes > left_ || blocks_.empty())
      MoveToBlockFor(bytes);
    char* const at = next_;
    next_ += bytes;
    left_ -= bytes;
    return at;
  }

  // The runs handed out from `at` on, in block `block`, are handed out again: that block is
  // written again from `at`, and the blocks after it are kept to be written again after it.
  void Rewind(std::size_t block, const char* at) {
    if (block >= blocks_.size())
      return;
    const Run& run = blocks_[block];
    char* const first = run.bytes.get();
    if (at < first || at > first + run.size)
      return;
    current_ = block;
    next_ = first + (at - first);
    // A block of one large run is not written again from inside: its runs keep their places
    // within an ordinary block.
    left_ = run.size == kBlockBytes ? static_cast<std::size_t>(first + run.size - next_) : 0;
  }

  // How many blocks were made, and a block's first byte.
  std::size_t BlockCount() const { return blocks_.size(); }
  const char* Block(std::size_t index) const { return blocks_[index].bytes.get(); }
  // The block the last run was handed out from.
  std::size_t CurrentBlock() const { return current_; }

  void Clear() {
    blocks_.clear();
    current_ = 0;
    next_ = nullptr;
    left_ = 0;
  }

 private:
  // Below the size a large allocation is mapped afresh for.
  static constexpr std::size_t kBlockBytes = std::size_t{64} << 10;

  struct Run {
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
  };

  // The next kept block that takes the run (an ordinary block for an ordinary run, a large
  // enough block of one run for a large run), dropping those that do not; else a new block.
  void MoveToBlockFor(std::size_t bytes) {
    const bool large = bytes > kBlockBytes;
    while (!blocks_.empty() && current_ + 1 < blocks_.size()) {
      const auto kept = blocks_.begin() + static_cast<std::ptrdiff_t>(current_ + 1);
      if (large ? kept->size >= bytes : kept->size == kBlockBytes) {
        ++current_;
        next_ = kept->bytes.get();
        left_ = large ? bytes : kBlockBytes;
        return;
      }
      blocks_.erase(kept);
    }
    const std::size_t size = std::max(bytes, kBlockBytes);
    blocks_.push_back(Run{std::make_unique_for_overwrite<char[]>(size), size});
    current_ = blocks_.size() - 1;
    next_ = blocks_.back().bytes.get();
    left_ = size;
  }

  std::vector<Run> blocks_;
  std::size_t current_ = 0;  // the block runs are handed out from
  char* next_ = nullptr;     // where the next run goes in it
  std::size_t left_ = 0;     // room left there
};

}  // namespace base
