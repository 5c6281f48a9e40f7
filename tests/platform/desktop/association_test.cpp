#include "platform/desktop/association.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
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
  AssociationSetup Setup(RunOutcome outcome,
                         CommandOutput query = {RunOutcome::kSucceeded, "vemko.desktop\n"}) {
    return {"/opt/vemko/bin/vemko", folder_ / "share" / "applications",
            [this, outcome](const Argv& argv) {
              runs_.push_back(argv);
              return outcome;
            },
            [this, query](const Argv& argv) {
              runs_.push_back(argv);
              return query;
            },
            folder_ / "config" / "mimeapps.list"};
  }
  void WriteMimeApps(const std::string& text) {
    std::filesystem::create_directories(folder_ / "config");
    WriteBytes(folder_ / "config" / "mimeapps.list", text);
  }
  TempFolder folder_;
  std::vector<Argv> runs_;
};

const Argv kSetDefault = {"xdg-mime", "default", "vemko.desktop", "application/x-subrip"};
const Argv kAskDefault = {"xdg-mime", "query", "default", "application/x-subrip"};

TEST_F(Association, WritesTheEntrySetsTheDefaultAndChecksIt) {
  const AssociationResult result = AssociateSubRipFiles(Setup(RunOutcome::kSucceeded));
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.failure, AssociationFailure::kNone);
  EXPECT_EQ(result.default_entry, "vemko.desktop");
  EXPECT_EQ(result.desktop_file, folder_ / "share" / "applications" / "vemko.desktop");
  EXPECT_EQ(ReadBytes(result.desktop_file), DesktopEntryText("/opt/vemko/bin/vemko"));
  EXPECT_EQ(runs_, (std::vector<Argv>{kSetDefault, kAskDefault}));
}

TEST_F(Association, ReplacesAnOlderEntry) {
  std::filesystem::create_directories(folder_ / "share" / "applications");
  WriteBytes(folder_ / "share" / "applications" / "vemko.desktop", "[Desktop Entry]\nExec=old\n");
  ASSERT_TRUE(AssociateSubRipFiles(Setup(RunOutcome::kSucceeded)).ok);
  EXPECT_EQ(ReadBytes(folder_ / "share" / "applications" / "vemko.desktop"),
            DesktopEntryText("/opt/vemko/bin/vemko"));
}

// Success only when the default names our entry afterwards.
TEST_F(Association, SucceedsOnlyWhenTheDefaultIsOursAfterwards) {
  const CommandOutput not_asked = {RunOutcome::kNotStarted, ""};
  const std::string ours_listed =
      "[Added Associations]\napplication/x-subrip=other.desktop;\n"
      "[Default Applications]\napplication/x-subrip=vemko.desktop;\n";
  struct Case {
    const char* name;
    RunOutcome set;
    CommandOutput query;
    const char* mimeapps;  // nullptr: no file
    AssociationFailure failure;
    const char* default_entry;
  };
  const std::vector<Case> cases = {
      {"xdg-mime missing", RunOutcome::kNotStarted, not_asked, ours_listed.c_str(),
       AssociationFailure::kNoXdgMime, ""},
      {"xdg-mime fails", RunOutcome::kFailed, not_asked, ours_listed.c_str(),
       AssociationFailure::kDefaultNotSet, ""},
      {"the query names another program",
       RunOutcome::kSucceeded,
       {RunOutcome::kSucceeded, "other.desktop\n"},
       ours_listed.c_str(),
       AssociationFailure::kNotTheDefault,
       "other.desktop"},
      {"the query names none",
       RunOutcome::kSucceeded,
       {RunOutcome::kSucceeded, "\n"},
       nullptr,
       AssociationFailure::kNotTheDefault,
       ""},
      {"the query cannot run, the list names ours",
       RunOutcome::kSucceeded,
       {RunOutcome::kFailed, "vemko.desktop\n"},
       ours_listed.c_str(),
       AssociationFailure::kNone,
       "vemko.desktop"},
      {"the query cannot run, the list names another", RunOutcome::kSucceeded, not_asked,
       "[Default Applications]\napplication/x-subrip=other.desktop;vemko.desktop;\n",
       AssociationFailure::kNotTheDefault, "other.desktop"},
      {"the query cannot run, no list", RunOutcome::kSucceeded, not_asked, nullptr,
       AssociationFailure::kNotTheDefault, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(folder_ / "config");
    if (c.mimeapps != nullptr)
      WriteMimeApps(c.mimeapps);
    const AssociationResult result = AssociateSubRipFiles(Setup(c.set, c.query));
    EXPECT_EQ(result.ok, c.failure == AssociationFailure::kNone) << result.error;
    EXPECT_EQ(result.failure, c.failure);
    EXPECT_EQ(result.ok, result.error.empty()) << result.error;
    EXPECT_EQ(result.default_entry, c.default_entry);
    EXPECT_TRUE(std::filesystem::is_regular_file(result.desktop_file));
  }
}

TEST_F(Association, RefusesWhatCannotBeWritten) {
  WriteBytes(folder_ / "a-file", "x");
  struct Case {
    const char* name;
    std::filesystem::path program;
    std::filesystem::path folder;
    AssociationFailure failure;
  };
  const std::vector<Case> cases = {
      {"relative program", "vemko", folder_ / "apps", AssociationFailure::kBadProgramPath},
      {"line break in the program's path", "/opt/ve\nmko", folder_ / "apps",
       AssociationFailure::kBadProgramPath},
      {"no folder", "/opt/vemko", "", AssociationFailure::kNoApplicationsFolder},
      {"folder under a file", "/opt/vemko", folder_ / "a-file" / "apps",
       AssociationFailure::kEntryNotWritten},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AssociationSetup setup = Setup(RunOutcome::kSucceeded);
    setup.program = c.program;
    setup.applications_dir = c.folder;
    const AssociationResult result = AssociateSubRipFiles(setup);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, c.failure);
    EXPECT_FALSE(result.error.empty());
    EXPECT_TRUE(runs_.empty());
  }
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{"a-file"});
}

TEST(DefaultInMimeAppsList, TheFirstEntryOfTheTypeInTheDefaultsGroup) {
  struct Case {
    const char* text;
    const char* entry;
  };
  const std::vector<Case> cases = {
      {"[Default Applications]\napplication/x-subrip=vemko.desktop\n", "vemko.desktop"},
      {"[Default Applications]\r\napplication/x-subrip = a.desktop;b.desktop;\r\n", "a.desktop"},
      {"[Default Applications]\napplication/x-subrip=;;b.desktop", "b.desktop"},
      {"[Added Associations]\napplication/x-subrip=vemko.desktop;\n", ""},
      {"[Default Applications]\ntext/plain=vemko.desktop;\n", ""},
      {"[Default Applications]\napplication/x-subrip2=vemko.desktop;\n", ""},
      {"[Default Applications]\napplication/x-subrip=\n", ""},
      {"application/x-subrip=vemko.desktop\n", ""},
      {"", ""},
      {"[Default Applications]\n# application/x-subrip=x.desktop\n"
       "application/x-subrip=vemko.desktop;\n[Other]\napplication/x-subrip=y.desktop\n",
       "vemko.desktop"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DefaultInMimeAppsList(c.text, "application/x-subrip"), c.entry) << c.text;
}

// ---- A desktop of its own: a temporary home and XDG folders, and a PATH chosen by the test ----

// Sets environment variables for its lifetime (nullopt unsets one) and puts the old values back.
class Environment {
 public:
  using Values = std::vector<std::pair<std::string, std::optional<std::string>>>;
  explicit Environment(const Values& values) {
    for (const auto& [name, value] : values) {
      const char* old = std::getenv(name.c_str());
      saved_.push_back({name, old != nullptr ? std::optional<std::string>(old) : std::nullopt});
      if (value)
        ::setenv(name.c_str(), value->c_str(), 1);
      else
        ::unsetenv(name.c_str());
    }
  }
  Environment(const Environment&) = delete;
  Environment& operator=(const Environment&) = delete;
  ~Environment() {
    for (const auto& [name, value] : saved_) {
      if (value)
        ::setenv(name.c_str(), value->c_str(), 1);
      else
        ::unsetenv(name.c_str());
    }
  }

 private:
  Values saved_;
};

class FakeDesktop : public testing::Test {
 protected:
  // The user's folders under the temporary folder, no desktop named, and PATH as given.
  Environment Enter(const std::string& path) {
    for (const char* name : {"home", "config", "data", "bin", "none"})
      std::filesystem::create_directories(folder_ / name);
    return Environment({
        {"HOME", (folder_ / "home").string()},
        {"XDG_CONFIG_HOME", (folder_ / "config").string()},
        {"XDG_DATA_HOME", (folder_ / "data").string()},
        {"XDG_CONFIG_DIRS", (folder_ / "none").string()},
        {"XDG_DATA_DIRS", (folder_ / "none").string()},
        {"PATH", path},
        {"XDG_CURRENT_DESKTOP", std::nullopt},
        {"DESKTOP_SESSION", std::nullopt},
        {"KDE_FULL_SESSION", std::nullopt},
        {"GNOME_DESKTOP_SESSION_ID", std::nullopt},
    });
  }
  // A fake xdg-mime in the temporary bin folder: a shell script of these lines.
  void FakeXdgMime(const std::string& script) {
    const std::filesystem::path file = folder_ / "bin" / "xdg-mime";
    WriteBytes(file, "#!/bin/sh\n" + script);
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
  }
  static AssociationSetup TheUsersSetup() {
    return {.program = "/opt/vemko/bin/vemko",
            .applications_dir = UserApplicationsFolder(),
            .mimeapps_list = UserMimeAppsList()};
  }

  TempFolder folder_;
};

TEST_F(FakeDesktop, NoXdgMimeOnThePathIsAFailure) {
  const auto environment = Enter((folder_ / "bin").string());
  const AssociationResult result = AssociateSubRipFiles(TheUsersSetup());
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.failure, AssociationFailure::kNoXdgMime);
  EXPECT_EQ(result.desktop_file, folder_ / "data" / "applications" / "vemko.desktop");
}

TEST_F(FakeDesktop, AnXdgMimeThatSetsNothingIsAFailure) {
  const auto environment = Enter((folder_ / "bin").string());
  FakeXdgMime("case \"$1\" in query) echo other.desktop ;; esac\nexit 0\n");
  const AssociationResult result = AssociateSubRipFiles(TheUsersSetup());
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.failure, AssociationFailure::kNotTheDefault);
  EXPECT_EQ(result.default_entry, "other.desktop");
}

TEST_F(FakeDesktop, WithoutAnAnswerToTheQueryTheUsersListDecides) {
  const auto environment = Enter((folder_ / "bin").string());
  FakeXdgMime(
      "case \"$1\" in\n"
      "  default) printf '[Default Applications]\\n%s=%s;\\n' \"$3\" \"$2\" "
      "> \"$XDG_CONFIG_HOME/mimeapps.list\" ;;\n"
      "  *) exit 1 ;;\n"
      "esac\n");
  const AssociationResult result = AssociateSubRipFiles(TheUsersSetup());
  EXPECT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.default_entry, "vemko.desktop");
}

TEST_F(FakeDesktop, TheRealXdgMimeMakesTheProgramTheDefault) {
  if (!std::filesystem::exists("/usr/bin/xdg-mime"))
    GTEST_SKIP() << "xdg-utils is not installed";
  const auto environment = Enter("/usr/bin:/bin");
  const AssociationResult result = AssociateSubRipFiles(TheUsersSetup());
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.default_entry, "vemko.desktop");
  EXPECT_EQ(DefaultInMimeAppsList(ReadBytes(folder_ / "config" / "mimeapps.list"),
                                  "application/x-subrip"),
            "vemko.desktop");
}

TEST(ProgramFile, IsTheRunningProgram) {
  const std::filesystem::path program = ProgramFile();
  EXPECT_TRUE(program.is_absolute());
  EXPECT_EQ(program.filename(), "platform_desktop_tests");
}

}  // namespace
}  // namespace desktop
