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

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "corrections/rules/logged_edits.h"

namespace corrections {

// Which characters and which pairs of neighbouring characters a text holds (the pairs by a
// hash, so a pair may seem present that is not): a pattern the text cannot hold is not
// searched for.
class TextContents {
 public:
  void Take(std::string_view text);
  bool MayHold(std::string_view pattern) const;
  bool HoldsAnyOf(std::string_view characters) const;

 private:
  std::array<std::uint64_t, 4> characters_{};
  std::array<std::uint64_t, 16> pairs_{};
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
  // The rule can only act on a text holding one of these characters.
  std::string_view needs;
  FixerRule rule;
};

// The rules, in the order they run.
std::span<const FixerRuleEntry> GeneralFixerRules();

// Applies every rule once, in order, to the working text. Stops early when a rule marks the
// row to go (a text that held nothing but a font or script span).
void RunFixerTurn(WorkingText& working);

}  // namespace corrections
