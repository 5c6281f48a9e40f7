// Writing files whole or not at all.
//
// The bytes go into a temporary file beside the target (same folder, a unique hidden name); every
// write is checked, the file is synced and closed, and only then renamed over the target. On any
// failure the temporary file is removed and the old target is left as it was, byte for byte.
// Bytes are written as given: no line-end translation, no byte-order mark.
//
// The target's own permission decides whether it may be written, as for a plain write: a file
// the program may not write is refused and left as it was, and so is a file nobody may write
// (no write permission bit at all), which counts as write-protected even for the superuser.
// When the temporary file cannot be made because the folder may not be written, a writable
// target is written in place instead: the bytes are kept until Commit() and then written over
// the old content; when that fails part way, the old content is written back when it could be
// read.
//
// A hidden temporary file of ours for the same target that is older than the running program
// (left by a save that was killed) is removed when the target is written again.
#pragma once

#include <cstddef>
#include <ctime>
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
  // True when the target is written in place (its folder may not be written).
  bool in_place() const { return in_place_; }

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
  void CommitInPlace();

  std::filesystem::path target_;
  std::filesystem::path temp_;
  int fd_ = -1;
  bool keep_mode_ = false;
  bool in_place_ = false;
  unsigned mode_ = 0;
  bool finished_ = false;
  std::string buffer_;
  std::string error_;
};

// ---- The decisions behind the writer, apart from the file system -----------------------------

// How a target is written.
enum class WriteWay {
  kReplace,  // through a temporary file renamed over the target
  kInPlace,  // over the old content (the folder may not be written)
  kRefuse,   // not at all
};

// `target_exists` and `target_writable` describe the target; `temp_error` is 0 when the
// temporary file was made, otherwise the system's error number for the attempt.
WriteWay ChooseWriteWay(bool target_exists, bool target_writable, int temp_error);

// Whether a file of these permission bits may be written by the program: `access_allows` is the
// system's answer for the program's user. A file without any write bit is write-protected.
bool IsWritableFile(unsigned mode, bool access_allows);

// Whether `name` is the name of one of our temporary files for a target named `target_name`.
bool IsTemporaryNameFor(std::string_view name, std::string_view target_name);

// Removes the temporary files of `target` (see IsTemporaryNameFor) beside it that are regular
// files last changed before `program_start`. Failures are ignored: nothing of value is lost.
void RemoveStaleTemporaries(const std::filesystem::path& target, std::timespec program_start);

// When the running program started; the epoch (so that no file counts as older) when the system
// does not say.
std::timespec ProgramStartTime();

}  // namespace desktop
