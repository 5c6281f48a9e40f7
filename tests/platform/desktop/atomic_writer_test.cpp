#include "platform/desktop/atomic_writer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <string>
#include <vector>

#include "platform/desktop/temp_folder.h"
#include "platform/desktop/unprivileged.h"
#include "support/file_size_cap.h"

namespace desktop {
namespace {

using desktop_test::OwnForUnprivileged;
using desktop_test::ReadBytes;
using desktop_test::RunUnprivileged;
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

unsigned ModeOf(const std::filesystem::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0u;
}

// ---- Permissions ----------------------------------------------------------------------------

TEST(ChooseWriteWay, TheTargetsPermissionDecidesAndAClosedFolderMeansInPlace) {
  struct Case {
    bool exists;
    bool writable;
    int temp_error;
    WriteWay way;
  };
  const Case cases[] = {
      {false, true, 0, WriteWay::kReplace},     {true, true, 0, WriteWay::kReplace},
      {true, false, 0, WriteWay::kRefuse},      {true, false, EACCES, WriteWay::kRefuse},
      {true, true, EACCES, WriteWay::kInPlace}, {true, true, EPERM, WriteWay::kInPlace},
      {true, true, EROFS, WriteWay::kInPlace},  {false, true, EACCES, WriteWay::kRefuse},
      {true, true, ENOENT, WriteWay::kRefuse},  {true, true, ENOTDIR, WriteWay::kRefuse},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseWriteWay(c.exists, c.writable, c.temp_error), c.way)
        << c.exists << c.writable << " " << c.temp_error;
  }
}

TEST(IsWritableFile, AFileWithoutAnyWriteBitIsProtectedWhateverTheSystemAllows) {
  struct Case {
    unsigned mode;
    bool access_allows;
    bool writable;
  };
  const Case cases[] = {
      {0644, true, true},  {0200, true, true},   {0020, true, true},   {0444, true, false},
      {0400, true, false}, {0644, false, false}, {0444, false, false}, {0000, true, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsWritableFile(c.mode, c.access_allows), c.writable) << std::oct << c.mode;
  }
}

// Mode 0444 in a writable folder: a rename would replace it, and even the superuser counts it
// as write-protected.
TEST(AtomicFileWriter, AWriteProtectedFileIsRefusedAndLeftAsItWas) {
  TempFolder folder;
  const auto target = folder / "film.srt";
  WriteBytes(target, "old");
  ::chmod(target.c_str(), 0444);
  const WriteResult result = WriteFileAtomic(target, "new");
  EXPECT_FALSE(result);
  EXPECT_NE(result.error.find("film.srt"), std::string::npos) << result.error;
  EXPECT_EQ(ReadBytes(target), "old");
  EXPECT_EQ(ModeOf(target), 0444u);
  EXPECT_EQ(folder.Names(), Names{"film.srt"});
}

// Where permission bits stop writes: the owner's own bits deny a write that the bits of the
// group and others would allow; a folder that may not be written makes the write go in place.
TEST(AtomicFileWriter, PermissionsCountAsForAPlainWrite) {
  struct Case {
    const char* name;
    unsigned file_mode;    // 0: no old file
    unsigned folder_mode;  // set after the old file is made
    bool written;
  };
  const std::vector<Case> cases = {
      {"owner may not write, others may", 0422, 0755, false},
      {"writable file in a closed folder", 0640, 0555, true},
      {"write-only file in a closed folder", 0200, 0555, true},
      {"protected file in a closed folder", 0444, 0555, false},
      {"no file in a closed folder", 0, 0555, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const auto target = folder / "film.srt";
    const std::string old = "the old and longer content of the file";
    OwnForUnprivileged(folder.path());
    if (c.file_mode != 0) {
      WriteBytes(target, old);
      OwnForUnprivileged(target);
      ::chmod(target.c_str(), c.file_mode);
    }
    ::chmod(folder.path().c_str(), c.folder_mode);
    const std::optional<std::string> answer = RunUnprivileged([&]() -> std::string {
      const WriteResult result = WriteFileAtomic(target, "new");
      if (result.ok != c.written)
        return "written: " + std::to_string(result.ok) + " " + result.error;
      if (!result.ok && result.error.find("film.srt") == std::string::npos)
        return "the error does not name the file: " + result.error;
      return "";
    });
    ::chmod(folder.path().c_str(), 0755);
    if (!answer)
      GTEST_SKIP() << "cannot give up the superuser's rights here";
    EXPECT_EQ(*answer, "");
    if (c.file_mode != 0) {
      EXPECT_EQ(ReadBytes(target), c.written ? "new" : old);
      EXPECT_EQ(ModeOf(target), c.file_mode);
      EXPECT_EQ(folder.Names(), Names{"film.srt"});
    } else {
      EXPECT_TRUE(folder.Names().empty());
    }
  }
}

TEST(AtomicFileWriter, InPlaceNothingArrivesBeforeCommitAndAFailureBringsTheOldContentBack) {
  TempFolder folder;
  const auto target = folder / "film.srt";
  const std::string old = "the old subtitle";
  OwnForUnprivileged(folder.path());
  WriteBytes(target, old);
  OwnForUnprivileged(target);
  ::chmod(folder.path().c_str(), 0555);
  const std::optional<std::string> answer = RunUnprivileged([&]() -> std::string {
    {
      AtomicFileWriter writer(target);
      if (!writer.in_place())
        return "not written in place";
      writer.Append("new content that must never arrive");
    }
    if (ReadBytes(target) != old)
      return "a writer without Commit changed the file";
    WriteResult result;
    {
      test_support::FileSizeCap cap(1000);
      result = WriteFileAtomic(target, std::string(5000, 'x'));
    }
    if (result.ok)
      return "a write over the size cap succeeded";
    if (result.error.find("film.srt") == std::string::npos)
      return "the error does not name the file: " + result.error;
    if (ReadBytes(target) != old)
      return "the old content did not come back: " + ReadBytes(target).substr(0, 40);
    return "";
  });
  ::chmod(folder.path().c_str(), 0755);
  if (!answer)
    GTEST_SKIP() << "cannot give up the superuser's rights here";
  EXPECT_EQ(*answer, "");
  EXPECT_EQ(folder.Names(), Names{"film.srt"});
}

// ---- Temporary files left by a killed save ----------------------------------------------

void SetChangeTime(const std::filesystem::path& path, std::time_t seconds) {
  const timespec times[2] = {{seconds, 0}, {seconds, 0}};
  ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

TEST(IsTemporaryNameFor, OnlyTheHiddenNameWithItsTagIsOurs) {
  struct Case {
    const char* name;
    const char* target;
    bool ours;
  };
  const Case cases[] = {
      {".film.srt.0123456789abcdef.tmp", "film.srt", true},
      {".film.srt.0123456789ABCDEF.tmp", "film.srt", false},
      {".film.srt.0123456789abcde.tmp", "film.srt", false},
      {".film.srt.0123456789abcdefa.tmp", "film.srt", false},
      {"film.srt.0123456789abcdef.tmp", "film.srt", false},
      {".film.srt.0123456789abcdef.tmp", "film.sub", false},
      {".film.srt.0123456789abcdef.bak", "film.srt", false},
      {".film.srt.0123456789abcdeg.tmp", "film.srt", false},
      {".a.srt.0123456789abcdef.tmp", "film.a.srt", false},
      {"film.srt", "film.srt", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsTemporaryNameFor(c.name, c.target), c.ours) << c.name << " / " << c.target;
  const std::string long_name = std::string(250, 'n') + ".srt";
  EXPECT_TRUE(IsTemporaryNameFor("." + std::string(200, 'n') + ".0123456789abcdef.tmp", long_name));
}

TEST(RemoveStaleTemporaries, OnlyOurFilesOfThatTargetFromBeforeTheStartGo) {
  TempFolder folder;
  const std::time_t start = 1700000000;
  const std::string stale = ".film.srt.0123456789abcdef.tmp";
  const std::string fresh = ".film.srt.fedcba9876543210.tmp";
  const std::string other_target = ".other.srt.0123456789abcdef.tmp";
  const std::string look_alike = ".film.srt.0123456789ABCDEF.tmp";
  const std::string folder_name = ".film.srt.1111111111111111.tmp";
  const std::string link = ".film.srt.2222222222222222.tmp";
  for (const std::string& name : {stale, fresh, other_target, look_alike})
    WriteBytes(folder / name, "half");
  WriteBytes(folder / "film.srt", "the subtitle");
  std::filesystem::create_directory(folder / folder_name);
  std::filesystem::create_symlink(folder / "film.srt", folder / link);
  for (const std::string& name :
       {stale, other_target, look_alike, folder_name, link, std::string("film.srt")}) {
    SetChangeTime(folder / name, start - 10);
  }
  SetChangeTime(folder / fresh, start + 10);

  RemoveStaleTemporaries(folder / "film.srt", {start, 0});

  Names kept = {fresh, other_target, look_alike, folder_name, link, "film.srt"};
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(folder.Names(), kept);
  EXPECT_EQ(ReadBytes(folder / "film.srt"), "the subtitle");
}

TEST(AtomicFileWriter, SavingAgainRemovesATemporaryFileOfAKilledSave) {
  TempFolder folder;
  const auto target = folder / "film.srt";
  WriteBytes(target, "old");
  const std::string killed = ".film.srt.00000000deadbeef.tmp";
  const std::string running = ".film.srt.00000000cafebabe.tmp";  // of a save going on now
  WriteBytes(folder / killed, "half written");
  SetChangeTime(folder / killed, 1000000000);
  WriteBytes(folder / running, "being written");

  ASSERT_TRUE(WriteFileAtomic(target, "new"));

  EXPECT_EQ(ReadBytes(target), "new");
  EXPECT_EQ(folder.Names(), (Names{running, "film.srt"}));  // "." sorts first
}

TEST(ProgramStartTime, IsInThePast) {
  const std::timespec start = ProgramStartTime();
  const std::time_t now = std::time(nullptr);
  EXPECT_GT(start.tv_sec, 1000000000);
  EXPECT_LE(start.tv_sec, now);
  EXPECT_GE(start.tv_nsec, 0);
  EXPECT_LT(start.tv_nsec, 1000000000);
}

}  // namespace
}  // namespace desktop
