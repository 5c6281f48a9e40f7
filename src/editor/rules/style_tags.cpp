#include "editor/rules/style_tags.h"

#include <algorithm>

#include "editor/rules/row_text.h"

namespace editor {

namespace {

// Deletes the first occurrence of `tag`; false when there is none.
bool EraseFirst(std::string& text, std::string_view tag) {
  const std::size_t at = text.find(tag);
  if (at == std::string::npos)
    return false;
  text.erase(at, tag.size());
  return true;
}

}  // namespace

bool HoldsTagOf(std::string_view text, TagPair tags) {
  return text.find(tags.open) != std::string_view::npos ||
         text.find(tags.close) != std::string_view::npos;
}

std::string StripTagPair(std::string_view text, TagPair tags) {
  std::string result(text);
  // One opening and then one closing tag per round: deleting one tag can join the characters
  // around it into another, which a later round takes.
  while (HoldsTagOf(result, tags)) {
    EraseFirst(result, tags.open);
    EraseFirst(result, tags.close);
  }
  return result;
}

std::optional<std::string> WrapFirstOccurrence(std::string_view text, std::string_view piece,
                                               TagPair tags) {
  if (piece.empty())
    return std::nullopt;
  const std::size_t at = text.find(piece);
  if (at == std::string_view::npos)
    return std::nullopt;
  std::string result;
  result.reserve(text.size() + tags.open.size() + tags.close.size());
  result.append(text.substr(0, at));
  result.append(tags.open);
  result.append(piece);
  result.append(tags.close);
  result.append(text.substr(at + piece.size()));
  return result;
}

std::string DropDanglingItalic(std::string_view text) {
  const std::string_view close = kItalicTags.close;
  if (text.find(kItalicTags.open) != std::string_view::npos)
    return std::string(text);
  const std::size_t first_close = text.find(close);
  if (first_close != std::string_view::npos && first_close + close.size() == text.size())
    text.remove_suffix(close.size());
  return std::string(text);
}

std::string CutFirstOccurrence(std::string_view text, std::string_view piece) {
  std::string result(text);
  if (!piece.empty())
    EraseFirst(result, piece);
  if (result.ends_with('|'))
    result.pop_back();
  return result;
}

int RowPositionOfCaret(std::string_view memo_text, int caret) {
  const std::size_t before =
      static_cast<std::size_t>(std::clamp<int>(caret, 0, static_cast<int>(memo_text.size())));
  return static_cast<int>(MemoTextToRowText(memo_text.substr(0, before)).size());
}

std::string InsertAtPosition(std::string_view text, int position, std::string_view piece) {
  const std::size_t at =
      static_cast<std::size_t>(std::clamp<int>(position, 0, static_cast<int>(text.size())));
  std::string result(text.substr(0, at));
  result.append(piece);
  result.append(text.substr(at));
  return result;
}

}  // namespace editor
