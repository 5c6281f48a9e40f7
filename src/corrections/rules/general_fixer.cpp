#include "corrections/rules/general_fixer.h"

#include <array>
#include <optional>

#include "platform/text/text.h"

namespace corrections {

namespace {

constexpr Pattern kLeftDoubleQuote("\x93");
constexpr Pattern kRightDoubleQuote("\x94");
constexpr Pattern kLeftSingleQuote("\x91");
constexpr Pattern kRightSingleQuote("\x92");
constexpr Pattern kEllipsis("\x85");

bool OneOf(char c, std::string_view set) {
  return c != '\0' && set.find(c) != std::string_view::npos;
}

// Find and ContentsOf run dozens of times a turn: inlined, a pattern the text cannot hold
// costs a few instructions.
[[gnu::always_inline]] inline const TextContents& ContentsOf(FixerTurn& t) {
  if (t.contents_findings != t.working.findings) {
    t.contents.Take(t.working.text);
    t.contents_findings = t.working.findings;
  }
  return t.contents;
}

// The first occurrence of `pattern` in the working text, 0 when absent; a pattern with a byte
// the text does not hold is not searched for.
[[gnu::always_inline]] inline int Find(FixerTurn& t, const Pattern& pattern) {
  if (!ContentsOf(t).MayHold(pattern))
    return 0;
  return pattern.FirstIn(t.working.text);
}

// At the start, or after a blank or a line break.
bool StartsWord(const WorkingText& w, int pos) {
  return pos == 1 || OneOf(CharAt(w, pos - 1), " |");
}

// ---- 1, 2: blank before "?" ------------------------------------------------------------------

void BlankBeforeQuestion(FixerTurn& t, const Pattern& pattern) {
  const int pos = Find(t, pattern);
  if (pos > 0 && (pos == 1 || CharAt(t.working, pos - 1) != '-'))
    LoggedDeleteChar(t.working, pos);
}

void Rule1BlankBeforeQuestion(FixerTurn& t) {
  BlankBeforeQuestion(t, " ?");
}

void Rule2NoBreakSpaceBeforeQuestion(FixerTurn& t) {
  BlankBeforeQuestion(t, "\xA0?");
}

// ---- 3 to 6: "a" and "hogy" across the line break -------------------------------------------

// Line 1 gets the word when line 2 is at least `margin` longer.
bool WordUpToLineOne(FixerTurn& t, const Pattern& pattern, std::string_view replacement, int margin,
                     std::string_view refused_before) {
  WorkingText& w = t.working;
  const int pos = Find(t, pattern);
  if (pos == 0)
    return false;
  const LineLengths lengths = MeasureLines(w.text);
  if (!HasExactlyTwoLines(lengths) || OneOf(CharAt(w, pos - 1), refused_before))
    return false;
  return lengths[1] >= lengths[0] + margin &&
         LoggedReplaceSpan(w, pos, pattern.Length(), replacement);
}

// Line 2 gets the word when line 1 is at least `margin` longer.
void WordDownToLineTwo(FixerTurn& t, const Pattern& pattern, std::string_view replacement,
                       int margin) {
  WorkingText& w = t.working;
  const int pos = Find(t, pattern);
  if (pos == 0)
    return;
  const LineLengths lengths = MeasureLines(w.text);
  if (!HasExactlyTwoLines(lengths) || OneOf(CharAt(w, pos + pattern.Length()), "#\""))
    return;
  if (lengths[0] >= lengths[1] + margin)
    LoggedReplaceSpan(w, pos, pattern.Length(), replacement);
}

void Rule3ArticleUp(FixerTurn& t) {
  if (WordUpToLineOne(t, "|a ", " a|", 3, ",.!?#\""))
    t.article_moved_up = true;
}

void Rule4ArticleDown(FixerTurn& t) {
  if (!t.article_moved_up)
    WordDownToLineTwo(t, " a|", "|a ", 3);
}

void Rule5HogyUp(FixerTurn& t) {
  WordUpToLineOne(t, "|hogy ", " hogy|", 6, "#\"");
}

void Rule6HogyDown(FixerTurn& t) {
  WordDownToLineTwo(t, " hogy|", "|hogy ", 6);
}

// ---- 7 to 10: punctuation ---------------------------------------------------------------------

void DeleteFirstCharOf(FixerTurn& t, const Pattern& pattern) {
  if (const int pos = Find(t, pattern); pos > 0)
    LoggedDeleteChar(t.working, pos);
}

void Rule7BlankBeforeExclamation(FixerTurn& t) {
  DeleteFirstCharOf(t, " !");
  DeleteFirstCharOf(t, "\xA0!");
}

void Rule8BlankBeforeDot(FixerTurn& t) {
  const int pos = Find(t, " .");
  if (pos == 0)
    return;
  const char after = CharAt(t.working, pos + 2);
  if (after != '.' && !text::IsDigit(after))
    LoggedDeleteChar(t.working, pos);
}

void Rule9DoubledBreak(FixerTurn& t) {
  DeleteFirstCharOf(t, "||");
}

void Rule10DotAfterMark(FixerTurn& t) {
  WorkingText& w = t.working;
  for (const Pattern& pattern : {Pattern("!."), Pattern("?.")}) {
    const int pos = Find(t, pattern);
    if (pos > 0 && EndsText(w, pos, 2))
      LoggedDeleteChar(w, pos + 1);
  }
  for (const Pattern& pattern : {Pattern("!.|"), Pattern("?.|")}) {
    if (const int pos = Find(t, pattern); pos > 0)
      LoggedDeleteChar(w, pos + 1);
  }
}

// ---- 11 to 13: letter case and misspellings ---------------------------------------------------

void Rule11Contractions(FixerTurn& t) {
  WorkingText& w = t.working;
  if (const int pos = Find(t, "n'T"); pos > 1)
    LoggedReplaceChar(w, pos + 2, 't');
  if (const int pos = Find(t, "'S"); pos > 1 && !text::IsUpperAsciiLetter(CharAt(w, pos - 1)))
    LoggedReplaceChar(w, pos + 1, 's');
}

void Rule12ItalicTagCase(FixerTurn& t) {
  WorkingText& w = t.working;
  if (const int pos = Find(t, "<I>"); pos > 0)
    LoggedReplaceChar(w, pos + 1, 'i');
  if (const int pos = Find(t, "</I>"); pos > 1)
    LoggedReplaceChar(w, pos + 2, 'i');
}

struct Misspelling {
  Pattern pattern;
  int offset;  // the character replaced is at Pos + offset
  char becomes;
};

void Rule13Misspellings(FixerTurn& t) {
  static constexpr std::array<Misspelling, 6> kMisspellings{{
      {"Útál", 0, 'U'},
      {"útál", 0, 'u'},
      {"Mindíg", 4, 'i'},
      {"mindíg", 4, 'i'},
      {"Nyílvánvaló", 2, 'i'},
      {"nyílvánvaló", 2, 'i'},
  }};
  for (const Misspelling& m : kMisspellings) {
    if (const int pos = Find(t, m.pattern); pos > 0)
      LoggedReplaceChar(t.working, pos + m.offset, m.becomes);
  }
}

// ---- 14, 15: titles ---------------------------------------------------------------------------

void Rule14TitlesWithoutDot(FixerTurn& t) {
  WorkingText& w = t.working;
  for (const Pattern& title :
       {Pattern("Dr "), Pattern("dr "), Pattern("Mr "), Pattern("Ms "), Pattern("Mrs ")}) {
    const int pos = Find(t, title);
    if (pos > 0 && StartsWord(w, pos))
      LoggedReplaceCharAddBlank(w, pos + title.Length() - 1, '.');
  }
}

void Rule15LowerCaseTitles(FixerTurn& t) {
  WorkingText& w = t.working;
  for (const Pattern& title : {Pattern("mr."), Pattern("ms."), Pattern("mrs. ")}) {
    const int pos = Find(t, title);
    if (pos > 0 && StartsWord(w, pos))
      LoggedReplaceChar(w, pos, 'M');
  }
}

// ---- 16: typographic marks --------------------------------------------------------------------

void ReplaceFirstChar(FixerTurn& t, const Pattern& from, char to) {
  if (const int pos = Find(t, from); pos > 0)
    LoggedReplaceChar(t.working, pos, to);
}

void Rule16TypographicMarks(FixerTurn& t) {
  WorkingText& w = t.working;
  ReplaceFirstChar(t, kLeftDoubleQuote, '"');
  // A closing italic tag whose "<" was mistyped; at the very start there is nothing to repair.
  if (const int pos = Find(t, "/i>"); pos > 1 && CharAt(w, pos - 1) != '<')
    LoggedReplaceChar(w, pos - 1, '<');
  ReplaceFirstChar(t, kRightDoubleQuote, '"');
  ReplaceFirstChar(t, kLeftSingleQuote, '\'');
  ReplaceFirstChar(t, kRightSingleQuote, '\'');
}

// ---- 17, 18: font and script spans ------------------------------------------------------------

enum class TidyAfterSpan { kAlways, kOnlyWithoutLineTidy };

struct TagSpan {
  int start = 0;
  int end = 0;  // the span's last character
};

void RemoveTagSpan(FixerTurn& t, TagSpan span, TidyAfterSpan tidy, std::string_view after_label) {
  WorkingText& w = t.working;
  const std::string old_text = w.text;
  text::Delete(w.text, span.start, span.end - span.start + 1);
  if (!w.text.empty()) {
    bool line_tidied = false;
    if (text::CharAt(w.text, span.start) == '|') {
      // The line break left where the span began goes with it: the span's own line break
      // when it stood at the start, else a line break or blank just before it.
      if (span.start == 1) {
        text::Delete(w.text, 1, 1);
        line_tidied = true;
      } else if (OneOf(text::CharAt(w.text, span.start - 1), "| ")) {
        text::Delete(w.text, span.start - 1, 1);
        line_tidied = true;
      }
    }
    if (tidy == TidyAfterSpan::kAlways || !line_tidied) {
      if (text::Length(w.text) == span.start - 1 && !w.text.empty() && w.text.back() == '|')
        w.text.pop_back();
    }
  }
  w.changed = true;
  ++w.findings;
  if (w.list != nullptr) {
    w.list->push_back(" ");
    AddRowLine(*w.list, w.row);
  }
  if (!w.text.empty()) {
    if (w.list != nullptr) {
      w.list->push_back("Miből:   ", old_text);
      w.list->push_back(after_label, w.text);
    }
    return;
  }
  if (w.list != nullptr)
    w.list->push_back("Törölve: ", old_text);
  ++w.findings;
  w.row_deleted = true;
}

// The span from `start` to the end of the first `end_tag`, or to the end of the text. None
// when the first end tag stands before the start tag.
std::optional<TagSpan> SpanFrom(FixerTurn& t, int start, const Pattern& end_tag) {
  const int end_pos = Find(t, end_tag);
  if (end_pos == 0)
    return TagSpan{start, text::Length(t.working.text)};
  const int end = end_pos + end_tag.Length() - 1;
  if (end < start)
    return std::nullopt;
  return TagSpan{start, end};
}

void Rule17FontTags(FixerTurn& t) {
  int start = Find(t, "<font");
  if (start == 0)
    start = Find(t, "<FONT");
  if (start == 0)
    start = Find(t, "<Font");
  if (start == 0)
    return;
  if (const std::optional<TagSpan> span = SpanFrom(t, start, "</font>"))
    RemoveTagSpan(t, *span, TidyAfterSpan::kAlways, kAfterLabel);
}

void Rule18ScriptTags(FixerTurn& t) {
  const int start = Find(t, "<script");
  if (start == 0)
    return;
  if (const std::optional<TagSpan> span = SpanFrom(t, start, "/script>"))
    RemoveTagSpan(t, *span, TidyAfterSpan::kOnlyWithoutLineTidy, "Mire:    ");
}

// ---- 19 to 22 ---------------------------------------------------------------------------------

void Rule19ArticleToNextLine(FixerTurn& t) {
  for (const Pattern& pattern : {Pattern(". A|"), Pattern(", a|")}) {
    if (const int pos = Find(t, pattern); pos > 0)
      MoveDashToNextLine(t.working, pos + 1);
  }
}

void Rule20DotsAfterOpeningQuote(FixerTurn& t) {
  if (Find(t, "\"...") == 1)
    LoggedDeleteSpan(t.working, 2, 3);
}

void Rule21DotsAfterDash(FixerTurn& t) {
  if (const int pos = Find(t, "- ..."); pos > 0)
    LoggedDeleteSpanWithBlank(t.working, pos + 2, 3);
}

void Rule22PositionCodes(FixerTurn& t) {
  for (const Pattern& code : {Pattern("{\\a6}"), Pattern("{\\a8}"), Pattern("{\\an8}")}) {
    if (const int pos = Find(t, code); pos > 0)
      LoggedDeleteSpanWithBlank(t.working, pos, code.Length());
  }
}

// ---- 23 to 29: italic tags and dots -----------------------------------------------------------

void Rule23ItalicTags(FixerTurn& t) {
  WorkingText& w = t.working;
  if (const int pos = Find(t, "</i> <i>"); pos > 0)
    LoggedReplaceSpan(w, pos, 8, " ");
  if (const int pos = Find(t, "</i><i>"); pos > 0)
    LoggedReplaceSpan(w, pos, 7, " ");
  if (const int pos = Find(t, "<i> "); pos > 0)
    LoggedDeleteSpanWithBlank(w, pos + 3, 1);
  if (const int pos = Find(t, " </i>"); pos > 0)
    LoggedDeleteSpanWithBlank(w, pos, 1);
  if (const int pos = Find(t, "<i>..."); pos > 0)
    LoggedDeleteSpanWithBlank(w, pos + 3, 3);
  if (const int pos = Find(t, "<i>.."); pos > 0)
    LoggedDeleteSpanWithBlank(w, pos + 3, 2);
}

struct DotEdit {
  Pattern pattern;
  bool must_end_text;
  int offset;  // the deletion starts at Pos + offset
  int count;
};

void DeleteDotsWithBlank(FixerTurn& t, std::span<const DotEdit> edits) {
  for (const DotEdit& e : edits) {
    const int pos = Find(t, e.pattern);
    if (pos == 0 || (e.must_end_text && !EndsText(t.working, pos, e.pattern.Length())))
      continue;
    LoggedDeleteSpanWithBlank(t.working, pos + e.offset, e.count);
  }
}

void Rule24DotsAtLineEdge(FixerTurn& t) {
  static constexpr std::array<DotEdit, 4> kEdits{{
      {"...|", true, 0, 4},
      {"..|", true, 0, 3},
      {"|...", false, 1, 3},
      {"|..", false, 1, 2},
  }};
  DeleteDotsWithBlank(t, kEdits);
}

void Rule25DotsAfterComma(FixerTurn& t) {
  static constexpr std::array<DotEdit, 4> kEdits{{
      {", ...", true, 1, 4},
      {",...", true, 1, 3},
      {", ..", true, 1, 3},
      {",..", true, 1, 2},
  }};
  DeleteDotsWithBlank(t, kEdits);
  if (const int pos = Find(t, ",...</i>"); pos > 0)
    LoggedDeleteSpan(t.working, pos + 1, 3);
}

void Rule26TooManyDots(FixerTurn& t) {
  WorkingText& w = t.working;
  if (const int pos = Find(t, "?..."); pos > 0)
    LoggedDeleteSpan(w, pos + 1, 3);
  if (const int pos = Find(t, "...."); pos > 0)
    LoggedDeleteDots(w, pos + 3);
  if (const int pos = Find(t, "... ..."); pos > 0)
    LoggedDeleteSpan(w, pos + 3, 4);
}

void Rule27BlankBeforeDots(FixerTurn& t) {
  WorkingText& w = t.working;
  for (const Pattern& pattern : {Pattern(" ..."), Pattern(" ..")}) {
    const int pos = Find(t, pattern);
    if (pos > 0 && CharAt(w, pos - 1) != '-')
      LoggedDeleteSpanWithBlank(w, pos, 1);
  }
  const int pos = Find(t, kEllipsis);
  if (pos > 0 && CharAt(w, pos - 1) != '-')
    LoggedReplaceSpan(w, pos, 1, "...");
}

void Rule28BlankAfterDots(FixerTurn& t) {
  WorkingText& w = t.working;
  const int pos = Find(t, "...");
  if (pos == 0)
    return;
  if (pos == 1) {
    LoggedDeleteSpanWithBlank(w, 1, 3);
    return;
  }
  if (EndsText(w, pos, 3))
    return;
  if (!OneOf(CharAt(w, pos + 3), " !\"#*,.<>?|") && CharAt(w, pos - 2) != '-')
    LoggedInsertBlank(w, pos + 3);
}

void Rule29LonePairOfDots(FixerTurn& t) {
  WorkingText& w = t.working;
  const int pair = Find(t, "..");
  if (pair == 0)
    return;
  if (pair == 1) {
    LoggedDeleteSpanWithBlank(w, 1, 2);
    return;
  }
  const int three = Find(t, "...");
  if (pair != three) {
    LoggedReplaceSpan(w, pair + 2, 0, ".");
    return;
  }
  // The first pair begins a "...": the rest after it is examined, pair by pair, until a pair
  // that begins a "..." again (or none) is found.
  int rest_from = three + 3;  // the rest begins here in the whole text
  while (rest_from <= text::Length(w.text)) {
    const std::string_view rest =
        std::string_view(w.text).substr(static_cast<std::size_t>(rest_from - 1));
    const int rest_pair = text::Pos("..", rest);
    const int rest_three = text::Pos("...", rest);
    if (rest_pair == rest_three)
      break;
    const int at = rest_from - 1 + rest_pair;  // the pair's position in the whole text
    if (!LoggedReplaceSpan(w, at + 2, 0, "."))
      break;
    rest_from = at + 3;
  }
}

// ---- 30 to 32 ---------------------------------------------------------------------------------

void Rule30CommaAtLineStart(FixerTurn& t) {
  WorkingText& w = t.working;
  if (CharAt(w, 1) == ',')
    LoggedDeleteCharTidy(w, 1);
  if (const int pos = Find(t, "|,"); pos > 0)
    LoggedDeleteCharTidy(w, pos + 1);
}

void Rule31ItalicOverBreak(FixerTurn& t) {
  if (const int pos = Find(t, "</i>|<i>"); pos > 0)
    LoggedReplaceSpan(t.working, pos, 8, "|");
}

void Rule32DoubleDash(FixerTurn& t) {
  if (const int pos = Find(t, "--"); pos > 0)
    LoggedReplaceSpan(t.working, pos, 2, "...");
}

constexpr std::array<FixerRuleEntry, 32> kRules{{
    {"blank before ?", SearchedByteBits("?"), Rule1BlankBeforeQuestion},
    {"no-break space before ?", SearchedByteBits("?"), Rule2NoBreakSpaceBeforeQuestion},
    {"article up", SearchedByteBits("|"), Rule3ArticleUp},
    {"article down", SearchedByteBits("|"), Rule4ArticleDown},
    {"hogy up", SearchedByteBits("|"), Rule5HogyUp},
    {"hogy down", SearchedByteBits("|"), Rule6HogyDown},
    {"blank before !", SearchedByteBits("!"), Rule7BlankBeforeExclamation},
    {"blank before .", SearchedByteBits("."), Rule8BlankBeforeDot},
    {"doubled line break", SearchedByteBits("|"), Rule9DoubledBreak},
    {"dot after ! or ?", SearchedByteBits("!?"), Rule10DotAfterMark},
    {"contractions", SearchedByteBits("'"), Rule11Contractions},
    {"italic tag case", SearchedByteBits("<"), Rule12ItalicTagCase},
    {"misspellings", SearchedByteBits("Úúí"), Rule13Misspellings},
    {"titles without dot", SearchedByteBits("DdM"), Rule14TitlesWithoutDot},
    {"lower-case titles", SearchedByteBits("."), Rule15LowerCaseTitles},
    {"typographic marks", SearchedByteBits("\x93\x94\x91\x92/"), Rule16TypographicMarks},
    {"font tags", SearchedByteBits("<"), Rule17FontTags},
    {"script tags", SearchedByteBits("<"), Rule18ScriptTags},
    {"article to next line", SearchedByteBits("|"), Rule19ArticleToNextLine},
    {"dots after opening quote", SearchedByteBits("\""), Rule20DotsAfterOpeningQuote},
    {"dots after dash", SearchedByteBits("-"), Rule21DotsAfterDash},
    {"position codes", SearchedByteBits("{"), Rule22PositionCodes},
    {"italic tags", SearchedByteBits("<"), Rule23ItalicTags},
    {"dots at line edge", SearchedByteBits("|"), Rule24DotsAtLineEdge},
    {"dots after comma", SearchedByteBits(","), Rule25DotsAfterComma},
    {"too many dots", SearchedByteBits("."), Rule26TooManyDots},
    {"blank before dots", SearchedByteBits(".\x85"), Rule27BlankBeforeDots},
    {"blank after dots", SearchedByteBits("."), Rule28BlankAfterDots},
    {"lone pair of dots", SearchedByteBits("."), Rule29LonePairOfDots},
    {"comma at line start", SearchedByteBits(","), Rule30CommaAtLineStart},
    {"italic over line break", SearchedByteBits("<"), Rule31ItalicOverBreak},
    {"double dash", SearchedByteBits("-"), Rule32DoubleDash},
}};

}  // namespace

void TextContents::Take(std::string_view text) {
  static constexpr std::array<std::uint64_t, 256> kBits = [] {
    std::array<std::uint64_t, 256> bits{};
    for (std::size_t i = 0; i < kSearchedBytes.size(); ++i)
      bits[static_cast<unsigned char>(kSearchedBytes[i])] |= std::uint64_t{1} << i;
    return bits;
  }();
  const auto bits_of = [&](std::size_t i) { return kBits[static_cast<unsigned char>(text[i])]; };
  // Four bytes a step, each into its own set, so that the lookups do not wait for each other.
  std::uint64_t bits[4] = {};
  std::size_t i = 0;
  for (; i + 4 <= text.size(); i += 4) {
    bits[0] |= bits_of(i);
    bits[1] |= bits_of(i + 1);
    bits[2] |= bits_of(i + 2);
    bits[3] |= bits_of(i + 3);
  }
  for (; i < text.size(); ++i)
    bits[0] |= bits_of(i);
  bits_ = bits[0] | bits[1] | bits[2] | bits[3];
}

int Pattern::FirstIn(std::string_view text) const {
  return text::Pos(text_, text);
}

std::span<const FixerRuleEntry> GeneralFixerRules() {
  return kRules;
}

void RunFixerTurn(WorkingText& working) {
  FixerTurn turn{working};
  for (const FixerRuleEntry& entry : kRules) {
    if (!ContentsOf(turn).HoldsAnyOf(entry.needs))
      continue;
    entry.rule(turn);
    if (working.row_deleted)
      return;
  }
}

}  // namespace corrections
