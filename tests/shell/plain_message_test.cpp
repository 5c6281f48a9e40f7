// The plain message box: its lines, its note in the session log, and OK closing it.
#include "shell/plain_message.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "shell/rig.h"

namespace shell {
namespace {

using testing::Rig;

// Only CR LF breaks a line; unlike the message window's lines, a lone LF stays in its line
// and a break at the very end opens an empty last line.
TEST(PlainMessageTest, LinesAreSplitAtCrLfOnly) {
  struct Case {
    std::string_view message;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {""}},
      {"Egy", {"Egy"}},
      {"Egy\r\nKettő\r\nHárom", {"Egy", "Kettő", "Három"}},
      {"Egy\nKettő", {"Egy\nKettő"}},
      {"Egy\r\n", {"Egy", ""}},
      {"\r\n\r\n", {"", "", ""}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MessageLines(c.message), c.lines) << c.message;
}

TEST(PlainMessageTest, ShowsEveryLineNotesThemAndClosesOnOk) {
  Rig rig;
  std::vector<std::string> shown;
  rig.driver.OnModal(std::string(kPlainMessageName), [&] {
    ui::Form& box = *rig.driver.App().InnermostModal();
    for (const char* name : {"Line1", "Line2", "Line3"})
      shown.push_back(static_cast<ui::Label*>(box.FindControl(name))->Caption());
    rig.driver.Click(*static_cast<ui::Control*>(box.FindControl("Ok")));
  });
  ShowPlainMessage(rig.program, "Ennyit módosítottam: 2\r\n\r\nNem volt kritikus sor!");
  EXPECT_EQ(shown,
            (std::vector<std::string>{"Ennyit módosítottam: 2", "", "Nem volt kritikus sor!"}));
  EXPECT_EQ(
      rig.Lines("message: "),
      std::vector<std::string>{"message: Ennyit módosítottam: 2 |  | Nem volt kritikus sor!"});
  EXPECT_EQ(rig.driver.App().InnermostModal(), nullptr);
}

}  // namespace
}  // namespace shell
