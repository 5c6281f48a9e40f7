// Join rules that need no window: the time base two chosen parts share, and whether parts of
// two kinds can be joined.
#pragma once

#include <string>
#include <string_view>

namespace files {

// The time base two chosen parts share by their extensions (either case): "Time" for two
// ".srt" files, "Frame" for two ".sub" files, "" otherwise.
std::string JoinTimeBase(std::string_view first_path, std::string_view second_path);

// Why two parts of these kinds cannot be joined.
enum class JoinRefusal {
  kNone,      // they can
  kStyle,     // kinds differ, or the first part is SubRip in UTF-16
  kUnusable,  // neither part holds a kind the editor reads
};
JoinRefusal JoinRefusalOf(std::string_view first_kind, std::string_view second_kind);

}  // namespace files
