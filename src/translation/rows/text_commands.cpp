#include "translation/rows/text_commands.h"

#include <algorithm>

#include "platform/text/text.h"
#include "translation/rows/side_parse.h"

namespace translation::rows {

std::optional<int> InsertedRowPosition(InsertCommand command, int rec_no, int row_count) {
  if (row_count < 1) {
    if (command == InsertCommand::kBefore || command == InsertCommand::kAfter)
      return 1;
    return std::nullopt;
  }
  const int current = std::clamp(rec_no, 1, row_count);
  switch (command) {
    case InsertCommand::kPopupAfter:
      // The move to the next row stays on the last row: the new row goes before it.
      return std::min(current + 1, row_count);
    case InsertCommand::kPopupBefore:
      return std::max(current - 1, 1);
    case InsertCommand::kBefore:
      return current;
    case InsertCommand::kAfter:
      return current + 1;
  }
  return std::nullopt;
}

std::optional<std::string> WithoutTagPair(std::string_view text, TagPair tags) {
  const std::size_t open = text.find(tags.open);
  if (open == std::string_view::npos)
    return std::nullopt;
  std::string result(text);
  result.erase(open, tags.open.size());
  const std::size_t close = result.find(tags.close);
  if (close != std::string::npos)
    result.erase(close, tags.close.size());
  return result;
}

std::string WithoutStyleTags(std::string_view text) {
  std::string result(text);
  for (const TagPair& tags : {kItalicTags, kBoldTags, kUnderlineTags}) {
    if (std::optional<std::string> removed = WithoutTagPair(result, tags))
      result = std::move(*removed);
  }
  return result;
}

TagToggle ToggleTag(std::string_view text, TagPair tags, bool checked) {
  if (checked)
    return {WithoutTagPair(text, tags), false, false};
  std::string wrapped(tags.open);
  wrapped += text;
  wrapped += tags.close;
  if (!FitsRowText(wrapped))
    return {std::nullopt, false, true};
  return {std::move(wrapped), true, false};
}

bool FitsRowText(std::string_view text) {
  return text.size() <= kTextWidth;
}

std::optional<std::string> WithLineSeparator(std::string_view text) {
  std::string result(text);
  result += '|';
  if (!FitsRowText(result))
    return std::nullopt;
  return result;
}

bool ContainsIgnoringAsciiCase(std::string_view text, std::string_view needle) {
  if (needle.empty())
    return false;
  return text::LowerCase(text).find(text::LowerCase(needle)) != std::string::npos;
}

std::optional<int> FindNextRow(int current, int row_count,
                               const std::function<std::string_view(int row)>& text_of,
                               std::string_view needle) {
  if (needle.empty())
    return std::nullopt;
  const std::string folded = text::LowerCase(needle);
  for (int row = std::max(current, 0) + 1; row <= row_count; ++row) {
    if (text::LowerCase(text_of(row)).find(folded) != std::string::npos)
      return row;
  }
  return std::nullopt;
}

}  // namespace translation::rows
