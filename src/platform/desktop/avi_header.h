// The frame rate of an AVI file, read from its header.
//
// An AVI file is a RIFF form of type 'AVI ' whose first list, 'hdrl', holds the main header
// 'avih' (with the microseconds per frame) and a 'strl' list per stream, each with a stream
// header 'strh' (with the stream's rate and scale). Only the start of the file is read, and every
// read is bounds-checked: a short or garbled file is "not an AVI", never a crash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace desktop {

// frames per second = rate / scale
struct FrameRate {
  std::uint32_t rate = 0;
  std::uint32_t scale = 0;
  bool operator==(const FrameRate&) const = default;
};

struct AviHeader {
  std::uint32_t micro_seconds_per_frame = 0;  // of 'avih'
  std::optional<FrameRate> video_stream;      // of the first video stream's 'strh'
  bool operator==(const AviHeader&) const = default;
};

// The header of an AVI file from the file's first bytes; nullopt when they are not the start of
// an AVI file with a main header.
std::optional<AviHeader> ParseAviHeader(std::string_view bytes);

// The file's frame rate: the first video stream's rate and scale when both are non-zero, else
// one frame per micro_seconds_per_frame microseconds (1000000 / microseconds) when that is
// non-zero; nullopt when the header gives no rate.
std::optional<FrameRate> AviFrameRate(const AviHeader& header);

enum class AviError { kNone, kNotFound, kNotRegularFile, kUnreadable, kNotAvi };

struct AviFile {
  AviError error = AviError::kNone;
  std::string detail;  // the system's reason for a read failure
  AviHeader header;
  bool ok() const { return error == AviError::kNone; }
};

// How much of the file's start is read; the header lists lie at the start.
inline constexpr std::size_t kAviHeaderReadBytes = std::size_t{1} << 20;

AviFile ReadAviHeader(const std::filesystem::path& path);

}  // namespace desktop
