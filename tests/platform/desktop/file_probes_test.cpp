#include "platform/desktop/file_probes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop/temp_folder.h"

namespace desktop {
namespace {

using desktop_test::TempFolder;
using desktop_test::WriteBytes;

// Sets an environment variable for the scope and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) {
      old_ = old;
    }
    if (value == nullptr) {
      ::unsetenv(name);
    } else {
      ::setenv(name, value, 1);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class FileProbes : public testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(folder_ / "film cd1.srt", "x");
    WriteBytes(folder_ / ".hidden.srt", "x");
    std::filesystem::create_directory(folder_ / "sub");
    std::filesystem::create_directory(folder_ / "sub" / "deeper");
    std::filesystem::create_symlink(folder_ / "film cd1.srt", folder_ / "link.srt");
    std::filesystem::create_symlink(folder_ / "sub", folder_ / "link-to-sub");
    ::mkfifo((folder_ / "fifo.srt").c_str(), 0600);
  }
  TempFolder folder_;
};

TEST_F(FileProbes, OnlyVisibleRegularFilesCountAsExisting) {
  struct Case {
    const char* name;
    std::filesystem::path path;
    bool file;
    bool folder;
  };
  const std::vector<Case> cases = {
      {"plain file", folder_ / "film cd1.srt", true, false},
      {"hidden file", folder_ / ".hidden.srt", false, false},
      {"link to a file", folder_ / "link.srt", true, false},
      {"folder", folder_ / "sub", false, true},
      {"link to a folder", folder_ / "link-to-sub", false, true},
      {"folder with a trailing separator", folder_ / "sub" / "", false, true},
      {"FIFO", folder_ / "fifo.srt", false, false},
      {"missing", folder_ / "film cd2.srt", false, false},
      {"under a file", folder_ / "film cd1.srt" / "x", false, false},
      {"empty path", "", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PlainFileExists(c.path), c.file);
    EXPECT_EQ(IsFolder(c.path), c.folder);
  }
}

TEST_F(FileProbes, NearestExistingFolderWalksUpToOneThatExists) {
  struct Case {
    const char* name;
    std::filesystem::path wanted;
    std::optional<std::filesystem::path> found;
  };
  const std::vector<Case> cases = {
      {"existing", folder_ / "sub" / "deeper", folder_ / "sub" / "deeper"},
      {"trailing separator", folder_ / "sub" / "", folder_ / "sub"},
      {"gone", folder_ / "sub" / "gone" / "too", folder_ / "sub"},
      {"a file in the way", folder_ / "film cd1.srt" / "x", folder_.path()},
      {"dot segments", folder_ / "sub" / "deeper" / ".." / "gone", folder_ / "sub"},
      {"nothing left", "/no-such-folder-vemko/x", std::filesystem::path("/")},
      {"empty", "", std::nullopt},
      {"relative and gone", "no-such-folder-vemko/x", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(NearestExistingFolder(c.wanted), c.found);
  }
}

TEST_F(FileProbes, StartFolderFallsBackToHomeThenRoot) {
  const std::filesystem::path home = folder_ / "sub";
  EXPECT_EQ(StartFolder(folder_ / "sub" / "deeper", home), folder_ / "sub" / "deeper");
  EXPECT_EQ(StartFolder(folder_ / "gone", home), folder_.path());
  EXPECT_EQ(StartFolder("", home), home);
  EXPECT_EQ(StartFolder("", folder_ / "no-home"), std::filesystem::path("/"));
  EXPECT_EQ(StartFolder("", ""), std::filesystem::path("/"));
}

TEST(HomeFolder, PrefersAnAbsoluteHomeVariable) {
  {
    ScopedEnv home("HOME", "/home/somebody");
    EXPECT_EQ(HomeFolder(), std::filesystem::path("/home/somebody"));
  }
  for (const char* value : {static_cast<const char*>(nullptr), "", "relative"}) {
    SCOPED_TRACE(value == nullptr ? "unset" : value);
    ScopedEnv home("HOME", value);
    const std::filesystem::path found = HomeFolder();  // from the password database
    EXPECT_TRUE(found.empty() || found.is_absolute()) << found;
  }
}

}  // namespace
}  // namespace desktop
