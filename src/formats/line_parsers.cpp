#include "formats/line_parsers.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/text/text.h"
#include "timecode/timecode.h"

namespace files {

namespace {

// The character at a 1-based position; NUL outside the line.
char At(std::string_view line, int pos) {
  return pos >= 1 && static_cast<std::size_t>(pos) <= line.size()
             ? line[static_cast<std::size_t>(pos - 1)]
             : '\0';
}

bool HasTimeLineFrame(std::string_view line) {
  return line.size() >= kTimeLineLength && At(line, 3) == ':' && At(line, 6) == ':' &&
         At(line, 20) == ':' && At(line, 23) == ':' && At(line, 14) == '-' && At(line, 15) == '-' &&
         At(line, 16) == '>';
}

bool IsWideSeparator(char ch) {
  return ch == ',' || ch == '.' || ch == ':';
}

bool IsNarrowSeparator(char ch) {
  return ch == ',' || ch == ':';
}

// Removes the blank at `pos` (0-based) when `pattern` is found; the blank is pattern[blank].
bool DropFirstBlank(std::string& text, std::string_view pattern, std::size_t blank) {
  const std::size_t found = text.find(pattern);
  if (found == std::string::npos)
    return false;
  text.erase(found + blank, 1);
  return true;
}

// Whether a blank from `start` on is one the trim drops: a blank, "," or "|" follows it, or a "|"
// comes before it. Each pair of neighbours from the one before `start` is looked at (that one is
// no blank); sixteen pairs at a time where the processor can.
bool HasBlankToDrop(std::string_view text, std::size_t start) {
  const char* const chars = text.data();
  const std::size_t size = text.size();
  std::size_t first = start > 0 ? start - 1 : 0;
#if defined(__SSE2__)
  // The sixteen pairs from `at`: 17 bytes are read.
  const auto any_of_sixteen = [](const char* at) {
    const __m128i blank = _mm_set1_epi8(' ');
    const __m128i bar = _mm_set1_epi8('|');
    const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 1));
    const __m128i next_blank = _mm_cmpeq_epi8(next, blank);
    const __m128i next_mark = _mm_or_si128(
        next_blank,
        _mm_or_si128(_mm_cmpeq_epi8(next, _mm_set1_epi8(',')), _mm_cmpeq_epi8(next, bar)));
    const __m128i found = _mm_or_si128(_mm_and_si128(_mm_cmpeq_epi8(here, blank), next_mark),
                                       _mm_and_si128(_mm_cmpeq_epi8(here, bar), next_blank));
    return _mm_movemask_epi8(found) != 0;
  };
  const std::size_t from = first;
  for (; first + 17 <= size; first += 16) {
    if (any_of_sixteen(chars + first))
      return true;
  }
  if (first + 1 >= size)
    return false;
  // The last pairs: the sixteen that end with the text's last byte, when they lie within what
  // is looked at (pairs looked at twice change nothing).
  if (size >= from + 17)
    return any_of_sixteen(chars + size - 17);
#endif
  for (std::size_t i = first; i + 1 < size; ++i) {
    const char here = chars[i];
    const char next = chars[i + 1];
    if ((here == ' ' && (next == ' ' || next == ',' || next == '|')) ||
        (here == '|' && next == ' ')) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool IsWideTimeLine(std::string_view line) {
  return HasTimeLineFrame(line) && IsWideSeparator(At(line, 9)) && IsWideSeparator(At(line, 26));
}

bool IsNarrowTimeLine(std::string_view line) {
  return HasTimeLineFrame(line) && IsNarrowSeparator(At(line, 9)) &&
         IsNarrowSeparator(At(line, 26));
}

std::int64_t ReadTimeLineTime(std::string_view line, std::size_t from, std::string& time) {
  // hh?mm?ss?mmm, the separators written as ":" ":" ",". The time is judged on the line's own
  // bytes, and a separator written only where another stands (most time lines have them
  // already): the time just written is not read back.
  if (from + 12 <= line.size()) {
    const std::string_view code = line.substr(from, 12);
    time.assign(code);
    if (code[2] != ':')
      time[2] = ':';
    if (code[5] != ':')
      time[5] = ':';
    if (code[8] != ',')
      time[8] = ',';
    return timecode::TimeCodeDigitsMs(code);
  }
  time.assign(12, '\0');
  if (from < line.size())
    line.copy(time.data(), 12, from);
  time[2] = ':';
  time[5] = ':';
  time[8] = ',';
  return timecode::TimeCodeMs(time);
}

TimeLineTimes ReadTimeLine(std::string_view line) {
  TimeLineTimes times;
  times.start_ms = ReadTimeLineTime(line, 0, times.start);
  times.end_ms = ReadTimeLineTime(line, 17, times.end);
  return times;
}

bool IsFrameValue(std::string_view value) {
  if (value.empty())
    return false;
  std::int64_t number = 0;
  for (char ch : value) {
    if (ch < '0' || ch > '9')
      return false;
    number = number * 10 + (ch - '0');
    if (number > std::numeric_limits<std::int32_t>::max())
      return false;
  }
  return true;
}

FrameLine ParseFrameLine(std::string_view line) {
  FrameLine result;
  if (line.empty() || line.front() != '{')
    return result;
  result.shape = FrameLineShape::kNoFrame;
  std::string value;
  int braces = 0;
  for (std::size_t i = 1; i < line.size(); ++i) {
    const char ch = line[i];
    if (ch == '{')
      continue;
    if (ch != '}') {
      value += ch;
      continue;
    }
    if (!IsFrameValue(value)) {
      result = FrameLine{};
      return result;
    }
    ++braces;
    if (braces == 1) {
      result.start = std::move(value);
      result.shape = FrameLineShape::kStartOnly;
      value.clear();
    } else {
      result.end = std::move(value);
      result.text = std::string(line.substr(i + 1));
      result.shape = FrameLineShape::kStartAndEnd;
      break;
    }
  }
  return result;
}

std::optional<TimeLineTimes> ReadSubViewerTimes(std::string_view line) {
  constexpr std::size_t kFormLength = 23;
  if (line.size() < kFormLength || At(line, 3) != ':' || At(line, 6) != ':' ||
      At(line, 15) != ':' || At(line, 18) != ':' || At(line, 9) != '.' || At(line, 21) != '.' ||
      At(line, 12) != ',') {
    return std::nullopt;
  }
  TimeLineTimes times;
  times.start = text::Copy(line, 1, 8) + "," + text::Copy(line, 10, 2) + "0";
  times.end = text::Copy(line, 13, 8) + "," + text::Copy(line, 22, 2) + "0";
  times.start_ms = timecode::TimeCodeMs(times.start);
  times.end_ms = timecode::TimeCodeMs(times.end);
  return times;
}

std::string_view WithoutLeadingBreaks(std::string_view text) {
  for (int i = 0; i < 2 && text.starts_with('|'); ++i)
    text.remove_prefix(1);
  return text;
}

std::string ReplaceBrTags(std::string_view text) {
  constexpr std::string_view kTag = "[br]";
  std::string result;
  result.reserve(text.size());
  std::size_t from = 0;
  for (std::size_t found = text.find(kTag); found != std::string_view::npos;
       found = text.find(kTag, from)) {
    result.append(text.substr(from, found - from));
    result += '|';
    from = found + kTag.size();
  }
  result.append(text.substr(from));
  return result;
}

bool TrimSubtitleText(std::string& text) {
  bool changed = DropFirstBlank(text, "  ", 0);
  changed = DropFirstBlank(text, " ,", 0) || changed;
  changed = DropFirstBlank(text, " |", 0) || changed;
  changed = DropFirstBlank(text, "| ", 1) || changed;
  return changed;
}

void TrimSubtitleTextFully(std::string& text) {
  TrimSubtitleTextFrom(text, 0);
}

void TrimSubtitleTextFrom(std::string& text, std::size_t trimmed) {
  // Blanks are only ever removed, never moved, so each run of blanks is judged alone by the
  // characters around it. A trimmed text stays as it is under the rules, except a run of
  // blanks at its end, whose judge is the character that now follows it.
  std::size_t start = std::min(trimmed, text.size());
  while (start > 0 && text[start - 1] == ' ')
    --start;
  // Most texts need nothing.
  if (!HasBlankToDrop(text, start))
    return;
  std::string tail;
  tail.reserve(text.size() - start);
  const bool bar_before = start > 0 && text[start - 1] == '|';
  std::size_t i = start;
  while (i < text.size()) {
    if (text[i] != ' ') {
      tail += text[i++];
      continue;
    }
    std::size_t run_end = i;
    while (run_end < text.size() && text[run_end] == ' ')
      ++run_end;
    const bool after_bar = tail.empty() ? bar_before : tail.back() == '|';
    const bool before_mark =
        run_end < text.size() && (text[run_end] == ',' || text[run_end] == '|');
    if (!after_bar && !before_mark)
      tail += ' ';
    i = run_end;
  }
  text.resize(start);
  text += tail;
}

std::string ShortenForDisplay(std::string_view text) {
  return std::string(text.substr(0, 9)) + "...";
}

}  // namespace files
