#include "platform/desktop/line_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/desktop/temp_folder.h"

namespace desktop {
namespace {

using desktop_test::TempFolder;
using desktop_test::WriteBytes;
using namespace std::string_literals;

std::vector<std::string> Collect(const TextLines& lines) {
  std::vector<std::string> out;
  for (std::string_view line : lines) {
    out.emplace_back(line);
  }
  return out;
}

struct SplitCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

const std::vector<SplitCase> kSplitCases = {
    {"empty file", "", {}},
    {"LF", "a\nbc\n", {"a", "bc"}},
    {"CR LF", "a\r\nbc\r\n", {"a", "bc"}},
    {"mixed line ends", "a\r\nb\nc\r\n", {"a", "b", "c"}},
    {"no final line end", "1\r\n00:00:01,000", {"1", "00:00:01,000"}},
    {"lone CR stays a byte", "a\rb\r\nc\r", {"a\rb", "c\r"}},
    {"CR before CR LF", "x\r\r\n", {"x\r"}},
    {"blank lines", "\n\r\n\n", {"", "", ""}},
    {"blank line inside", "a\n\nb", {"a", "", "b"}},
    {"zero, FE and FF bytes",
     "\xFF\xFE"
     "1\0\r\0\n\0x\xFF\n"s,
     {"\xFF\xFE"
      "1\0\r\0"s,
      "\0x\xFF"s}},
    {"Windows-1250 text", "Árvíztűrő\r\ntükörfúrógép", {"Árvíztűrő", "tükörfúrógép"}},
};

TEST(TextLines, SplitsOnLfAndCrLfOnly) {
  for (const SplitCase& c : kSplitCases) {
    SCOPED_TRACE(c.name);
    const TextLines lines(c.bytes);
    EXPECT_EQ(Collect(lines), c.lines);
    EXPECT_EQ(CountLines(c.bytes), c.lines.size());
    EXPECT_EQ(lines.bytes(), c.bytes);
  }
}

TEST(TextLines, LinesSurviveMovingTheirOwner) {
  TextLines short_text("a\nb");  // short enough to live inside the string object itself
  TextLines moved = std::move(short_text);
  TextLines target;
  target = std::move(moved);
  EXPECT_EQ(Collect(target), (std::vector<std::string>{"a", "b"}));
}

TEST(ReadLines, ReadsTheFileByteForByte) {
  TempFolder folder;
  for (const SplitCase& c : kSplitCases) {
    SCOPED_TRACE(c.name);
    const auto path = folder / "sub.srt";
    WriteBytes(path, c.bytes);
    const FileLines file = ReadLines(path);
    ASSERT_TRUE(file.ok()) << file.detail;
    EXPECT_EQ(Collect(file.lines), c.lines);
  }
}

TEST(ReadLines, LinesOfALargeFileAreAllThere) {
  std::string bytes;
  for (int row = 1; row <= 50000; ++row) {
    bytes += std::to_string(row) + "\r\n00:00:01,000 --> 00:00:02,000\r\nSzöveg\r\n\r\n";
  }
  TempFolder folder;
  WriteBytes(folder / "big.srt", bytes);
  const FileLines file = ReadLines(folder / "big.srt");
  ASSERT_TRUE(file.ok());
  ASSERT_EQ(file.lines.size(), 200000u);
  EXPECT_EQ(file.lines[199996], "50000");
  EXPECT_EQ(file.lines[199998], "Szöveg");
  EXPECT_EQ(file.lines[199999], "");
}

struct RefusedCase {
  const char* name;
  std::filesystem::path path;
  FileError error;
};

TEST(ReadLines, RefusesWhatIsNotAReadableRegularFile) {
  TempFolder folder;
  WriteBytes(folder / "file.srt", "x");
  std::filesystem::create_directory(folder / "folder");
  ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
  std::filesystem::create_symlink(folder / "fifo", folder / "link-to-fifo");
  std::filesystem::create_symlink(folder / "gone", folder / "dangling");

  const std::vector<RefusedCase> cases = {
      {"missing file", folder / "missing.srt", FileError::kNotFound},
      {"missing folder on the way", folder / "no" / "file.srt", FileError::kNotFound},
      {"a file on the way", folder / "file.srt" / "x", FileError::kNotFound},
      {"dangling link", folder / "dangling", FileError::kNotFound},
      {"folder", folder / "folder", FileError::kNotRegularFile},
      {"FIFO without a writer", folder / "fifo", FileError::kNotRegularFile},
      {"link to a FIFO", folder / "link-to-fifo", FileError::kNotRegularFile},
      {"character device", "/dev/null", FileError::kNotRegularFile},
  };
  for (const RefusedCase& c : cases) {
    SCOPED_TRACE(c.name);
    const FileLines file = ReadLines(c.path);
    EXPECT_EQ(file.error, c.error);
    EXPECT_FALSE(file.detail.empty());
    EXPECT_TRUE(file.lines.empty());
  }
}

TEST(ReadLines, AFileWithoutReadPermissionIsUnreadable) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "permission bits do not stop root";
  }
  TempFolder folder;
  WriteBytes(folder / "locked.srt", "x");
  std::filesystem::permissions(folder / "locked.srt", std::filesystem::perms::none);
  EXPECT_EQ(ReadLines(folder / "locked.srt").error, FileError::kUnreadable);
}

TEST(ReadFileBytes, RefusesAFileTooLargeToLoad) {
  TempFolder folder;
  WriteBytes(folder / "huge.srt", "");
  std::filesystem::resize_file(folder / "huge.srt", kMaxFileBytes + 1);  // sparse: no disk used
  const FileBytes file = ReadFileBytes(folder / "huge.srt");
  EXPECT_EQ(file.error, FileError::kUnreadable);
  EXPECT_TRUE(file.bytes.empty());
  EXPECT_EQ(ReadFilePrefix(folder / "huge.srt", 3).bytes, std::string(3, '\0'));
}

TEST(ReadFileBytes, ReadsFilesThatReportNoSize) {
  // Files under /proc say they are empty and are not.
  const FileBytes mounts = ReadFileBytes("/proc/self/mounts");
  ASSERT_TRUE(mounts.ok()) << mounts.detail;
  EXPECT_NE(mounts.bytes.find(' '), std::string::npos);
}

TEST(ReadFilePrefix, StopsAtTheLimit) {
  TempFolder folder;
  WriteBytes(folder / "f", "0123456789");
  struct Case {
    std::size_t limit;
    std::string bytes;
  };
  for (const Case& c :
       std::vector<Case>{{0, ""}, {4, "0123"}, {10, "0123456789"}, {99, "0123456789"}}) {
    SCOPED_TRACE(c.limit);
    const FileBytes prefix = ReadFilePrefix(folder / "f", c.limit);
    ASSERT_TRUE(prefix.ok());
    EXPECT_EQ(prefix.bytes, c.bytes);
  }
}

}  // namespace
}  // namespace desktop
