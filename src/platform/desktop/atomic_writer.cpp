#include "platform/desktop/atomic_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <system_error>

namespace desktop {
namespace {

constexpr std::size_t kBufferBytes = std::size_t{64} << 10;
constexpr int kNameAttempts = 100;
// Room left in a 255-byte file name for the dot, the tag and ".tmp".
constexpr std::size_t kTempStemBytes = 200;
constexpr std::size_t kTagDigits = 16;
constexpr std::string_view kTempSuffix = ".tmp";

std::string Hex(std::uint64_t value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out(kTagDigits, '0');
  for (int i = static_cast<int>(kTagDigits) - 1; i >= 0; --i) {
    out[static_cast<std::size_t>(i)] = kDigits[value & 15];
    value >>= 4;
  }
  return out;
}

std::string TempStem(std::string_view target_name) {
  return std::string(target_name.substr(0, kTempStemBytes));
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

bool IsPermissionError(int error) {
  return error == EACCES || error == EPERM || error == EROFS;
}

bool Before(const std::timespec& a, const std::timespec& b) {
  return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

// Writes all of `bytes` at `offset`; the error number of a failure, or 0.
int WriteAt(int fd, std::string_view bytes, off_t offset) {
  while (!bytes.empty()) {
    const ssize_t wrote = ::pwrite(fd, bytes.data(), bytes.size(), offset);
    if (wrote > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(wrote));
      offset += wrote;
      continue;
    }
    const int error = wrote == 0 ? ENOSPC : errno;
    if (error != EINTR) {
      return error;
    }
  }
  return 0;
}

// The whole content of an open file, read from its start; false when it cannot be read.
bool ReadAll(int fd, std::string& out) {
  out.clear();
  char chunk[1 << 16];
  off_t offset = 0;
  for (;;) {
    const ssize_t got = ::pread(fd, chunk, sizeof chunk, offset);
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    if (got == 0) {
      return true;
    }
    out.append(chunk, static_cast<std::size_t>(got));
    offset += got;
  }
}

// Puts `bytes` as the whole content of an open file; the error number of a failure, or 0.
int PutContent(int fd, std::string_view bytes) {
  int error = WriteAt(fd, bytes, 0);
  if (error == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) {
    error = errno;
  }
  if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL) {
    error = errno;
  }
  return error;
}

}  // namespace

WriteWay ChooseWriteWay(bool target_exists, bool target_writable, int temp_error) {
  if (target_exists && !target_writable) {
    return WriteWay::kRefuse;
  }
  if (temp_error == 0) {
    return WriteWay::kReplace;
  }
  return target_exists && IsPermissionError(temp_error) ? WriteWay::kInPlace : WriteWay::kRefuse;
}

bool IsWritableFile(unsigned mode, bool access_allows) {
  return (mode & 0222) != 0 && access_allows;
}

bool IsTemporaryNameFor(std::string_view name, std::string_view target_name) {
  const std::string stem = TempStem(target_name);
  const std::size_t length = 1 + stem.size() + 1 + kTagDigits + kTempSuffix.size();
  if (stem.empty() || name.size() != length || name[0] != '.' ||
      name.substr(1, stem.size()) != stem || name[1 + stem.size()] != '.' ||
      !name.ends_with(kTempSuffix)) {
    return false;
  }
  const std::string_view tag = name.substr(2 + stem.size(), kTagDigits);
  return tag.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

void RemoveStaleTemporaries(const std::filesystem::path& target, std::timespec program_start) {
  const std::string target_name = target.filename().string();
  if (target_name.empty()) {
    return;
  }
  const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
  std::error_code ec;
  std::filesystem::directory_iterator entries(folder, ec);
  for (; !ec && entries != std::filesystem::directory_iterator(); entries.increment(ec)) {
    const std::filesystem::path& path = entries->path();
    if (!IsTemporaryNameFor(path.filename().string(), target_name)) {
      continue;
    }
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        Before(info.st_mtim, program_start)) {
      ::unlink(path.c_str());
    }
  }
}

std::timespec ProgramStartTime() {
  // The process's start in clock ticks after boot (the 22nd field, counted after the command
  // name, which is in parentheses and may hold blanks), and the boot time in seconds.
  std::ifstream stat_file("/proc/self/stat");
  std::string line;
  std::getline(stat_file, line);
  const std::size_t name_end = line.rfind(')');
  if (name_end == std::string::npos) {
    return {};
  }
  std::istringstream fields(line.substr(name_end + 1));
  std::string field;
  for (int index = 3; index <= 22 && fields >> field; ++index) {
  }
  std::uint64_t ticks = 0;
  if (!fields ||
      std::from_chars(field.data(), field.data() + field.size(), ticks).ec != std::errc{})
    return {};

  std::ifstream system_stat("/proc/stat");
  std::int64_t boot = -1;
  std::string key;
  while (system_stat >> key) {
    if (key == "btime") {
      system_stat >> boot;
      break;
    }
    system_stat.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  }
  const long hz = ::sysconf(_SC_CLK_TCK);
  if (boot < 0 || hz <= 0) {
    return {};
  }
  const auto per_second = static_cast<std::uint64_t>(hz);
  std::timespec start{};
  start.tv_sec = static_cast<std::time_t>(boot + static_cast<std::int64_t>(ticks / per_second));
  start.tv_nsec = static_cast<long>((ticks % per_second) * 1000000000u / per_second);
  return start;
}

AtomicFileWriter::AtomicFileWriter(const std::filesystem::path& target)
    : target_(ResolveTarget(target)) {
  if (target_.filename().empty()) {
    Fail("no file name in " + target.string(), EINVAL);
    return;
  }
  struct stat existing {};
  bool exists = false;
  bool writable = true;
  if (::stat(target_.c_str(), &existing) == 0) {
    if (!S_ISREG(existing.st_mode)) {
      error_ = "cannot write " + target_.string() + ": not a regular file";
      return;
    }
    exists = true;
    keep_mode_ = true;
    mode_ = existing.st_mode & 07777;
    writable = IsWritableFile(mode_, ::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) == 0);
  }
  if (ChooseWriteWay(exists, writable, 0) == WriteWay::kRefuse) {
    Fail("cannot write " + target_.string(), EACCES);
    return;
  }

  RemoveStaleTemporaries(target_, ProgramStartTime());
  const std::string stem = TempStem(target_.filename().string());
  std::random_device random;
  const std::filesystem::path folder = target_.parent_path();
  int temp_error = 0;
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const std::uint64_t tag =
        (std::uint64_t{random()} << 32) ^ random() ^ static_cast<std::uint64_t>(::getpid());
    temp_ = folder / ("." + stem + "." + Hex(tag) + std::string(kTempSuffix));
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    temp_error = fd_ >= 0 ? 0 : errno;
    if (temp_error != EEXIST) {
      break;
    }
  }
  if (fd_ >= 0) {
    buffer_.reserve(kBufferBytes);
    return;
  }
  temp_.clear();
  if (ChooseWriteWay(exists, writable, temp_error) == WriteWay::kInPlace) {
    in_place_ = true;
    return;
  }
  Fail("cannot create a file beside " + target_.string(), temp_error);
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
  // In place nothing reaches the target before Commit().
  if (!in_place_ && buffer_.size() + bytes.size() > kBufferBytes) {
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

void AtomicFileWriter::CommitInPlace() {
  // Read and write when allowed, so that the old content can be put back after a failure.
  bool can_restore = true;
  int fd = ::open(target_.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0 && errno == EACCES) {
    can_restore = false;
    fd = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  }
  if (fd < 0) {
    const int error = errno;
    Fail("cannot write " + target_.string(), error);
    return;
  }
  struct stat opened {};
  if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
    ::close(fd);
    error_ = "cannot write " + target_.string() + ": not a regular file";
    return;
  }
  std::string old;
  can_restore = can_restore && ReadAll(fd, old);
  const int error = PutContent(fd, buffer_);
  if (error != 0) {
    Fail("cannot write " + target_.string(), error);
    if (can_restore && PutContent(fd, old) != 0) {
      error_ += "; its old content could not be written back";
    }
  }
  if (::close(fd) != 0 && error == 0) {
    const int close_error = errno;
    Fail("cannot write " + target_.string(), close_error);
  }
  buffer_.clear();
}

WriteResult AtomicFileWriter::Commit() {
  if (finished_) {
    return {ok(), error_};
  }
  finished_ = true;
  if (ok() && in_place_) {
    CommitInPlace();
    return {ok(), error_};
  }
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
