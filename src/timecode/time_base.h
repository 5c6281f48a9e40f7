// The time base words: the form the stored row values are in, as the time-base boxes show
// them and the shared state keeps them (CurrentTimeBase).
#pragma once

#include <string_view>

namespace timecode {

// Frame numbers (".sub" files).
inline constexpr std::string_view kTimeBaseFrame = "Frame";
// Time codes (".srt" files).
inline constexpr std::string_view kTimeBaseTime = "Time";

}  // namespace timecode
