#include "platform/desktop/association.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/desktop/temp_folder.h"

namespace desktop {
namespace {

using desktop_test::ReadBytes;
using desktop_test::TempFolder;
using desktop_test::WriteBytes;

std::string ExecLine(const std::string& entry) {
  const std::size_t at = entry.find("\nExec=");
  return at == std::string::npos ? "" : entry.substr(at + 1, entry.find('\n', at + 1) - at - 1);
}

TEST(DesktopEntryText, DescribesTheProgramForSubRipFiles) {
  EXPECT_EQ(DesktopEntryText("/opt/vemko/bin/vemko"),
            "[Desktop Entry]\n"
            "Type=Application\n"
            "Name=Vemko\n"
            "Exec=\"/opt/vemko/bin/vemko\" %f\n"
            "Terminal=false\n"
            "MimeType=application/x-subrip;\n"
            "Categories=AudioVideo;Video;\n");
}

TEST(DesktopEntryText, QuotesAndEscapesTheProgramPath) {
  struct Case {
    const char* program;
    const char* exec;
  };
  const std::vector<Case> cases = {
      {"/home/ana/my programs/vemko", R"(Exec="/home/ana/my programs/vemko" %f)"},
      {"/opt/$x/vemko", R"(Exec="/opt/\\$x/vemko" %f)"},
      {"/opt/a\"b/vemko", R"(Exec="/opt/a\\"b/vemko" %f)"},
      {"/opt/a`b/vemko", R"(Exec="/opt/a\\`b/vemko" %f)"},
      {"/opt/back\\slash/vemko", R"(Exec="/opt/back\\\\slash/vemko" %f)"},
      {"/opt/100%/vemko", R"(Exec="/opt/100%%/vemko" %f)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    EXPECT_EQ(ExecLine(DesktopEntryText(c.program)), c.exec);
  }
}

class Association : public testing::Test {
 protected:
  AssociationSetup Setup(RunOutcome outcome) {
    return {"/opt/vemko/bin/vemko", folder_ / "share" / "applications",
            [this, outcome](const Argv& argv) {
              runs_.push_back(argv);
              return outcome;
            }};
  }
  TempFolder folder_;
  std::vector<Argv> runs_;
};

TEST_F(Association, WritesTheEntryAndSetsTheDefault) {
  const AssociationResult result = AssociateSubRipFiles(Setup(RunOutcome::kSucceeded));
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_TRUE(result.default_set);
  EXPECT_EQ(result.desktop_file, folder_ / "share" / "applications" / "vemko.desktop");
  EXPECT_EQ(ReadBytes(result.desktop_file), DesktopEntryText("/opt/vemko/bin/vemko"));
  EXPECT_EQ(runs_,
            (std::vector<Argv>{{"xdg-mime", "default", "vemko.desktop", "application/x-subrip"}}));
}

TEST_F(Association, ReplacesAnOlderEntry) {
  std::filesystem::create_directories(folder_ / "share" / "applications");
  WriteBytes(folder_ / "share" / "applications" / "vemko.desktop", "[Desktop Entry]\nExec=old\n");
  ASSERT_TRUE(AssociateSubRipFiles(Setup(RunOutcome::kSucceeded)).ok);
  EXPECT_EQ(ReadBytes(folder_ / "share" / "applications" / "vemko.desktop"),
            DesktopEntryText("/opt/vemko/bin/vemko"));
}

TEST_F(Association, WithoutXdgMimeTheEntryAloneIsWritten) {
  const AssociationResult result = AssociateSubRipFiles(Setup(RunOutcome::kNotStarted));
  EXPECT_TRUE(result.ok) << result.error;
  EXPECT_FALSE(result.default_set);
  EXPECT_TRUE(std::filesystem::is_regular_file(result.desktop_file));
}

TEST_F(Association, AFailingXdgMimeIsAFailure) {
  const AssociationResult result = AssociateSubRipFiles(Setup(RunOutcome::kFailed));
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());
  EXPECT_FALSE(result.default_set);
}

TEST_F(Association, RefusesWhatCannotBeWritten) {
  WriteBytes(folder_ / "a-file", "x");
  struct Case {
    const char* name;
    std::filesystem::path program;
    std::filesystem::path folder;
  };
  const std::vector<Case> cases = {
      {"relative program", "vemko", folder_ / "apps"},
      {"line break in the program's path", "/opt/ve\nmko", folder_ / "apps"},
      {"no folder", "/opt/vemko", ""},
      {"folder under a file", "/opt/vemko", folder_ / "a-file" / "apps"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AssociationSetup setup = Setup(RunOutcome::kSucceeded);
    setup.program = c.program;
    setup.applications_dir = c.folder;
    const AssociationResult result = AssociateSubRipFiles(setup);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_TRUE(runs_.empty());
  }
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{"a-file"});
}

TEST(ProgramFile, IsTheRunningProgram) {
  const std::filesystem::path program = ProgramFile();
  EXPECT_TRUE(program.is_absolute());
  EXPECT_EQ(program.filename(), "platform_desktop_tests");
}

}  // namespace
}  // namespace desktop
