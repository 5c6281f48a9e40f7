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
        next_(std::exchange(other.next_, nullptr)),
        left_(std::exchange(other.left_, 0)) {
    other.blocks_.clear();
  }
  ByteBlocks& operator=(ByteBlocks&& other) noexcept {
    if (this != &other) {
      blocks_ = std::move(other.blocks_);
      other.blocks_.clear();
      next_ = std::exchange(other.next_, nullptr);
      left_ = std::exchange(other.left_, 0);
    }
    return *this;
  }

  // `bytes` of memory after the last run handed out, in a new block when there is none yet or
  // the last one has no room left (a run larger than a block gets a block of its own).
  char* Allot(std::size_t bytes) {
    if (bytes > left_ || blocks_.empty()) {
      const std::size_t size = std::max(bytes, kBlockBytes);
      blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
      next_ = blocks_.back().get();
      left_ = size;
    }
    char* const at = next_;
    next_ += bytes;
    left_ -= bytes;
    return at;
  }

  // The runs handed out from `at` on are handed out again; `at` is in the last block.
  void Rewind(const char* at) {
    if (blocks_.empty())
      return;
    char* const first = blocks_.back().get();
    if (at >= first && at <= next_) {
      const auto back = static_cast<std::size_t>(next_ - at);
      next_ -= back;
      left_ += back;
    }
  }

  // How many blocks were made, and a block's first byte.
  std::size_t BlockCount() const { return blocks_.size(); }
  const char* Block(std::size_t index) const { return blocks_[index].get(); }

  void Clear() {
    blocks_.clear();
    next_ = nullptr;
    left_ = 0;
  }

 private:
  // Below the size a large allocation is mapped afresh for.
  static constexpr std::size_t kBlockBytes = std::size_t{64} << 10;

  std::vector<std::unique_ptr<char[]>> blocks_;
  char* next_ = nullptr;  // where the next run goes in the last block
  std::size_t left_ = 0;  // room left there
};

}  // namespace base
