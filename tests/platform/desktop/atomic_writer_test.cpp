#include "platform/desktop/atomic_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "platform/desktop/temp_folder.h"
#include "support/file_size_cap.h"

namespace desktop {
namespace {

using desktop_test::ReadBytes;
using desktop_test::TempFolder;
using desktop_test::WriteBytes;
using namespace std::string_literals;

using Names = std::vector<std::string>;

struct BytesCase {
  const char* name;
  std::string bytes;
};

const std::vector<BytesCase> kBytesCases = {
    {"empty", ""},
    {"no line end at the end", "1\r\n00:00:01,000 --> 00:00:02,000\r\nHello"},
    {"zero and a lone LF pass through", "\0\n\0\0\x0A\xFF\xFE\r"s},
    {"Windows-1250 bytes", "Sikeresen végrehajtódott az asszociáció!"},
};

TEST(WriteFileAtomic, WritesExactlyTheBytesAndNothingBeside) {
  for (const BytesCase& c : kBytesCases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const auto target = folder / "film.srt";
    WriteBytes(target, "an older and much longer content of the file\r\n");
    const WriteResult result = WriteFileAtomic(target, c.bytes);
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(ReadBytes(target), c.bytes);
    EXPECT_EQ(folder.Names(), Names{"film.srt"});
  }
}

TEST(WriteFileAtomic, CreatesAMissingTarget) {
  TempFolder folder;
  ASSERT_TRUE(WriteFileAtomic(folder / "new cd1.srt", "x"));
  EXPECT_EQ(ReadBytes(folder / "new cd1.srt"), "x");
  EXPECT_EQ(folder.Names(), Names{"new cd1.srt"});
}

TEST(WriteFileAtomic, FailureLeavesTheOldTargetAndNoTemporaryFile) {
  TempFolder folder;
  WriteBytes(folder / "file.srt", "old");
  std::filesystem::create_directory(folder / "folder.srt");
  struct Case {
    const char* name;
    std::filesystem::path target;
  };
  const std::vector<Case> cases = {
      {"folder of the target missing", folder / "missing" / "x.srt"},
      {"target is a folder", folder / "folder.srt"},
      {"a file where a folder should be", folder / "file.srt" / "x.srt"},
      {"no file name", folder.path() / ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const WriteResult result = WriteFileAtomic(c.target, "new");
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(ReadBytes(folder / "file.srt"), "old");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "folder.srt"));
    EXPECT_TRUE(std::filesystem::is_empty(folder / "folder.srt"));
    EXPECT_EQ(folder.Names(), (Names{"file.srt", "folder.srt"}));
  }
}

using test_support::FileSizeCap;

TEST(WriteFileAtomic, AWriteFailingHalfWayLeavesTheOldTarget) {
  TempFolder folder;
  const auto target = folder / "film.srt";
  WriteBytes(target, "the old subtitle");
  WriteResult result;
  {
    FileSizeCap cap(1000);
    result = WriteFileAtomic(target, std::string(5000, 'x'));
  }
  EXPECT_FALSE(result);
  EXPECT_NE(result.error.find("film.srt"), std::string::npos) << result.error;
  EXPECT_EQ(ReadBytes(target), "the old subtitle");
  EXPECT_EQ(folder.Names(), Names{"film.srt"});
}

TEST(AtomicFileWriter, StreamsPiecesOfEverySize) {
  TempFolder folder;
  const auto target = folder / "big.sub";
  std::string expected;
  {
    AtomicFileWriter writer(target);
    for (int i = 0; i < 5000; ++i) {
      const std::string line = "{" + std::to_string(i) + "}{" + std::to_string(i + 1) + "}Sor";
      writer.AppendLine(line);
      expected += line + "\r\n";
    }
    const std::string block(100000, 'b');  // larger than the writer's buffer
    writer.Append(block);
    writer.Append("");
    writer.Append("end");
    expected += block + "end";
    ASSERT_TRUE(writer.ok());
    const WriteResult result = writer.Commit();
    ASSERT_TRUE(result) << result.error;
    EXPECT_TRUE(writer.Commit());  // a second Commit changes nothing
  }
  EXPECT_EQ(ReadBytes(target), expected);
  EXPECT_EQ(folder.Names(), Names{"big.sub"});
}

TEST(AtomicFileWriter, WithoutCommitTheTargetStaysAndTheTemporaryFileGoes) {
  TempFolder folder;
  const auto target = folder / "film.srt";
  WriteBytes(target, "old");
  {
    AtomicFileWriter writer(target);
    writer.Append("new content that must never arrive");
    EXPECT_EQ(folder.Names().size(), 2u);  // the temporary file is beside the target
  }
  EXPECT_EQ(ReadBytes(target), "old");
  EXPECT_EQ(folder.Names(), Names{"film.srt"});
}

TEST(AtomicFileWriter, AFailedStartIsReportedByCommit) {
  TempFolder folder;
  AtomicFileWriter writer(folder / "missing" / "x.srt");
  EXPECT_FALSE(writer.ok());
  writer.Append("ignored");
  const WriteResult result = writer.Commit();
  EXPECT_FALSE(result);
  EXPECT_NE(result.error.find("x.srt"), std::string::npos) << result.error;
}

TEST(AtomicFileWriter, KeepsThePermissionBitsOfTheOldFile) {
  TempFolder folder;
  const auto target = folder / "film.srt";
  WriteBytes(target, "old");
  ::chmod(target.c_str(), 0640);
  ASSERT_TRUE(WriteFileAtomic(target, "new"));
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(AtomicFileWriter, WritesThroughASymbolicLink) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "real");
  WriteBytes(folder / "real" / "film.srt", "old");
  std::filesystem::create_symlink(folder / "real" / "film.srt", folder / "link.srt");
  ASSERT_TRUE(WriteFileAtomic(folder / "link.srt", "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.srt"));
  EXPECT_EQ(ReadBytes(folder / "real" / "film.srt"), "new");
  EXPECT_EQ(folder.Names(), (Names{"link.srt", "real"}));
}

TEST(AtomicFileWriter, LongFileNamesGetATemporaryFileToo) {
  TempFolder folder;
  const std::string name = std::string(250, 'n') + ".srt";
  ASSERT_TRUE(WriteFileAtomic(folder / name, "x"));
  EXPECT_EQ(folder.Names(), Names{name});
}

}  // namespace
}  // namespace desktop
