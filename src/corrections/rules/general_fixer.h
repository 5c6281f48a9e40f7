// The general fixer's rules: blanks before punctuation, the article "a" and the word "hogy" at
// the edge of a two-line row, doubled line breaks, letter case in contractions and italic tags,
// common misspellings, titles, typographic quotes, font and script tags, position codes,
// untidy italic tags and runs of dots.
//
// Each rule looks for the first occurrence of its pattern only, with a plain case-sensitive
// search; the fixer runs all of them again on a row that changed, which is how later
// occurrences are reached (an occurrence a rule's exception protects keeps the later ones
// unchanged).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "corrections/rules/logged_edits.h"

namespace corrections {

// The bytes the rules search for, one bit of a 64-bit set each; every other byte has no bit.
inline constexpr std::string_view kSearchedBytes =
    " ?\xA0|ahogy!.n'TS<I>/ÚtálúMidíNvóDrsm"
    "\x93"
    "\x94"
    "\x91"
    "\x92"
    "fFOcpA,\"-{\\68}\x85";
static_assert(kSearchedBytes.size() <= 64);

// The bit of a searched byte; 0 for any other byte.
consteval std::uint64_t SearchedByteBit(char c) {
  for (std::size_t i = 0; i < kSearchedBytes.size(); ++i) {
    if (kSearchedBytes[i] == c)
      return std::uint64_t{1} << i;
  }
  return 0;
}

// The bits of every searched byte of `bytes`. A byte the list does not hold stops the build:
// a pattern is only filtered right when all of its bytes have their bits.
consteval std::uint64_t SearchedByteBits(std::string_view bytes) {
  std::uint64_t bits = 0;
  for (const char c : bytes) {
    const std::uint64_t bit = SearchedByteBit(c);
    if (bit == 0)
      throw "a byte the rules search for is missing from kSearchedBytes";
    bits |= bit;
  }
  return bits;
}

// A pattern a rule searches for, built at compile time: its bytes and the bits of its bytes.
class Pattern {
 public:
  template <std::size_t N>
  consteval Pattern(const char (&literal)[N])  // NOLINT: a literal is a pattern
      : text_(literal, N - 1), bits_(SearchedByteBits(text_)) {}

  std::string_view Text() const { return text_; }
  int Length() const { return static_cast<int>(text_.size()); }
  std::uint64_t Bits() const { return bits_; }
  // The first occurrence in `text` (1-based), 0 when absent.
  int FirstIn(std::string_view text) const;

 private:
  std::string_view text_;
  std::uint64_t bits_;
};

// Which searched bytes a text holds: a pattern with a byte the text does not hold is not
// searched for.
class TextContents {
 public:
  void Take(std::string_view text);
  bool MayHold(const Pattern& pattern) const { return (pattern.Bits() & ~bits_) == 0; }
  // Some byte of `bits` (from SearchedByteBits) is in the text.
  bool HoldsAnyOf(std::uint64_t bits) const { return (bits & bits_) != 0; }

 private:
  std::uint64_t bits_ = 0;
};

// One turn of the fixer on a row: the working text and what the rules tell each other.
struct FixerTurn {
  WorkingText& working;
  bool article_moved_up = false;  // the article "a" went to the end of line 1 in this turn
  // What the working text held when it was last looked at; every edit counts a finding, so
  // the contents are taken again when the count moved.
  TextContents contents = {};
  int contents_findings = -1;
};

using FixerRule = void (*)(FixerTurn& turn);

struct FixerRuleEntry {
  std::string_view name;
  // The rule can only act on a text holding one of these bytes (SearchedByteBits).
  std::uint64_t needs;
  FixerRule rule;
};

// The rules, in the order they run.
std::span<const FixerRuleEntry> GeneralFixerRules();

// Applies every rule once, in order, to the working text. Stops early when a rule marks the
// row to go (a text that held nothing but a font or script span).
void RunFixerTurn(WorkingText& working);

}  // namespace corrections
