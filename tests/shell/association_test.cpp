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
const char kFailurePrefix[] = "message: Kiterjesztés átállítása | Nem sikerült az asszociáció! |";

enum class Answer { kIgen, kNem, kMegsem, kEscape };

TEST(AssociationTest, QuestionAnswersAndOutcomes) {
  struct Case {
    std::string what;
    Answer answer;
    desktop::RunOutcome xdg_mime;
    bool relative_program = false;
    bool entry_written;
    bool success_shown;
    bool failure_shown;
  };
  using desktop::RunOutcome;
  const std::vector<Case> cases = {
      {"Igen", Answer::kIgen, RunOutcome::kSucceeded, false, true, true, false},
      {"Igen without xdg-mime", Answer::kIgen, RunOutcome::kNotStarted, false, true, true, false},
      {"Igen, xdg-mime fails", Answer::kIgen, RunOutcome::kFailed, false, true, false, true},
      {"Igen, no full program path", Answer::kIgen, RunOutcome::kSucceeded, true, false, false,
       true},
      {"Nem", Answer::kNem, RunOutcome::kSucceeded, false, false, false, false},
      {"Megsem", Answer::kMegsem, RunOutcome::kSucceeded, false, false, false, false},
      {"Escape", Answer::kEscape, RunOutcome::kSucceeded, false, false, false, false},
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
    };

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
    if (c.success_shown || c.failure_shown) {
      rig.driver.OnModal("Kiszoveg", [&] {
        EXPECT_EQ(box.InfoI.Visible(), c.success_shown);
        EXPECT_EQ(box.HibaI.Visible(), c.failure_shown);
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
    EXPECT_EQ(messages.size(), c.success_shown || c.failure_shown ? 2u : 1u);
    if (c.success_shown) {
      EXPECT_EQ(messages.back(), kSuccess);
    }
    if (c.failure_shown) {
      EXPECT_EQ(messages.back().rfind(kFailurePrefix, 0), 0u) << messages.back();
    }

    const std::filesystem::path entry = applications / desktop::kDesktopEntryName;
    EXPECT_EQ(std::filesystem::exists(entry), c.entry_written);
    if (c.entry_written) {
      EXPECT_EQ(ReadBytes(entry), desktop::DesktopEntryText("/opt/vemko/bin/vemko"));
      EXPECT_EQ(runs,
                (std::vector<desktop::Argv>{{"xdg-mime", "default", desktop::kDesktopEntryName,
                                             desktop::kSubRipMimeType}}));
    } else {
      EXPECT_TRUE(runs.empty());
      EXPECT_FALSE(std::filesystem::exists(applications)) << "nothing written";
    }
    EXPECT_EQ(program.state.DialogReply, c.answer == Answer::kIgen ? "igen" : "nem");
    EXPECT_EQ(program.state.StartState, "be");
  }
}

TEST(AssociationTest, DefaultsToThisProgramInTheUsersApplicationsFolder) {
  Rig rig;
  const desktop::AssociationSetup& setup = rig.program.FoForm->association;
  EXPECT_EQ(setup.program, desktop::ProgramFile());
  EXPECT_EQ(setup.applications_dir, desktop::UserApplicationsFolder());
  EXPECT_TRUE(static_cast<bool>(setup.run));
}

}  // namespace
}  // namespace shell
