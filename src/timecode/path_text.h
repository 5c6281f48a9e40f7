// Cutting a path shown as text into its file name and its folder, at the last '/'.
#pragma once

#include <string>
#include <string_view>

namespace timecode {

// The part after the last '/': "/home/anna/film.srt" gives "film.srt". A text without '/'
// is all file name and comes back whole.
std::string KeepFileName(std::string_view path);

// The part up to and including the last '/': "/home/anna/film.srt" gives "/home/anna/",
// "/film.srt" gives the root "/". A text without '/' has no folder and gives "".
std::string KeepDirectory(std::string_view path);

}  // namespace timecode
