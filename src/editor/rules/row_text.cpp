#include "editor/rules/row_text.h"

#include <algorithm>

#include "formats/line_parsers.h"
#include "platform/text/text.h"

namespace editor {

namespace {

std::uint8_t AsLength(std::size_t length) {
  return static_cast<std::uint8_t>(std::min<std::size_t>(length, 255));
}

}  // namespace

LineLengthArray SplitLineLengths(std::string_view row_text) {
  LineLengthArray lengths{};
  if (row_text.empty())
    return lengths;
  std::size_t k = 0;
  std::size_t line_start = 0;
  for (std::size_t bar = row_text.find('|'); bar != std::string_view::npos;
       bar = row_text.find('|', bar + 1)) {
    ++k;
    if (k <= lengths.size())
      lengths[k - 1] = AsLength(bar - line_start);
    line_start = bar + 1;
  }
  if (k < lengths.size())
    lengths[k] = AsLength(row_text.size() - line_start);
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

}  // namespace editor
