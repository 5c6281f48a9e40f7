#include "editor/rules/row_text.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "formats/line_parsers.h"
#include "platform/text/text.h"

namespace editor {

namespace {

std::uint8_t AsLength(std::size_t length) {
  return static_cast<std::uint8_t>(std::min<std::size_t>(length, 255));
}

}  // namespace

namespace {

constexpr std::size_t kLines = std::tuple_size_v<LineLengthArray>;

// The lengths SplitLineLengths gives, gathered in one number, a byte each from the lowest: the
// lengths are not written a byte at a time just before they are read whole.
std::uint64_t GatherLineLengths(std::string_view row_text) {
  std::uint64_t gathered = 0;
  std::size_t k = 0;  // line breaks met
  std::size_t line_start = 0;
  const auto add_line = [&](std::size_t end) {
    gathered |= std::uint64_t{AsLength(end - line_start)} << (8 * k);
  };
  // A line break at `at`; true once every recorded line is measured.
  const auto line_break = [&](std::size_t at) {
    add_line(at);
    line_start = at + 1;
    return ++k == kLines;
  };
  const char* const chars = row_text.data();
  const std::size_t size = row_text.size();
  std::size_t at = 0;
#if defined(__SSE2__)
  // Sixteen characters at a time: the line breaks among them one after another.
  const __m128i bar = _mm_set1_epi8('|');
  for (; at + 16 <= size; at += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chars + at));
    for (auto found = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, bar)));
         found != 0; found &= found - 1) {
      if (line_break(at + static_cast<std::size_t>(std::countr_zero(found))))
        return gathered;
    }
  }
#endif
  for (; at < size; ++at) {
    if (chars[at] == '|' && line_break(at))
      return gathered;
  }
  if (size > 0)
    add_line(size);
  return gathered;
}

std::uint8_t LengthOfLine(std::uint64_t gathered, std::size_t line) {
  return static_cast<std::uint8_t>(gathered >> (8 * line));
}

}  // namespace

LineLengthArray SplitLineLengths(std::string_view row_text) {
  const std::uint64_t gathered = GatherLineLengths(row_text);
  LineLengthArray lengths;
  for (std::size_t i = 0; i < kLines; ++i)
    lengths[i] = LengthOfLine(gathered, i);
  return lengths;
}

std::vector<std::string> RowTextLines(std::string_view row_text) {
  std::vector<std::string> lines;
  std::size_t line_start = 0;
  for (std::size_t i = 0; i <= row_text.size(); ++i) {
    if (i == row_text.size() || row_text[i] == '|') {
      lines.emplace_back(row_text.substr(line_start, i - line_start));
      line_start = i + 1;
    }
  }
  return lines;
}

std::string LetterCountLabel(std::string_view row_text) {
  const std::vector<std::string> lines = RowTextLines(row_text);
  const auto separators = static_cast<int64_t>(lines.size()) - 1;
  const auto letters = static_cast<int64_t>(row_text.size()) - separators;
  std::string label;
  if (separators > 0) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (i > 0)
        label += '+';
      label += text::IntToStr(static_cast<int64_t>(lines[i].size()));
    }
    label += '=';
  }
  label += text::IntToStr(letters);
  label += " betű";
  return label;
}

std::string MemoTextToRowText(std::string_view memo_text) {
  std::string row_text;
  row_text.reserve(memo_text.size());
  for (char ch : memo_text) {
    if (ch == '\r')
      continue;
    row_text += ch == '\n' ? '|' : ch;
  }
  return row_text;
}

std::string RowTextToMemoText(std::string_view row_text) {
  std::string memo_text;
  memo_text.reserve(row_text.size() + 16);
  for (char ch : row_text) {
    if (ch == '|')
      memo_text += "\r\n";
    else
      memo_text += ch;
  }
  return memo_text;
}

std::string DropLeadingBreaks(std::string_view row_text) {
  return std::string(files::WithoutLeadingBreaks(row_text));
}

RowFlags MeasureRowFlags(const LineLengthArray& lengths, int letter_limit) {
  RowFlags flags;
  for (std::size_t i = 0; i < lengths.size(); ++i) {
    if (lengths[i] > letter_limit)
      flags.long_line = true;
    if (i >= 2 && lengths[i] > 0)
      flags.many_lines = true;
  }
  return flags;
}

RowFlags MeasureRowFlags(std::string_view row_text, int letter_limit) {
  const std::uint64_t gathered = GatherLineLengths(row_text);
  RowFlags flags;
  for (std::size_t i = 0; i < kLines; ++i) {
    if (LengthOfLine(gathered, i) > letter_limit)
      flags.long_line = true;
  }
  // Line 3, 4 or 5 not empty.
  flags.many_lines = (gathered >> 16) != 0;
  return flags;
}

}  // namespace editor
