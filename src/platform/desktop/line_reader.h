// Reading files: whole regular files as bytes, and text files as lines.
//
// Only regular files are read. A folder, a FIFO or a device is refused before it is opened, and
// the file is opened without blocking and checked again, so a path that names something other
// than a plain file never hangs the program. Failures come back as a FileError, never thrown.
//
// Lines end at LF or CR LF; a CR that is not followed by LF stays in the line as a byte, and
// every other byte (00, FE, FF included) is kept as it is. A last line without a line end is a
// line; an empty file has no lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace desktop {

enum class FileError {
  kNone,
  kNotFound,        // nothing at the path (or a folder on the way is missing)
  kNotRegularFile,  // a folder, a FIFO, a device, a socket
  kUnreadable,      // no permission, an input/output error, too large to load
};

// Whole files are loaded into memory; a larger file is refused as kUnreadable.
inline constexpr std::size_t kMaxFileBytes = std::size_t{256} << 20;

struct FileBytes {
  FileError error = FileError::kNone;
  std::string detail;  // the system's reason when the read failed
  std::string bytes;
  bool ok() const { return error == FileError::kNone; }
};

// The whole file (at most kMaxFileBytes).
FileBytes ReadFileBytes(const std::filesystem::path& path);
// The first `max_bytes` bytes of the file (at most kMaxFileBytes), or all of it when shorter.
FileBytes ReadFilePrefix(const std::filesystem::path& path, std::size_t max_bytes);

// The lines of a text held in memory. Lines are views into the text the object owns; they stay
// valid while the object lives (also after it is moved). A line costs 8 bytes besides its text:
// texts are at most 4 GiB (a longer one keeps its first 4 GiB), far above what a file read gives.
class TextLines {
 public:
  TextLines() = default;
  explicit TextLines(std::string bytes);

  std::size_t size() const { return spans_.size(); }
  bool empty() const { return spans_.empty(); }
  // 0-based; `index` must be below size().
  std::string_view operator[](std::size_t index) const {
    return std::string_view(bytes_).substr(spans_[index].begin, spans_[index].length);
  }
  const std::string& bytes() const { return bytes_; }

  class Iterator {
   public:
    Iterator(const TextLines* lines, std::size_t index) : lines_(lines), index_(index) {}
    std::string_view operator*() const { return (*lines_)[index_]; }
    Iterator& operator++() {
      ++index_;
      return *this;
    }
    bool operator==(const Iterator& other) const = default;

   private:
    const TextLines* lines_;
    std::size_t index_;
  };
  Iterator begin() const { return Iterator(this, 0); }
  Iterator end() const { return Iterator(this, spans_.size()); }

 private:
  struct Span {
    std::uint32_t begin;
    std::uint32_t length;
  };
  std::string bytes_;
  std::vector<Span> spans_;
};

// The number of lines TextLines would make of `bytes` (the count for a progress gauge).
std::size_t CountLines(std::string_view bytes);

struct FileLines {
  FileError error = FileError::kNone;
  std::string detail;
  TextLines lines;
  bool ok() const { return error == FileError::kNone; }
};

// The file's lines; lines.size() is the whole-file line count.
FileLines ReadLines(const std::filesystem::path& path);

}  // namespace desktop
