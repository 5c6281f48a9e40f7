// The document path is shown as Windows-1250 texts; the file system gets and gives
// std::filesystem::path (its own bytes: UTF-8 names, or any bytes a name was made of). These
// cross between them, and ShownPath carries a real path with the text it is shown as.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

namespace files {

// The path a shown text names ("" gives an empty path).
std::filesystem::path PathOfText(std::string_view shown);

// The text a path is shown as; a character outside Windows-1250, and a byte that is not
// UTF-8, becomes "?".
std::string TextOfPath(const std::filesystem::path& path);

// The extension of the file name a shown path ends in, from its last "." on, in lower case
// (".srt"); "" when the name has no ".". A "." in a folder name does not count.
std::string LowerCaseExtension(std::string_view shown_path);

// A file or folder of the file system as the program keeps it: the real path, which is what
// is opened and written, and the text it is shown as, made from it. It neither takes nor
// gives a text by itself, so a shown text ("film?.srt") is never taken for the file it names.
class ShownPath {
 public:
  ShownPath() = default;
  explicit ShownPath(std::filesystem::path path) : path_(std::move(path)) {}

  const std::filesystem::path& Path() const { return path_; }
  // TextOfPath of the path.
  std::string Text() const { return TextOfPath(path_); }
  // The shown file name: the last part of the path.
  std::string NameText() const { return TextOfPath(path_.filename()); }
  bool empty() const { return path_.empty(); }
  void clear() { path_.clear(); }

  bool operator==(const ShownPath&) const = default;

 private:
  std::filesystem::path path_;
};

// The path a box's text stands for: `offered`, the path the program put into the box, while
// the box still shows it; otherwise the path the text itself names (a name the user typed).
ShownPath PathShownIn(std::string_view box_text, const ShownPath& offered);

}  // namespace files
