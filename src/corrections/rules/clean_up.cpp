#include "corrections/rules/clean_up.h"

#include <string_view>
#include <vector>

#include "platform/text/text.h"

namespace corrections {

namespace {

bool IsUpperLetter(char c) {
  return text::IsUpperAsciiLetter(c) ||
         (c != '\0' && kAccentedUpperVowels.find(c) != std::string_view::npos);
}

// Writes one entry for a change the rule made itself: the text before, then "Mire:   " + the
// text after; one finding.
void WriteEntry(WorkingText& working, std::string_view before) {
  if (working.list != nullptr) {
    LogRowChange(*working.list, EntryKind::kChanged, working.row, before);
    working.list->push_back(kAfterLabel, working.text);
  }
  working.changed = true;
}

bool Fits(std::string_view s) {
  return text::Length(s) <= kRowTextLimit;
}

// A blank after the dash of every leading-dash line from line 1 on, stopping at the first line
// that needs none.
std::string BlankAfterLeadingDashes(std::string_view s) {
  std::string out(s);
  int line_start = 1;
  bool first = true;
  while (line_start <= text::Length(out)) {
    int dash = line_start;
    if (first && text::Copy(out, line_start, 4) == "<i>-")
      dash = line_start + 3;
    if (text::CharAt(out, dash) != '-')
      break;
    const char after = text::CharAt(out, dash + 1);
    if (after == ' ' || after == '=')
      break;
    text::Insert(" ", out, dash + 1);
    first = false;
    const int next_break = text::PosFrom("|", out, dash + 1);
    if (next_break == 0)
      break;
    line_start = next_break + 1;
  }
  return out;
}

bool IsWordStart(std::string_view s, int pos) {
  const char before = text::CharAt(s, pos - 1);
  return pos == 1 || before == ' ' || before == '|';
}

// One block of l -> I: the first occurrence of `pattern` and then one more, each at a word
// start; one entry for the block.
void LToIBlock(WorkingText& working, std::string_view pattern) {
  int pos = text::Pos(pattern, working.text);
  if (pos == 0 || !IsWordStart(working.text, pos))
    return;
  const std::string before = working.text;
  working.text[static_cast<std::size_t>(pos - 1)] = 'I';
  ++working.findings;
  pos = text::Pos(pattern, working.text);
  if (pos != 0 && IsWordStart(working.text, pos)) {
    working.text[static_cast<std::size_t>(pos - 1)] = 'I';
    ++working.findings;
  }
  WriteEntry(working, before);
}

// Every character found in `from` becomes the one at the same place in `to`.
void MapCharacters(WorkingText& working, std::string_view from, std::string_view to) {
  for (char& c : working.text) {
    const std::size_t at = from.find(c);
    if (at != std::string_view::npos) {
      c = to[at];
      ++working.findings;
      working.changed = true;
    }
  }
}

}  // namespace

DialogueDashCounts FixDialogueDashes(WorkingText& working) {
  DialogueDashCounts counts;
  const std::string orig = working.text;
  // 1. ". -|" before a capital: the dash opens the next line.
  const int moved = text::Pos(". -|", working.text);
  if (moved > 0 && IsUpperLetter(CharAt(working, moved + 4)) &&
      MoveDashToNextLine(working, moved + 1))
    ++counts.moves;
  // 2. A blank after the dash of the leading-dash lines.
  const std::string spaced = BlankAfterLeadingDashes(working.text);
  if (spaced != working.text && Fits(spaced)) {
    working.text = spaced;
    ++counts.dashes;
    WriteEntry(working, orig);
  }
  // 3. A lone dialogue dash goes; a second speaker's "|-" gets its blank.
  const std::string before = working.text;
  const bool italic = before.starts_with("<i>");
  std::string rest = italic ? before.substr(3) : before;
  if (rest.starts_with("- ")) {
    const std::string after_dash = rest.substr(2);
    const int second = text::Pos("|-", after_dash);
    bool done = false;
    if (text::Pos("- ", after_dash) == 0 && second == 0) {
      rest = after_dash;
      done = true;
    } else if (text::Pos("- ", after_dash) == 0 && second > 0) {
      // The dash of "|-" stands at `second` + 3 of the whole rest.
      text::Insert(" ", rest, second + 4);
      done = true;
    }
    const std::string result = italic ? "<i>" + rest : rest;
    if (done && Fits(result)) {
      working.text = result;
      ++counts.dashes;
      WriteEntry(working, before);
    }
  }
  working.findings += counts.dashes;  // the move counted itself
  return counts;
}

// A period that ends no sentence: part of a web or mail address, or after a capital (an
// initial or an abbreviation).
bool PeriodTakesNoBlank(std::string_view s, int k) {
  if (text::Copy(s, k + 1, 3) == "com" || text::Copy(s, k + 1, 2) == "hu")
    return true;
  if (k >= 4 && text::Copy(s, k - 3, 3) == "www")
    return true;
  for (int j = k + 1; j < text::Length(s) && text::CharAt(s, j) != ' '; ++j) {
    if (text::CharAt(s, j) == '@')
      return true;
  }
  return text::IsUpperAsciiLetter(text::CharAt(s, k - 1));
}

// After the punctuation marks that take a blank after them.
constexpr std::string_view kPeriodCommaStops = ". |<-\"?!,0123456789";
constexpr std::string_view kExclamQuestionStops = ". |<-\"0?!";

// A blank after every `mark` from position `start` on, unless the next character is one of
// `stops` (or the text ends there).
void InsertBlanksAfterMark(char mark, std::string_view stops, WorkingText& working, int start) {
  for (int k = start; k >= 1 && k < text::Length(working.text); ++k) {
    const std::string& s = working.text;
    if (text::CharAt(s, k) != mark)
      continue;
    const char c = text::CharAt(s, k + 1);
    if (c == '\0' || stops.find(c) != std::string_view::npos)
      continue;
    if (mark == '.' && PeriodTakesNoBlank(s, k))
      continue;
    if (text::Length(s) + 1 > kRowTextLimit)
      return;  // the row could not hold another blank
    text::Insert(" ", working.text, k + 1);
    ++working.findings;
    working.changed = true;
  }
}

void InsertBlanksAfterPunctuation(WorkingText& working) {
  const std::string orig = working.text;
  const bool was_changed = working.changed;
  working.changed = false;
  const int dot = Find(working, ".");
  if (dot > 0 && dot != Find(working, ".com") && dot != Find(working, ".hu"))
    InsertBlanksAfterMark('.', kPeriodCommaStops, working, dot);
  if (const int comma = Find(working, ","); comma > 0)
    InsertBlanksAfterMark(',', kPeriodCommaStops, working, comma);
  if (const int exclam = Find(working, "!"); exclam > 0)
    InsertBlanksAfterMark('!', kExclamQuestionStops, working, exclam);
  if (const int question = Find(working, "?"); question > 0)
    InsertBlanksAfterMark('?', kExclamQuestionStops, working, question);
  if (working.changed)
    WriteEntry(working, orig);
  working.changed = working.changed || was_changed;
}

void JoinShortRow(WorkingText& working) {
  const std::string& s = working.text;
  if (s.empty() || text::Length(s) >= 37 || Find(working, "|") == 0 || Find(working, "-") != 0)
    return;
  if (MeasureLines(s)[2] != 0) {
    for (int pos = Find(working, "|"); pos > 0; pos = Find(working, "|")) {
      if (!LoggedReplaceChar(working, pos, ' '))
        return;
    }
    return;
  }
  const int line_break = Find(working, "|");
  const std::string line1 = text::Copy(s, 1, line_break - 1);
  if (text::Pos(".", line1) != 0 || text::Pos("?", line1) != 0 || text::Pos("!", line1) != 0)
    return;
  if (Find(working, "Felirat:") != 0 || Find(working, "fordította") != 0 ||
      Find(working, "Fordította") != 0)
    return;
  LoggedReplaceSpan(working, line_break, 1, " ");
}

void LowerLToCapitalI(WorkingText& working) {
  LToIBlock(working, "l'");
  LToIBlock(working, "l ");
}

void RemoveAccents(WorkingText& working) {
  MapCharacters(working, kAccentedLowerVowels, kPlainLowerVowels);
  MapCharacters(working, kAccentedUpperVowels, kPlainUpperVowels);
}

void LowerAllLetters(WorkingText& working) {
  MapCharacters(working, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz");
  MapCharacters(working, kAccentedUpperVowels, kAccentedLowerVowels);
}

void HalveLine(WorkingText& working) {
  constexpr int kLimit = 38;
  const std::string s = working.text;
  const int length = text::Length(s);
  if (text::Pos("|", s) != 0 || length <= 37 || length >= 73)
    return;
  const int lo = length - kLimit;
  const int middle = length / 2;
  if (text::CharAt(s, middle) == ' ') {
    ApplyLineBreakAt(working, s, middle);
    return;
  }
  // The search goes out from the middle both ways and stays inside the text.
  int d = middle;
  int u = middle;
  while (d >= lo || u <= kLimit) {
    if (d >= lo)
      --d;
    if (u <= kLimit)
      ++u;
    if (d >= 1 && text::CharAt(s, d) == ' ') {
      ApplyLineBreakAt(working, s, d);
      return;
    }
    if (u <= length && text::CharAt(s, u) == ' ') {
      ApplyLineBreakAt(working, s, u);
      return;
    }
  }
}

void RemoveBlanksBeforeMarks(WorkingText& working) {
  for (std::string_view pattern : {" ?", "\xA0?", " !", "\xA0!"}) {
    if (const int pos = Find(working, pattern); pos > 0)
      LoggedDeleteChar(working, pos);
  }
  const int dot = Find(working, " .");
  if (dot > 0 && CharAt(working, dot + 2) != '.')
    LoggedDeleteChar(working, dot);
}

}  // namespace corrections
