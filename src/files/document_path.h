// The document path is kept as the texts the program shows (Windows-1250); the file system
// gets and gives std::filesystem::path (UTF-8 names). These two cross between them.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace files {

// The path a shown text names ("" gives an empty path).
std::filesystem::path PathOfText(std::string_view shown);

// The text a path is shown as; a character outside Windows-1250 becomes "?".
std::string TextOfPath(const std::filesystem::path& path);

// The extension of the file name a shown path ends in, from its last "." on, in lower case
// (".srt"); "" when the name has no ".". A "." in a folder name does not count.
std::string LowerCaseExtension(std::string_view shown_path);

}  // namespace files
