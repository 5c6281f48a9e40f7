// Raise/restore pairs as scopes: whatever way a block is left, what it raised is put back.
#pragma once

#include <utility>

namespace base {

// Sets a variable to a new value for the lifetime of the scope, then puts back the value it
// had when the scope began.
template <typename T>
class ValueRestorer {
 public:
  ValueRestorer(T& variable, T value) : variable_(variable), saved_(variable) {
    variable_ = std::move(value);
  }
  ~ValueRestorer() { variable_ = std::move(saved_); }
  ValueRestorer(const ValueRestorer&) = delete;
  ValueRestorer& operator=(const ValueRestorer&) = delete;

 private:
  T& variable_;
  T saved_;
};

// Runs a callable when the scope ends, however it ends.
template <typename F>
class ScopeExit {
 public:
  explicit ScopeExit(F on_exit) : on_exit_(std::move(on_exit)) {}
  ~ScopeExit() { on_exit_(); }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

 private:
  F on_exit_;
};

}  // namespace base
