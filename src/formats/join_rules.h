// Join arithmetic that needs no window: the time base two chosen parts share.
#pragma once

#include <string>
#include <string_view>

namespace files {

// The time base two chosen parts share by their extensions (either case): "Time" for two
// ".srt" files, "Frame" for two ".sub" files, "" otherwise.
std::string JoinTimeBase(std::string_view first_path, std::string_view second_path);

}  // namespace files
