// Writing files whole or not at all.
//
// The bytes go into a temporary file beside the target (same folder, a unique hidden name); every
// write is checked, the file is synced and closed, and only then renamed over the target. On any
// failure the temporary file is removed and the old target is left as it was, byte for byte.
// Bytes are written as given: no line-end translation, no byte-order mark.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace desktop {

struct WriteResult {
  bool ok = true;
  std::string error;  // what failed, with the system's reason
  explicit operator bool() const { return ok; }
};

// Writes `bytes` as the whole content of `target`.
WriteResult WriteFileAtomic(const std::filesystem::path& target, std::string_view bytes);

// The streaming form: append bytes, then Commit(). Destroying the writer without a successful
// Commit() removes the temporary file and leaves the target untouched.
//
// A target that already exists must be a regular file (a symbolic link to one is written through:
// the file it points at is replaced); the new file keeps the old file's permission bits.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(const std::filesystem::path& target);
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
  ~AtomicFileWriter();

  // False once anything has failed; later appends are ignored and Commit() reports the failure.
  bool ok() const { return error_.empty(); }

  void Append(std::string_view bytes);
  // `line` followed by CR LF.
  void AppendLine(std::string_view line);

  // Makes the written bytes the target's content. Only the first call does anything.
  WriteResult Commit();

 private:
  void Fail(std::string_view what, int error);
  void WriteAll(std::string_view bytes);
  void Flush();
  void Discard();

  std::filesystem::path target_;
  std::filesystem::path temp_;
  int fd_ = -1;
  bool keep_mode_ = false;
  unsigned mode_ = 0;
  bool finished_ = false;
  std::string buffer_;
  std::string error_;
};

}  // namespace desktop
