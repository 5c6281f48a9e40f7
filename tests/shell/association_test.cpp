// The start window's .srt association: the question, the desktop entry and the messages.
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "platform/desktop/association.h"
#include "shell/fo_form.h"
#include "shell/kiszoveg.h"
#include "shell/rig.h"

namespace shell {
namespace {

using testing::Rig;

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    do {
      path_ = std::filesystem::temp_directory_path() /
              ("vemko-association-" + std::to_string(::getpid()) + "-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const char kQuestion[] =
    "message: Hozzárendelés | Tényleg hozzá szeretné rendelni a | Vemko progamot az srt "
    "kiterjesztéshez?";
const char kSuccess[] =
    "message: Kiterjesztés átállítása | Sikeresen végrehajtódott az asszociáció! | Kérem "
    "indítsa újra a gépet!";
const char kFailurePrefix[] = "message: Kiterjesztés átállítása | Nem sikerült az asszociáció! | ";

enum class Answer { kIgen, kNem, kMegsem, kEscape };

TEST(AssociationTest, QuestionAnswersAndOutcomes) {
  using desktop::CommandOutput;
  using desktop::RunOutcome;
  const CommandOutput ours = {RunOutcome::kSucceeded, "vemko.desktop\n"};
  struct Case {
    std::string what;
    Answer answer;
    RunOutcome xdg_mime;
    CommandOutput query;  // what "xdg-mime query default" answers
    bool relative_program;
    bool entry_written;
    const char* failure;  // the failure's line, or nullptr when it succeeds
  };
  const std::vector<Case> cases = {
      {"Igen", Answer::kIgen, RunOutcome::kSucceeded, ours, false, true, nullptr},
      {"Igen without xdg-mime", Answer::kIgen, RunOutcome::kNotStarted, ours, false, true,
       "Nincs telepítve az xdg-mime program (xdg-utils csomag)!"},
      {"Igen, xdg-mime fails", Answer::kIgen, RunOutcome::kFailed, ours, false, true,
       "Az xdg-mime nem tudta beállítani az alapértelmezett programot!"},
      {"Igen, another program stays the default",
       Answer::kIgen,
       RunOutcome::kSucceeded,
       {RunOutcome::kSucceeded, "other.desktop\n"},
       false,
       true,
       "Az srt file-ok alapértelmezett programja mégsem a Vemko lett!"},
      {"Igen, no default afterwards",
       Answer::kIgen,
       RunOutcome::kSucceeded,
       {RunOutcome::kSucceeded, ""},
       false,
       true,
       "Az srt file-ok alapértelmezett programja mégsem a Vemko lett!"},
      {"Igen, no full program path", Answer::kIgen, RunOutcome::kSucceeded, ours, true, false,
       "A program helye nem írható be a hozzárendelésbe!"},
      {"Nem", Answer::kNem, RunOutcome::kSucceeded, ours, false, false, nullptr},
      {"Megsem", Answer::kMegsem, RunOutcome::kSucceeded, ours, false, false, nullptr},
      {"Escape", Answer::kEscape, RunOutcome::kSucceeded, ours, false, false, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder home;
    const std::filesystem::path applications = home.path() / "applications";
    Rig rig;
    Program& program = rig.program;
    TKiszoveg& box = *program.Kiszoveg;
    std::vector<desktop::Argv> runs;
    program.FoForm->association = {
        .program = c.relative_program ? "bin/vemko" : "/opt/vemko/bin/vemko",
        .applications_dir = applications,
        .run =
            [&](const desktop::Argv& argv) {
              runs.push_back(argv);
              return c.xdg_mime;
            },
        .read =
            [&](const desktop::Argv& argv) {
              runs.push_back(argv);
              return c.query;
            },
        .mimeapps_list = home.path() / "mimeapps.list",
    };
    const bool answered = c.answer == Answer::kIgen;
    const bool success = answered && c.failure == nullptr;

    rig.driver.OnModal("Kiszoveg", [&] {
      EXPECT_TRUE(box.KerdesI.Visible());
      EXPECT_TRUE(box.Bigen.Visible());
      EXPECT_TRUE(box.Bnem.Visible());
      EXPECT_TRUE(box.Bmegsem.Visible());
      EXPECT_FALSE(box.Bok.Visible());
      EXPECT_TRUE(runs.empty()) << "nothing is done before the answer";
      switch (c.answer) {
        case Answer::kIgen:
          EXPECT_TRUE(rig.driver.Click(box.Bigen));
          break;
        case Answer::kNem:
          EXPECT_TRUE(rig.driver.Click(box.Bnem));
          break;
        case Answer::kMegsem:
          EXPECT_TRUE(rig.driver.Click(box.Bmegsem));
          break;
        case Answer::kEscape:
          EXPECT_TRUE(rig.driver.Press(ui::keys::kEscape));
          break;
      }
    });
    if (answered) {
      rig.driver.OnModal("Kiszoveg", [&] {
        EXPECT_EQ(box.InfoI.Visible(), success);
        EXPECT_EQ(box.HibaI.Visible(), !success);
        EXPECT_TRUE(box.Bok.Visible());
        EXPECT_FALSE(box.Bigen.Visible());
        EXPECT_TRUE(rig.driver.Click(box.Bok));
      });
    }
    rig.driver.OnRun([&] { ASSERT_TRUE(rig.driver.Click(program.FoForm->Button2)); });
    rig.driver.OnRun([&] { program.FoForm->Close(); });
    program.Run();
    EXPECT_EQ(rig.driver.Verify(), "");

    const std::vector<std::string> messages = rig.Lines("message: ");
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0], kQuestion);
    EXPECT_EQ(messages.size(), answered ? 2u : 1u);
    if (success) {
      EXPECT_EQ(messages.back(), kSuccess);
    }
    if (answered && c.failure != nullptr) {
      EXPECT_EQ(messages.back(), kFailurePrefix + std::string(c.failure));
    }

    const std::filesystem::path entry = applications / desktop::kDesktopEntryName;
    EXPECT_EQ(std::filesystem::exists(entry), c.entry_written);
    if (c.entry_written) {
      EXPECT_EQ(ReadBytes(entry), desktop::DesktopEntryText("/opt/vemko/bin/vemko"));
      std::vector<desktop::Argv> expected = {
          {"xdg-mime", "default", desktop::kDesktopEntryName, desktop::kSubRipMimeType}};
      if (c.xdg_mime == RunOutcome::kSucceeded)
        expected.push_back({"xdg-mime", "query", "default", desktop::kSubRipMimeType});
      EXPECT_EQ(runs, expected);
    } else {
      EXPECT_TRUE(runs.empty());
      EXPECT_FALSE(std::filesystem::exists(applications)) << "nothing written";
    }
    EXPECT_EQ(program.state.DialogReply, answered ? "igen" : "nem");
    EXPECT_EQ(program.state.StartState, "be");
  }
}

// An entry that cannot be written is named in the message.
TEST(AssociationTest, AnEntryThatCannotBeWrittenIsNamed) {
  TempFolder home;
  { std::ofstream(home.path() / "a-file") << "x"; }
  Rig rig;
  Program& program = rig.program;
  program.FoForm->association = {
      .program = "/opt/vemko/bin/vemko",
      .applications_dir = home.path() / "a-file" / "applications",
      .run = [](const desktop::Argv&) { return desktop::RunOutcome::kSucceeded; },
      .read = [](const desktop::Argv&) { return desktop::CommandOutput{}; },
      .mimeapps_list = home.path() / "mimeapps.list",
  };
  rig.driver.OnModal("Kiszoveg", [&] { rig.driver.Click(program.Kiszoveg->Bigen); });
  rig.driver.OnModal("Kiszoveg", [&] { rig.driver.Click(program.Kiszoveg->Bok); });
  rig.driver.OnRun([&] { rig.driver.Click(program.FoForm->Button2); });
  rig.driver.OnRun([&] { program.FoForm->Close(); });
  program.Run();
  EXPECT_EQ(rig.driver.Verify(), "");
  const std::vector<std::string> messages = rig.Lines("message: ");
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1], kFailurePrefix + std::string("Nem írható a következő file: ") +
                             (home.path() / "a-file" / "applications" / "vemko.desktop").string());
}

TEST(AssociationTest, DefaultsToThisProgramInTheUsersApplicationsFolder) {
  Rig rig;
  const desktop::AssociationSetup& setup = rig.program.FoForm->association;
  EXPECT_EQ(setup.program, desktop::ProgramFile());
  EXPECT_EQ(setup.applications_dir, desktop::UserApplicationsFolder());
  EXPECT_EQ(setup.mimeapps_list, desktop::UserMimeAppsList());
  EXPECT_TRUE(static_cast<bool>(setup.run));
  EXPECT_TRUE(static_cast<bool>(setup.read));
}

}  // namespace
}  // namespace shell
