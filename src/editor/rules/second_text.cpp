#include "editor/rules/second_text.h"

namespace editor {

namespace {

constexpr std::string_view kItalicOpen = "<i>";
constexpr std::string_view kItalicClose = "</i>";

bool Holds(std::string_view text, std::string_view tag) {
  return text.find(tag) != std::string_view::npos;
}

void EraseFirst(std::string& text, std::string_view part) {
  const std::size_t at = text.find(part);
  if (at != std::string::npos)
    text.erase(at, part.size());
}

}  // namespace

std::string ToggleSecondTextItalics(std::string_view text, bool italic) {
  if (!italic)
    return std::string(kItalicOpen) + std::string(text) + std::string(kItalicClose);
  std::string result(text);
  if (Holds(result, kItalicOpen) || Holds(result, kItalicClose)) {
    EraseFirst(result, kItalicOpen);
    EraseFirst(result, kItalicClose);
  }
  return result;
}

std::string SelectionToRowText(std::string_view selection) {
  std::string result;
  result.reserve(selection.size());
  for (const char c : selection) {
    if (c == '\n')
      result += '|';
    else if (c != '\r' && c != '\0')
      result += c;
  }
  return result;
}

std::string DropLoneClosingItalic(std::string_view text) {
  if (!Holds(text, kItalicOpen) && text.ends_with(kItalicClose))
    text.remove_suffix(kItalicClose.size());
  return std::string(text);
}

std::string TextAfterCut(std::string_view text, std::string_view part) {
  std::string rest(text);
  if (!part.empty())
    EraseFirst(rest, part);
  if (rest.ends_with('|'))
    rest.pop_back();
  return DropLoneClosingItalic(rest);
}

std::string MergedSecondTextCell(std::string_view above, std::string_view current, bool dialogue) {
  const std::string dash = dialogue ? "- " : "";
  return dash + std::string(above) + "|" + dash + std::string(current);
}

}  // namespace editor
