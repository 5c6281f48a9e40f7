#include "platform/desktop/avi_header.h"

#include <utility>

#include "platform/desktop/line_reader.h"

namespace desktop {
namespace {

constexpr std::size_t kChunkHeaderBytes = 8;
constexpr std::size_t kStreamHeaderBytes = 28;  // up to and including dwRate

std::uint32_t Le32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 4; i-- > 0;) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  }
  return value;
}

// A chunk: its id, and its data as far as the bytes at hand hold it.
struct Chunk {
  std::string_view id;
  std::string_view data;
};

// Walks the chunks of a chunk list; stops at the first one whose header does not fit.
class ChunkWalker {
 public:
  explicit ChunkWalker(std::string_view bytes) : rest_(bytes) {}

  std::optional<Chunk> Next() {
    if (rest_.size() < kChunkHeaderBytes) {
      return std::nullopt;
    }
    const std::string_view id = rest_.substr(0, 4);
    const std::uint64_t size = Le32(rest_, 4);
    rest_.remove_prefix(kChunkHeaderBytes);
    const std::size_t held = size < rest_.size() ? static_cast<std::size_t>(size) : rest_.size();
    const Chunk chunk{id, rest_.substr(0, held)};
    // Chunks are padded to an even length.
    const std::uint64_t step = size + (size & 1);
    rest_.remove_prefix(step < rest_.size() ? static_cast<std::size_t>(step) : rest_.size());
    return chunk;
  }

 private:
  std::string_view rest_;
};

// The body of a LIST chunk of the given type, after the four bytes of the type.
std::optional<std::string_view> ListBody(const Chunk& chunk, std::string_view type) {
  if (chunk.id != "LIST" || chunk.data.size() < 4 || chunk.data.substr(0, 4) != type) {
    return std::nullopt;
  }
  return chunk.data.substr(4);
}

// The rate of a stream list when it is a video stream.
std::optional<FrameRate> VideoRate(std::string_view stream_list) {
  ChunkWalker walker(stream_list);
  while (const std::optional<Chunk> chunk = walker.Next()) {
    if (chunk->id != "strh") {
      continue;
    }
    if (chunk->data.size() < kStreamHeaderBytes || chunk->data.substr(0, 4) != "vids") {
      return std::nullopt;
    }
    return FrameRate{Le32(chunk->data, 24), Le32(chunk->data, 20)};
  }
  return std::nullopt;
}

}  // namespace

std::optional<AviHeader> ParseAviHeader(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "AVI ") {
    return std::nullopt;
  }
  ChunkWalker top(bytes.substr(12));
  while (const std::optional<Chunk> chunk = top.Next()) {
    const std::optional<std::string_view> header_list = ListBody(*chunk, "hdrl");
    if (!header_list) {
      continue;
    }
    std::optional<AviHeader> header;
    ChunkWalker inner(*header_list);
    while (const std::optional<Chunk> part = inner.Next()) {
      if (part->id == "avih" && !header && part->data.size() >= 4) {
        header.emplace();
        header->micro_seconds_per_frame = Le32(part->data, 0);
      } else if (const std::optional<std::string_view> stream = ListBody(*part, "strl");
                 stream && header && !header->video_stream) {
        header->video_stream = VideoRate(*stream);
      }
    }
    return header;
  }
  return std::nullopt;
}

std::optional<FrameRate> AviFrameRate(const AviHeader& header) {
  if (header.video_stream && header.video_stream->rate != 0 && header.video_stream->scale != 0) {
    return header.video_stream;
  }
  if (header.micro_seconds_per_frame != 0) {
    return FrameRate{1000000, header.micro_seconds_per_frame};
  }
  return std::nullopt;
}

AviFile ReadAviHeader(const std::filesystem::path& path) {
  FileBytes file = ReadFilePrefix(path, kAviHeaderReadBytes);
  AviFile result;
  switch (file.error) {
    case FileError::kNone:
      break;
    case FileError::kNotFound:
      result.error = AviError::kNotFound;
      break;
    case FileError::kNotRegularFile:
      result.error = AviError::kNotRegularFile;
      break;
    case FileError::kUnreadable:
      result.error = AviError::kUnreadable;
      break;
  }
  if (!result.ok()) {
    result.detail = std::move(file.detail);
    return result;
  }
  if (std::optional<AviHeader> header = ParseAviHeader(file.bytes)) {
    result.header = *header;
  } else {
    result.error = AviError::kNotAvi;
  }
  return result;
}

}  // namespace desktop
