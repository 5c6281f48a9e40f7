#include "platform/desktop/line_reader.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>
#include <utility>

namespace desktop {
namespace {

std::string ErrnoText(int error) {
  return std::generic_category().message(error);
}

// A large file's text is held in large pages where the system gives them: a few page faults
// instead of one for every 4 KiB when it is first written. Only a hint; nothing changes without.
void AskForLargePages(char* begin, std::size_t size) {
  constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
  if (size < 2 * kLargePage) {
    return;
  }
  const auto first = (reinterpret_cast<std::uintptr_t>(begin) + kLargePage - 1) & ~(kLargePage - 1);
  const auto last = (reinterpret_cast<std::uintptr_t>(begin) + size) & ~(kLargePage - 1);
  if (last > first) {
    ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
  }
}

FileError KindOfOpenError(int error) {
  return error == ENOENT || error == ENOTDIR ? FileError::kNotFound : FileError::kUnreadable;
}

std::string NotRegularText(mode_t mode) {
  if (S_ISDIR(mode)) {
    return "a folder, not a file";
  }
  if (S_ISFIFO(mode)) {
    return "a pipe, not a file";
  }
  if (S_ISCHR(mode) || S_ISBLK(mode)) {
    return "a device, not a file";
  }
  return "not a regular file";
}

// Closes the descriptor it holds.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

// Reads at most `max_bytes`; `whole` makes a longer file an error instead of a prefix.
FileBytes ReadRegularFile(const std::filesystem::path& path, std::size_t max_bytes, bool whole) {
  FileBytes result;
  auto fail = [&result](FileError error, std::string detail) {
    result.error = error;
    result.detail = std::move(detail);
    result.bytes.clear();
    return std::move(result);
  };

  // Look before opening: opening a FIFO for reading would wait for a writer.
  struct stat before {};
  if (::stat(path.c_str(), &before) != 0) {
    const int error = errno;
    return fail(KindOfOpenError(error), ErrnoText(error));
  }
  if (!S_ISREG(before.st_mode)) {
    return fail(FileError::kNotRegularFile, NotRegularText(before.st_mode));
  }

  // The path may have been replaced in between: open without blocking and look again.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (fd.get() < 0) {
    const int error = errno;
    return fail(KindOfOpenError(error), ErrnoText(error));
  }
  struct stat opened {};
  if (::fstat(fd.get(), &opened) != 0) {
    const int error = errno;
    return fail(FileError::kUnreadable, ErrnoText(error));
  }
  if (!S_ISREG(opened.st_mode)) {
    return fail(FileError::kNotRegularFile, NotRegularText(opened.st_mode));
  }

  const auto size = static_cast<std::size_t>(opened.st_size > 0 ? opened.st_size : 0);
  if (whole && size > max_bytes) {
    return fail(FileError::kUnreadable, "the file is too large");
  }
  // The size is a hint only: files under /proc report 0, and a file may change while read.
  result.bytes.reserve(std::min(size, max_bytes) + 1);
  AskForLargePages(result.bytes.data(), result.bytes.capacity());
  result.bytes.resize(std::min(size, max_bytes) + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == result.bytes.size()) {
      if (filled >= max_bytes + 1) {
        break;
      }
      result.bytes.resize(std::min(max_bytes + 1, std::max<std::size_t>(filled * 2, 4096)));
    }
    const ssize_t got =
        ::read(fd.get(), result.bytes.data() + filled, result.bytes.size() - filled);
    if (got < 0) {
      const int error = errno;
      if (error == EINTR) {
        continue;
      }
      return fail(FileError::kUnreadable, ErrnoText(error));
    }
    if (got == 0) {
      break;
    }
    filled += static_cast<std::size_t>(got);
  }
  if (filled > max_bytes) {
    if (whole) {
      return fail(FileError::kUnreadable, "the file is too large");
    }
    filled = max_bytes;
  }
  result.bytes.resize(filled);
  return result;
}

}  // namespace

FileBytes ReadFileBytes(const std::filesystem::path& path) {
  return ReadRegularFile(path, kMaxFileBytes, true);
}

FileBytes ReadFilePrefix(const std::filesystem::path& path, std::size_t max_bytes) {
  return ReadRegularFile(path, std::min(max_bytes, kMaxFileBytes), false);
}

std::size_t CountLines(std::string_view bytes) {
  if (bytes.empty()) {
    return 0;
  }
  std::size_t count = 0;
  const char* at = bytes.data();
  const char* const end = at + bytes.size();
  while (const void* found = std::memchr(at, '\n', static_cast<std::size_t>(end - at))) {
    ++count;
    at = static_cast<const char*>(found) + 1;
  }
  return at == end ? count : count + 1;
}

TextLines::TextLines(std::string bytes) : bytes_(std::move(bytes)) {
  if (bytes_.size() > std::numeric_limits<std::uint32_t>::max()) {
    bytes_.resize(std::numeric_limits<std::uint32_t>::max());
  }
  spans_.reserve(CountLines(bytes_));
  const char* const base = bytes_.data();
  const std::size_t total = bytes_.size();
  std::size_t begin = 0;
  while (begin < total) {
    const void* found = std::memchr(base + begin, '\n', total - begin);
    if (found == nullptr) {
      spans_.push_back(
          {static_cast<std::uint32_t>(begin), static_cast<std::uint32_t>(total - begin)});
      break;
    }
    const auto newline = static_cast<std::size_t>(static_cast<const char*>(found) - base);
    std::size_t end = newline;
    if (end > begin && base[end - 1] == '\r') {
      --end;
    }
    spans_.push_back({static_cast<std::uint32_t>(begin), static_cast<std::uint32_t>(end - begin)});
    begin = newline + 1;
  }
}

FileLines ReadLines(const std::filesystem::path& path) {
  FileBytes file = ReadFileBytes(path);
  FileLines result;
  result.error = file.error;
  result.detail = std::move(file.detail);
  if (file.ok()) {
    result.lines = TextLines(std::move(file.bytes));
  }
  return result;
}

}  // namespace desktop
