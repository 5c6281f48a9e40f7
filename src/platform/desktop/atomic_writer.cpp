#include "platform/desktop/atomic_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <random>
#include <system_error>

namespace desktop {
namespace {

constexpr std::size_t kBufferBytes = std::size_t{64} << 10;
constexpr int kNameAttempts = 100;
// Room left in a 255-byte file name for the dot, the tag and ".tmp".
constexpr std::size_t kTempStemBytes = 200;

std::string Hex(std::uint64_t value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out(16, '0');
  for (int i = 15; i >= 0; --i) {
    out[static_cast<std::size_t>(i)] = kDigits[value & 15];
    value >>= 4;
  }
  return out;
}

// The file a write to `target` really replaces: a symbolic link is followed to its file.
std::filesystem::path ResolveTarget(const std::filesystem::path& target) {
  std::error_code ec;
  if (std::filesystem::is_symlink(target, ec)) {
    std::filesystem::path resolved = std::filesystem::weakly_canonical(target, ec);
    if (!ec) {
      return resolved;
    }
  }
  return target;
}

// Makes the directory entry of a rename durable; a failure here loses nothing already written.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(const std::filesystem::path& target)
    : target_(ResolveTarget(target)) {
  if (target_.filename().empty()) {
    Fail("no file name in " + target.string(), EINVAL);
    return;
  }
  struct stat existing {};
  if (::stat(target_.c_str(), &existing) == 0) {
    if (!S_ISREG(existing.st_mode)) {
      error_ = "cannot write " + target_.string() + ": not a regular file";
      return;
    }
    keep_mode_ = true;
    mode_ = existing.st_mode & 07777;
  }

  const std::string stem = target_.filename().string().substr(0, kTempStemBytes);
  std::random_device random;
  const std::filesystem::path folder = target_.parent_path();
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const std::uint64_t tag =
        (std::uint64_t{random()} << 32) ^ random() ^ static_cast<std::uint64_t>(::getpid());
    temp_ = folder / ("." + stem + "." + Hex(tag) + ".tmp");
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd_ >= 0 || errno != EEXIST) {
      break;
    }
  }
  if (fd_ < 0) {
    const int error = errno;
    temp_.clear();
    Fail("cannot create a file beside " + target_.string(), error);
    return;
  }
  buffer_.reserve(kBufferBytes);
}

AtomicFileWriter::~AtomicFileWriter() {
  if (!finished_) {
    Discard();
  }
}

void AtomicFileWriter::Fail(std::string_view what, int error) {
  if (error_.empty()) {
    error_ = std::string(what) + ": " + std::generic_category().message(error);
  }
}

void AtomicFileWriter::Append(std::string_view bytes) {
  if (!ok() || finished_) {
    return;
  }
  if (buffer_.size() + bytes.size() > kBufferBytes) {
    Flush();
    if (bytes.size() >= kBufferBytes) {
      WriteAll(bytes);
      return;
    }
  }
  buffer_.append(bytes);
}

void AtomicFileWriter::AppendLine(std::string_view line) {
  Append(line);
  Append("\r\n");
}

void AtomicFileWriter::WriteAll(std::string_view bytes) {
  while (ok() && !bytes.empty()) {
    const ssize_t wrote = ::write(fd_, bytes.data(), bytes.size());
    if (wrote > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(wrote));
      continue;
    }
    const int error = wrote == 0 ? ENOSPC : errno;
    if (error != EINTR) {
      Fail("cannot write " + target_.string(), error);
    }
  }
}

void AtomicFileWriter::Flush() {
  WriteAll(buffer_);
  buffer_.clear();
}

void AtomicFileWriter::Discard() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!temp_.empty()) {
    ::unlink(temp_.c_str());
    temp_.clear();
  }
}

WriteResult AtomicFileWriter::Commit() {
  if (finished_) {
    return {ok(), error_};
  }
  finished_ = true;
  if (ok()) {
    Flush();
  }
  if (ok() && keep_mode_ && ::fchmod(fd_, static_cast<mode_t>(mode_)) != 0) {
    const int error = errno;
    Fail("cannot set the permissions of " + target_.string(), error);
  }
  // Some file systems cannot sync (EINVAL); their data still reaches the file on close.
  if (ok() && ::fsync(fd_) != 0 && errno != EINVAL) {
    const int error = errno;
    Fail("cannot write " + target_.string(), error);
  }
  if (ok()) {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
      const int error = errno;
      Fail("cannot write " + target_.string(), error);
    }
  }
  if (ok() && ::rename(temp_.c_str(), target_.c_str()) != 0) {
    const int error = errno;
    Fail("cannot replace " + target_.string(), error);
  }
  if (!ok()) {
    Discard();
    return {false, error_};
  }
  temp_.clear();
  SyncFolder(target_.parent_path());
  return {};
}

WriteResult WriteFileAtomic(const std::filesystem::path& target, std::string_view bytes) {
  AtomicFileWriter writer(target);
  writer.Append(bytes);
  return writer.Commit();
}

}  // namespace desktop
