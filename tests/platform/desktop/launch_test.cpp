#include "platform/desktop/launch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace desktop {
namespace {

struct LinkCase {
  const char* url;
  bool launched;
};

TEST(OpenLink, StartsXdgOpenWithTheAddressAsOneArgument) {
  const std::vector<LinkCase> cases = {
      {"https://www.example.org/search?q=Vemko&x=1;y", true},
      {"http://example.org", true},
      {"HTTPS://EXAMPLE.ORG/", true},
      {"https://", false},
      {"ftp://example.org/", false},
      {"file:///etc/passwd", false},
      {"--help", false},
      {"", false},
      {"https://example.org/a b", false},
      {"https://example.org/\n--x", false},
  };
  for (const LinkCase& c : cases) {
    SCOPED_TRACE(c.url);
    std::vector<Argv> started;
    const bool opened = OpenLink(c.url, [&started](const Argv& argv) {
      started.push_back(argv);
      return true;
    });
    EXPECT_EQ(opened, c.launched);
    if (c.launched) {
      EXPECT_EQ(started, (std::vector<Argv>{{"xdg-open", c.url}}));
    } else {
      EXPECT_TRUE(started.empty());
    }
  }
}

TEST(OpenLink, ReportsALauncherThatCouldNotStart) {
  EXPECT_FALSE(OpenLink("https://example.org", [](const Argv&) { return false; }));
  EXPECT_FALSE(OpenLink("https://example.org", Launcher()));
}

TEST(SpawnDetached, TellsWhetherTheProgramStarted) {
  EXPECT_TRUE(SpawnDetached({"true"}));
  EXPECT_FALSE(SpawnDetached({"no-such-program-vemko"}));
  EXPECT_FALSE(SpawnDetached({"/no/such/program"}));
  EXPECT_FALSE(SpawnDetached({}));
}

TEST(RunAndWait, ReportsHowTheProgramEnded) {
  struct Case {
    Argv argv;
    RunOutcome outcome;
  };
  const std::vector<Case> cases = {
      {{"true"}, RunOutcome::kSucceeded},
      {{"false"}, RunOutcome::kFailed},
      {{"sh", "-c", "kill -9 $$"}, RunOutcome::kFailed},
      {{"no-such-program-vemko"}, RunOutcome::kNotStarted},
      {{}, RunOutcome::kNotStarted},
      // No shell between: blanks and shell characters arrive as they are.
      {{"test", "a b;$HOME", "=", "a b;$HOME"}, RunOutcome::kSucceeded},
      {{"test", "*", "=", "*"}, RunOutcome::kSucceeded},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.argv.empty() ? "(empty)" : c.argv.back());
    EXPECT_EQ(RunAndWait(c.argv), c.outcome);
  }
}

TEST(RunAndRead, GivesTheOutputAndHowTheProgramEnded) {
  struct Case {
    Argv argv;
    RunOutcome outcome;
    std::string output;
  };
  const std::vector<Case> cases = {
      {{"echo", "vemko.desktop"}, RunOutcome::kSucceeded, "vemko.desktop\n"},
      {{"sh", "-c", "echo partial; exit 3"}, RunOutcome::kFailed, "partial\n"},
      {{"sh", "-c", "echo to-the-error-stream >&2"}, RunOutcome::kSucceeded, ""},
      {{"no-such-program-vemko"}, RunOutcome::kNotStarted, ""},
      {{}, RunOutcome::kNotStarted, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.argv.empty() ? "(empty)" : c.argv.back());
    const CommandOutput result = RunAndRead(c.argv);
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(result.output, c.output);
  }
}

TEST(RunAndRead, KeepsTheFirst64KiBOfALongOutputAndStillWaitsForTheEnd) {
  const CommandOutput result = RunAndRead({"sh", "-c", "yes x | head -c 300000; exit 0"});
  EXPECT_EQ(result.outcome, RunOutcome::kSucceeded);
  EXPECT_EQ(result.output.size(), std::size_t{64} << 10);
}

}  // namespace
}  // namespace desktop
