#include "formats/document_path.h"

#include "platform/text/text.h"

namespace files {

std::filesystem::path PathOfText(std::string_view shown) {
  return std::filesystem::path(text::Cp1250ToUtf8(shown));
}

std::string TextOfPath(const std::filesystem::path& path) {
  return text::Utf8ToCp1250(path.string());
}

ShownPath PathShownIn(std::string_view box_text, const ShownPath& offered) {
  if (!offered.empty() && box_text == offered.Text())
    return offered;
  return ShownPath(PathOfText(box_text));
}

std::string LowerCaseExtension(std::string_view shown_path) {
  const size_t slash = shown_path.rfind('/');
  const std::string_view name =
      slash == std::string_view::npos ? shown_path : shown_path.substr(slash + 1);
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos)
    return {};
  return text::LowerCase(name.substr(dot));
}

}  // namespace files
