#include "corrections/rules/line_breaking.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "corrections/rules/logged_edits.h"
#include "platform/text/text.h"
#include "timecode/timecode.h"

namespace corrections {

namespace {

constexpr std::int64_t kHalfSecondMs = 500;

bool IsPunctuation(char c) {
  return c == ',' || c == '.' || c == '!' || c == '?';
}

void SetAt(std::string& s, int pos, char c) {
  if (pos >= 1 && pos <= text::Length(s))
    s[static_cast<std::size_t>(pos - 1)] = c;
}

// The n-th line (1-based) of a row text; "" when it has fewer lines.
std::string Line(std::string_view text, int n) {
  std::size_t from = 0;
  for (int i = 1; i < n; ++i) {
    const std::size_t bar = text.find('|', from);
    if (bar == std::string_view::npos)
      return {};
    from = bar + 1;
  }
  const std::size_t bar = text.find('|', from);
  return std::string(text.substr(from, bar == std::string_view::npos ? text.npos : bar - from));
}

std::string Lines(std::string_view text, int first, int last) {
  std::string joined = Line(text, first);
  for (int n = first + 1; n <= last; ++n)
    joined += "|" + Line(text, n);
  return joined;
}

bool Holds(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

bool HasBreak(std::string_view text) {
  return text.find('|') != std::string_view::npos;
}

// The break search shared by BreakAtBlankNearMiddle and RebreakAtBlankNearMiddle, from the
// length test on.
bool BreakAtBlank(std::string& text, int limit) {
  const int length = text::Length(text);
  if (length <= limit || length >= 2 * limit - 1)
    return false;
  const int low = length - limit;
  const int middle = length / 2;
  if (text::CharAt(text, middle) == ' ') {
    SetAt(text, middle, '|');
    return true;
  }
  int down = middle;
  int up = middle;
  while (!(down < low && up > limit)) {
    if (down >= low)
      --down;
    if (up <= limit)
      ++up;
    const bool blank_down = down >= 1 && text::CharAt(text, down) == ' ';
    const bool blank_up = up <= length && text::CharAt(text, up) == ' ';
    if (blank_down && blank_up) {
      if (down - 1 <= limit && length - down <= limit) {
        SetAt(text, down, '|');
        return true;
      }
      if (up - 1 <= limit && length - up + 1 <= limit) {
        SetAt(text, up, '|');
        return true;
      }
    } else if (blank_down) {
      SetAt(text, down, '|');
      return true;
    } else if (blank_up) {
      SetAt(text, up, '|');
      return true;
    }
  }
  return false;
}

// A punctuation candidate at `k` is refused when the text's first "</i>" begins right after
// it.
bool ItalicEndFollows(std::string_view text, int k) {
  return text::Pos("</i>", text) == k + 1;
}

std::string TimesLine(std::string_view start, std::string_view end) {
  return std::string(start) + "-->" + std::string(end);
}

void LogSplitHead(ChangeList& list, std::string_view kind, int row_number, const RowView& row) {
  list.push_back("");
  list.push_back("Javítás jellege: " + std::string(kind) + " soros");
  AddRowLine(list, row_number);
  list.push_back("Miből:");
  list.push_back(TimesLine(row.start, row.end));
  list.push_back(row.text);
  list.push_back("Mire:");
}

void LogPart(ChangeList& list, const RowView& part) {
  list.push_back(TimesLine(part.start, part.end));
  list.push_back(part.text);
}

// The seven-line entry of a row re-broken in place.
void LogInPlace(ChangeList& list, std::string_view kind, int row_number, std::string_view orig,
                std::string_view work) {
  list.push_back("");
  list.push_back("Javítás jellege: " + std::string(kind) + " soros");
  AddRowLine(list, row_number);
  list.push_back("Miből:");
  list.push_back(orig);
  list.push_back("Mire:");
  list.push_back(work);
}

// Rows too short in time to be split: listed, counted, left as they are.
bool RefusedAsTooShort(const RowView& row, int row_number, BreakCounters& counters,
                       ChangeList& list) {
  const std::int64_t span = timecode::TimeCodeToMs(row.end) - timecode::TimeCodeToMs(row.start);
  if (span > kHalfSecondMs)
    return false;
  ++counters.unbreakable;
  list.push_back("");
  AddRowLine(list, row_number);
  list.push_back("A kezdési idő és a befejezési idő különbsége kisebb mint 0.5 mp!");
  list.push_back("Emiatt nem tudtam szétszedni a sort!");
  list.push_back(TimesLine(row.start, row.end));
  list.push_back(row.text);
  return true;
}

RowBreak InPlace(const RowView& row, std::string text) {
  return RowBreak{{RowView{row.start, row.end, std::move(text)}}};
}

bool StartsWithItalic(std::string_view text) {
  return text.starts_with("<i>");
}

// The piece's first "</i>" is its last four characters.
bool FirstItalicEndEnds(std::string_view text) {
  const int pos = text::Pos("</i>", text);
  return pos > 0 && pos + 3 == text::Length(text);
}

void BreakIfLong(std::string& piece, int limit) {
  int uncounted = 0;
  if (text::Length(piece) > limit)
    BreakAtBlankNearMiddle(piece, limit, uncounted);
}

}  // namespace

// ---- Text routines ----------------------------------------------------------------------------

void BreakAtBlankNearMiddle(std::string& text, int limit, int& counter) {
  if (HasBreak(text))
    return;
  if (BreakAtBlank(text, limit))
    ++counter;
}

void RebreakAtBlankNearMiddle(std::string& text, int limit, int& counter) {
  const std::string original = text;
  if (const std::size_t bar = text.find('|'); bar != std::string::npos)
    text[bar] = ' ';
  if (BreakAtBlank(text, limit))
    ++counter;
  else
    text = original;  // no place for a break: the lines stay as they were
}

void BreakOnceNearMiddle(std::string& text, int limit, int& counter) {
  const int length = text::Length(text);
  if (length <= limit || length >= 2 * limit - 1)
    return;
  const int low = length - limit;
  int down = length / 2;
  int up = down + 1;
  while (!(down < low && up > limit)) {
    int k = 0;
    if (down >= low && IsPunctuation(text::CharAt(text, down)))
      k = down;
    else if (up <= limit && IsPunctuation(text::CharAt(text, up)))
      k = up;
    if (k > 0 && !ItalicEndFollows(text, k) && k != length && text::CharAt(text, k + 1) != '.') {
      text::Insert("|", text, k + 1);
      if (text::CharAt(text, k + 2) == ' ')
        text::Delete(text, k + 2, 1);
      ++counter;
      return;
    }
    if (down >= 1 && text::CharAt(text, down) == ' ') {
      SetAt(text, down, '|');
      ++counter;
      return;
    }
    if (up <= length && text::CharAt(text, up) == ' ') {
      SetAt(text, up, '|');
      ++counter;
      return;
    }
    --down;
    ++up;
  }
}

void SplitAtPunctuation(std::string& text, int limit, std::string& piece1, std::string& piece2,
                        int& counter) {
  piece1.clear();
  piece2.clear();
  const int length = text::Length(text);
  const int half_width = 54 - limit;
  const int steps = half_width <= 0 ? 1 : half_width + 1;
  const int middle = length / 2;
  auto walk = [&](auto accepts) {
    for (int j = 0; j < steps; ++j) {
      for (const int k : {middle - j, middle + 1 + j}) {
        if (k >= 1 && k <= length && accepts(k))
          return k;
      }
    }
    return 0;
  };
  int cut = walk([&](int k) {
    return IsPunctuation(text::CharAt(text, k)) && text::CharAt(text, k + 1) != '.' &&
           !ItalicEndFollows(text, k);
  });
  if (cut > 0) {
    piece1 = text::Copy(text, 1, cut);
    text::Delete(text, 1, cut);
    if (text::CharAt(text, 1) == ' ')
      text::Delete(text, 1, 1);
  } else {
    cut = walk([&](int k) { return text::CharAt(text, k) == ' '; });
    if (cut == 0)
      return;
    piece1 = text::Copy(text, 1, cut);
    text::Delete(text, 1, cut);
  }
  if (text::Length(piece1) > limit)
    BreakOnceNearMiddle(piece1, limit, counter);
  piece2 = text;
  if (text::Length(piece2) > limit)
    BreakOnceNearMiddle(piece2, limit, counter);
}

void JoinFirstTwoBreaks(std::string& text) {
  for (int i = 0; i < 2; ++i) {
    if (const std::size_t bar = text.find('|'); bar != std::string::npos)
      text[bar] = ' ';
  }
}

bool TryJoinLines12(std::string& text, int limit) {
  const std::size_t bar = text.find('|');
  if (bar == std::string::npos)
    return false;
  std::string joined = text;
  joined[bar] = ' ';
  const int next = text::Pos("|", joined);
  if (next == 0 || next > limit)
    return false;
  text = std::move(joined);
  return true;
}

bool TryJoinLines23(std::string& text, int limit) {
  const std::size_t first = text.find('|');
  if (first == std::string::npos)
    return false;
  const std::size_t second = text.find('|', first + 1);
  if (second == std::string::npos)
    return false;
  std::string joined = text;
  joined[second] = ' ';
  if (text::Length(Line(joined, 2)) > limit)
    return false;
  text = std::move(joined);
  return true;
}

// ---- Rows -------------------------------------------------------------------------------------

int LengthRatio(std::string_view piece, std::string_view whole) {
  if (whole.empty())
    return 0;
  return static_cast<int>(piece.size() * 100 / whole.size());
}

RowBreak RetimeTwoRowSplit(const RowView& row, int row_number, std::string_view kind,
                           std::string piece1, std::string piece2, ChangeList& list) {
  const int ratio = LengthRatio(piece1, row.text);
  const std::int64_t start = timecode::TimeCodeToMs(row.start);
  const std::int64_t end = timecode::TimeCodeToMs(row.end);
  std::int64_t cut = start + (end - start) * ratio / 100;
  if (cut - start < kHalfSecondMs) {
    const std::int64_t short_by = kHalfSecondMs - (cut - start);
    if (end - (cut + short_by) > kHalfSecondMs)
      cut = start + kHalfSecondMs;
  } else if (end - cut < kHalfSecondMs) {
    const std::int64_t short_by = kHalfSecondMs - (end - cut);
    if ((cut - short_by) - start > kHalfSecondMs)
      cut -= short_by;
  }
  const std::string cut_code = timecode::MsToTimeCode(cut);
  RowBreak split{{RowView{row.start, cut_code, std::move(piece1)},
                  RowView{cut_code, row.end, std::move(piece2)}}};
  LogSplitHead(list, kind, row_number, row);
  for (const RowView& part : split.rows)
    LogPart(list, part);
  return split;
}

RowBreak RetimeThreeRowSplit(const RowView& row, int row_number, std::string piece1,
                             std::string piece2, std::string piece3, ChangeList& list) {
  const int ratio1 = LengthRatio(piece1, row.text);
  const int ratio2 = LengthRatio(piece2, row.text);
  const std::int64_t start = timecode::TimeCodeToMs(row.start);
  const std::int64_t span = timecode::TimeCodeToMs(row.end) - start;
  const std::int64_t cut1 = start + span * ratio1 / 100;
  const std::int64_t cut2 = cut1 + span * ratio2 / 100;
  const std::string code1 = timecode::MsToTimeCode(cut1);
  const std::string code2 = timecode::MsToTimeCode(cut2);
  RowBreak split{{RowView{row.start, code1, std::move(piece1)},
                  RowView{code1, code2, std::move(piece2)},
                  RowView{code2, row.end, std::move(piece3)}}};
  LogSplitHead(list, "1", row_number, row);
  for (const RowView& part : split.rows)
    LogPart(list, part);
  return split;
}

namespace {

// Three lines, each within the limit: joined into fewer lines, else split after line 1 or 2.
RowBreak BreakThreeShortLines(const RowView& row, int row_number, int limit,
                              BreakCounters& counters, ChangeList& list) {
  const std::string& orig = row.text;
  std::string work = orig;
  bool joined = false;
  if (text::Length(work) <= limit) {
    JoinFirstTwoBreaks(work);
    joined = true;
  } else if (text::Length(work) < 65 && limit < 65 && !work.starts_with('-')) {
    joined = TryJoinLines12(work, limit) || TryJoinLines23(work, limit);
  }
  if (joined) {
    ++counters.three_line;
    LogInPlace(list, "3", row_number, orig, work);
    return InPlace(row, std::move(work));
  }
  const std::string line2 = Line(orig, 2);
  std::string piece1;
  std::string piece2;
  if (!line2.empty() && std::string_view(".!?\"").find(line2.back()) != std::string_view::npos) {
    piece1 = Lines(orig, 1, 2);
    piece2 = Line(orig, 3);
  } else {
    piece1 = Line(orig, 1);
    piece2 = Lines(orig, 2, 3);
  }
  if (StartsWithItalic(piece1) && FirstItalicEndEnds(piece2)) {
    piece1 += "</i>";
    piece2 = "<i>" + piece2;
    int uncounted = 0;
    if (text::Length(piece1) > limit) {
      if (HasBreak(piece1))
        RebreakAtBlankNearMiddle(piece1, limit, uncounted);
      else
        BreakAtBlankNearMiddle(piece1, limit, uncounted);
    }
    BreakIfLong(piece2, limit);
  }
  ++counters.three_line;
  return RetimeTwoRowSplit(row, row_number, "3", std::move(piece1), std::move(piece2), list);
}

// Three lines, at least one longer than the limit.
RowBreak BreakThreeLongLines(const RowView& row, int row_number, int limit, BreakCounters& counters,
                             ChangeList& list) {
  const std::string& orig = row.text;
  if (text::Length(orig) <= 2 * limit && !orig.starts_with('-')) {
    std::string work = orig;
    JoinFirstTwoBreaks(work);
    BreakAtBlankNearMiddle(work, limit, counters.three_line);
    const LineLengths lengths = MeasureLines(work);
    if (lengths[0] <= limit && lengths[1] <= limit && lengths[2] == 0) {
      LogInPlace(list, "3", row_number, orig, work);
      return InPlace(row, std::move(work));
    }
  }
  const LineLengths lengths = MeasureLines(orig);
  const bool long1 = lengths[0] > limit;
  const bool long2 = lengths[1] > limit;
  const bool long3 = lengths[2] > limit;
  const int counted_before = counters.three_line;
  std::string piece1;
  std::string piece2;
  std::string piece3;
  auto broken = [&](std::string piece) {
    BreakAtBlankNearMiddle(piece, limit, counters.three_line);
    return piece;
  };
  if (long1 && !long2 && !long3) {
    piece1 = broken(Line(orig, 1));
    piece2 = Lines(orig, 2, 3);
  } else if (!long1 && long2 && !long3) {
    piece1 = Line(orig, 1);
    piece2 = broken(Line(orig, 2));
    piece3 = Line(orig, 3);
  } else if (!long1 && !long2 && long3) {
    piece1 = Lines(orig, 1, 2);
    piece2 = broken(Line(orig, 3));
  } else {
    piece1 = long1 ? broken(Line(orig, 1)) : Line(orig, 1);
    piece2 = long2 ? broken(Line(orig, 2)) : Line(orig, 2);
    piece3 = long3 ? broken(Line(orig, 3)) : Line(orig, 3);
  }
  counters.three_line = std::min(counters.three_line, counted_before + 1);
  if (!piece3.empty()) {
    if (StartsWithItalic(piece1) && FirstItalicEndEnds(piece3)) {
      piece1 += "</i>";
      piece2 = "<i>" + piece2 + "</i>";
      piece3 = "<i>" + piece3;
      BreakIfLong(piece1, limit);
      BreakIfLong(piece2, limit);
      BreakIfLong(piece3, limit);
    }
    return RetimeThreeRowSplit(row, row_number, std::move(piece1), std::move(piece2),
                               std::move(piece3), list);
  }
  if (piece2.empty())
    return {};
  if (StartsWithItalic(piece1) && FirstItalicEndEnds(piece2)) {
    piece1 += "</i>";
    piece2 = "<i>" + piece2;
    BreakIfLong(piece1, limit);
    BreakIfLong(piece2, limit);
  }
  return RetimeTwoRowSplit(row, row_number, "3", std::move(piece1), std::move(piece2), list);
}

RowBreak BreakTwoLines(const RowView& row, int row_number, int limit, BreakCounters& counters,
                       ChangeList& list) {
  const std::string& orig = row.text;
  if (text::Length(orig) < 2 * limit && orig.find('-') == std::string::npos) {
    std::string work = orig;
    RebreakAtBlankNearMiddle(work, limit, counters.two_line);
    const LineLengths lengths = MeasureLines(work);
    if (lengths[0] < limit && lengths[1] < limit) {
      list.push_back("");
      list.push_back("Javítás jellege: 2 soros");
      AddRowLine(list, row_number);
      list.push_back("Miből: ", orig);
      list.push_back(kAfterLabelWide, work);
      return InPlace(row, std::move(work));
    }
  }
  std::string piece1 = Line(orig, 1);
  std::string piece2 = Line(orig, 2);
  if (Holds(piece1, "<i>") && !Holds(piece1, "</i>"))
    piece1 += "</i>";
  if (Holds(piece2, "</i>") && !Holds(piece2, "<i>"))
    piece2 = "<i>" + piece2;
  if (RefusedAsTooShort(row, row_number, counters, list))
    return {};
  const int counted_before = counters.two_line;
  if (text::Length(piece1) > limit)
    BreakOnceNearMiddle(piece1, limit, counters.two_line);
  if (text::Length(piece2) > limit)
    BreakOnceNearMiddle(piece2, limit, counters.two_line);
  if (counters.two_line == counted_before + 2)
    --counters.two_line;
  return RetimeTwoRowSplit(row, row_number, "2", std::move(piece1), std::move(piece2), list);
}

RowBreak BreakOneLine(const RowView& row, int row_number, int limit, BreakCounters& counters,
                      ChangeList& list) {
  const std::string& orig = row.text;
  std::string work = orig;
  BreakOnceNearMiddle(work, limit, counters.one_line);
  const LineLengths lengths = MeasureLines(work);
  if (lengths[0] <= limit && lengths[1] <= limit) {
    LogInPlace(list, "1", row_number, orig, work);
    return InPlace(row, std::move(work));
  }
  if (RefusedAsTooShort(row, row_number, counters, list))
    return {};
  work = orig;
  std::string piece1;
  std::string piece2;
  SplitAtPunctuation(work, limit, piece1, piece2, counters.one_line);
  if (piece2.empty())
    return {};
  ++counters.one_line;
  return RetimeTwoRowSplit(row, row_number, "1", std::move(piece1), std::move(piece2), list);
}

}  // namespace

RowBreak BreakRowAggressively(const RowView& row, int row_number, int limit,
                              BreakCounters& counters, ChangeList& list) {
  const LineLengths lengths = MeasureLines(row.text);
  const bool too_long = lengths[0] > limit || lengths[1] > limit || lengths[2] > 0;
  if (!too_long || lengths[3] != 0 || lengths[4] != 0)
    return {};
  if (lengths[2] > 0) {
    if (lengths[0] <= limit && lengths[1] <= limit && lengths[2] <= limit)
      return BreakThreeShortLines(row, row_number, limit, counters, list);
    return BreakThreeLongLines(row, row_number, limit, counters, list);
  }
  if (lengths[1] > 0)
    return BreakTwoLines(row, row_number, limit, counters, list);
  return BreakOneLine(row, row_number, limit, counters, list);
}

RowBreak SplitFourLineRow(const RowView& row, int row_number, ChangeList& list) {
  const LineLengths lengths = MeasureLines(row.text);
  if (lengths[3] == 0 || lengths[4] != 0)
    return {};
  return RetimeTwoRowSplit(row, row_number, "2", Lines(row.text, 1, 2), Lines(row.text, 3, 4),
                           list);
}

}  // namespace corrections
