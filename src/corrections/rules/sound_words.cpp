#include "corrections/rules/sound_words.h"

#include <array>

#include "platform/text/text.h"

namespace corrections {

namespace {

constexpr std::array<std::string_view, 3> kCreditMarkers = {
    "Transcript : Vemko-csapat", "Transcript: Vemko-csapat", "www.feliratok.example"};

// A row keeps changing only while its text shrinks; this many turns end it all the same.
constexpr int kTurnLimit = 1000;

// The last "|" before `pos`, 0 when there is none.
int LastBreakBefore(std::string_view s, int pos) {
  for (int i = pos - 1; i >= 1; --i) {
    if (text::CharAt(s, i) == '|')
      return i;
  }
  return 0;
}

// Every "l" between two capitals A to Z becomes "I", from the first "l" on, stopping at the
// first "l" that is not so placed.
std::string MendCapitalName(std::string label) {
  for (int i = text::Pos("l", label); i >= 1; i = text::PosFrom("l", label, i + 1)) {
    if (!text::IsUpperAsciiLetter(text::CharAt(label, i - 1)) ||
        !text::IsUpperAsciiLetter(text::CharAt(label, i + 1)))
      break;
    label[static_cast<std::size_t>(i - 1)] = 'I';
  }
  return label;
}

bool IsName(std::string_view label) {
  const std::string mended = MendCapitalName(std::string(label));
  if (text::UpperCase(mended) == mended)
    return true;
  return mended.starts_with("<i>") && "<i>" + text::UpperCase(mended.substr(3)) == mended;
}

void Replace(std::string& s, int pos, int count, std::string_view with) {
  text::Delete(s, pos, count);
  text::Insert(with, s, pos);
}

// 1. ":|" at the start goes.
void LeadingColonBreak(SoundWordRow& row) {
  if (row.text.starts_with(":|")) {
    text::Delete(row.text, 1, 2);
    row.pending = kPendingStore;
  }
}

// 2. A speaker label before the first colon: a name is cut out (a dialogue dash takes its place
// where a blank or line break follows), another label marks the row critical.
void SpeakerLabel(SoundWordRow& row) {
  std::string& s = row.text;
  int colon = text::Pos(":", s);
  if (colon <= 1)
    return;
  // The label begins after the last line break before the colon, so a colon on a later line
  // takes only its own line's label.
  const int line_break = LastBreakBefore(s, colon);
  std::string label;
  if (line_break > 0) {
    label = text::Copy(s, line_break + 1, colon - line_break - 1);
  } else {
    label = text::Copy(s, 1, colon - 1);
    if (label.starts_with(' ')) {
      label.erase(0, 1);
      text::Delete(s, 1, 1);
      --colon;
    }
  }
  if (label.empty())
    return;
  if ((text::IsDigit(label.front()) || text::IsDigit(label.back())) &&
      text::Pos("MAN 1", label) == 0 && text::Pos("MAN 2", label) == 0) {
    row.pending = kPendingCritical;
    return;
  }
  if (!IsName(label)) {
    if (!s.starts_with('('))
      row.pending = kPendingCritical;
    return;
  }
  row.rerun = true;
  row.pending = kPendingStore;
  const bool italic = line_break == 0 && label.starts_with("<i>");
  const char after = text::CharAt(s, colon + 1);
  if (after == ' ' || after == '|') {
    if (line_break > 0) {
      Replace(s, line_break + 1, colon + 1 - line_break, "- ");
    } else if (italic) {
      text::Delete(s, 4, colon - 3);
      if (text::CharAt(s, 4) == '|' || text::CharAt(s, 4) == ' ')
        text::Delete(s, 4, 1);
      text::Insert("- ", s, 4);
    } else {
      Replace(s, 1, colon + 1, "- ");
      if (text::CharAt(s, 3) == '|')
        text::Delete(s, 3, 1);
    }
  } else if (line_break > 0) {
    Replace(s, line_break + 1, colon - line_break, "- ");
  } else if (italic) {
    text::Delete(s, 4, colon - 3);
  } else {
    text::Delete(s, 1, colon);
  }
}

// 2a (extra variant). A short label of any letter case before a colon at position 2 to 8 goes
// with the blank or line break after it; a leading "<i>" stays.
void ShortLabel(SoundWordRow& row) {
  std::string& s = row.text;
  const int colon = text::Pos(":", s);
  if (colon < 2 || colon > 8 || text::Pos("(", s) != 0 || text::Pos("[", s) != 0)
    return;
  const int from = s.starts_with("<i>") ? 4 : 1;
  const std::string label = text::Copy(s, from, colon - from);
  if (label.empty() || text::Pos("|", label) != 0 || text::IsDigit(label.front()) ||
      text::IsDigit(label.back()))
    return;
  text::Delete(s, from, colon - from + 1);
  if (text::CharAt(s, from) == ' ' || text::CharAt(s, from) == '|')
    text::Delete(s, from, 1);
  row.pending = kPendingStore;
  row.rerun = true;
}

struct Brackets {
  std::string_view open;
  std::string_view close;
};
constexpr Brackets kParenthesis{"(", ")"};
constexpr Brackets kSquare{"[", "]"};

// Where a bracketed part at the start may open.
enum class OpensAt {
  kFirstPlace,              // only as the text's first character
  kFirstPlaceOrAfterBlank,  // there, or second after a leading blank
};

// 3 and 8. A bracketed part at the start: filling the row it deletes the row, followed by a
// line break, blank or colon it goes with that character.
void BracketAtStart(SoundWordRow& row, Brackets b, OpensAt opens_at) {
  std::string& s = row.text;
  const int open = text::Pos(b.open, s);
  if (!(open == 1 ||
        (opens_at == OpensAt::kFirstPlaceOrAfterBlank && open == 2 && s.front() == ' ')))
    return;
  const int close = text::Pos(b.close, s);
  if (close < open)
    return;
  if (close == text::Length(s)) {
    s.clear();
    row.pending = kPendingDelete;
    row.rerun = true;
    return;
  }
  const char after = text::CharAt(s, close + 1);
  if (after != '|' && after != ' ' && after != ':')
    return;
  text::Delete(s, 1, close + 1);
  row.rerun = true;
  if (s.empty()) {
    row.pending = kPendingDelete;
  } else {
    if (s.front() == '|')
      text::Delete(s, 1, 1);
    row.pending = kPendingStore;
  }
}

// 4 and 9. A bracketed part ending the row, after a line break or blank, goes with that
// character; a dialogue dash it leaves alone at the end goes too.
void BracketAtEnd(SoundWordRow& row, Brackets b, int open_after) {
  std::string& s = row.text;
  const int close = text::Pos(b.close, s);
  const int open = text::Pos(b.open, s);
  if (close == 0 || close != text::Length(s) || open <= open_after || open > close)
    return;
  const char before = text::CharAt(s, open - 1);
  if (before != '|' && before != ' ')
    return;
  row.pending = kPendingStore;
  text::Delete(s, open - 1, text::Length(s));
  const int dash = text::Pos("|-", s);
  if (dash > 0 && dash + 1 == text::Length(s)) {
    text::Delete(s, dash, 2);
    row.dash_advice = true;
  }
  row.rerun = true;
}

// 5. "<i>(" at the start: the parenthesis goes, and an italic span left empty with it.
void ItalicParenthesis(SoundWordRow& row) {
  std::string& s = row.text;
  const int close = text::Pos(")", s);
  if (!s.starts_with("<i>(") || close == 0)
    return;
  row.pending = kPendingStore;
  text::Delete(s, 4, close - 3);
  if (text::CharAt(s, 4) == ' ')
    text::Delete(s, 4, 1);
  if (text::Pos("</i>", s) == 4) {
    text::Delete(s, 1, 7);
    if (s.empty())
      row.pending = kPendingDelete;
  } else if (text::CharAt(s, 4) == '|') {
    text::Delete(s, 4, 1);
  }
  row.rerun = true;
}

// 6 and 10. "- (" before the first ")": the dialogue line's sound description goes.
void DialogueBracket(SoundWordRow& row, Brackets b) {
  std::string& s = row.text;
  const int dash = text::Pos("- " + std::string(b.open), s);
  const int close = text::Pos(b.close, s);
  if (dash == 0 || close == 0 || dash >= close)
    return;
  row.pending = kPendingStore;
  if (close == text::Length(s)) {
    text::Delete(s, dash, text::Length(s));
    if (s.empty())
      row.pending = kPendingDelete;
    else if (s.front() == '|')
      text::Delete(s, 1, 1);
  } else {
    text::Delete(s, dash + 2, close - dash - 1);
    if (text::CharAt(s, dash + 2) == ' ')
      text::Delete(s, dash + 2, 1);
    else if (text::CharAt(s, dash + 2) == '|')
      text::Delete(s, dash, 3);
  }
  row.rerun = true;
}

// 7 and 11. A bracketed part inside a line goes with a blank on either side.
void InnerBracket(SoundWordRow& row, Brackets b) {
  std::string& s = row.text;
  const int open = text::Pos(b.open, s);
  if (open <= 1)
    return;
  const int close = text::PosFrom(b.close, s, open + 1);
  if (close == 0)
    return;
  row.pending = kPendingStore;
  text::Delete(s, open, close - open + 1);
  if (text::CharAt(s, open - 1) == ' ')
    text::Delete(s, open - 1, 1);
  if (text::CharAt(s, open) == ' ')
    text::Delete(s, open, 1);
  row.rerun = true;
}

// 12. An italic span with nothing in it deletes the row.
void EmptyItalicSpan(SoundWordRow& row) {
  if (row.text == "<i></i>") {
    row.text.clear();
    row.pending = kPendingDelete;
  }
}

}  // namespace

void RunSoundWordTurn(SoundWordRow& row, SoundWordRules rules) {
  row.rerun = false;
  LeadingColonBreak(row);
  SpeakerLabel(row);
  if (rules.short_labels)
    ShortLabel(row);
  BracketAtStart(row, kParenthesis, OpensAt::kFirstPlaceOrAfterBlank);
  BracketAtEnd(row, kParenthesis, 3);
  ItalicParenthesis(row);
  DialogueBracket(row, kParenthesis);
  if (!row.rerun)
    InnerBracket(row, kParenthesis);
  BracketAtStart(row, kSquare, OpensAt::kFirstPlace);
  BracketAtEnd(row, kSquare, 4);
  DialogueBracket(row, kSquare);
  if (!row.rerun)
    InnerBracket(row, kSquare);
  EmptyItalicSpan(row);
}

void RunSoundWordTurns(SoundWordRow& row, SoundWordRules rules) {
  for (int turn = 0; turn < kTurnLimit; ++turn) {
    RunSoundWordTurn(row, rules);
    if (!row.rerun)
      return;
  }
}

bool HoldsCreditMarker(std::string_view text) {
  for (std::string_view marker : kCreditMarkers) {
    if (text::Pos(marker, text) != 0)
      return true;
  }
  return false;
}

}  // namespace corrections
