#include "shell/hibaki.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/rig.h"

namespace shell {
namespace {

using testing::Rig;

TEST(ResultListTest, ProtocolAndLog) {
  Rig rig;
  THibaki& list = *rig.program.Hibaki;
  list.StartReport(kReadProblemsCaption, true);
  list.AddLine("");
  list.AddLine("Melyik sorban volt: 3");
  list.AddLine("Miből: Szia!");
  rig.driver.OnModal("Hibaki", [&] {
    EXPECT_TRUE(list.Label1.Visible());
    EXPECT_TRUE(list.Label2.Visible());
    EXPECT_EQ(list.LBhiba.Count(), 3);
    rig.driver.Click(list.Button1);
  });
  list.ShowReport();
  const std::vector<std::string> expected = {"list: Hibák észelelése", "|",
                                             "| Melyik sorban volt: 3", "| Miből: Szia!"};
  std::vector<std::string> noted = rig.Lines("list: ");
  for (const std::string& line : rig.Lines("|"))
    noted.push_back(line);
  EXPECT_EQ(noted, expected);

  // The lines stay for a second showing; a new report starts afresh.
  rig.driver.OnModal("Hibaki", [&] { rig.driver.Click(list.Button1); });
  list.ShowReport();
  EXPECT_EQ(list.LBhiba.Count(), 3);
  list.StartReport(kReplaceResultCaption, false);
  EXPECT_EQ(list.LBhiba.Count(), 0);
  EXPECT_EQ(list.Caption(), "Keresés és csere végeredménye");
  EXPECT_FALSE(list.Label1.Visible());
  EXPECT_FALSE(list.Label2.Visible());
  EXPECT_EQ(rig.driver.Verify(), "");
}

TEST(ResultListTest, FitsTheScreenAndEscapeCloses) {
  struct Case {
    int screen_height;
    int list_height;  // the list's full height where it fits
  };
  const std::vector<Case> cases = {{1024, 529}, {768, 529}, {600, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.screen_height);
    Rig rig(c.screen_height == 600 ? 800 : 1280, c.screen_height);
    THibaki& list = *rig.program.Hibaki;
    list.StartReport(kOverlapResultCaption, false);
    for (int i = 0; i < 100; ++i)
      list.AddLine("sor " + std::to_string(i));
    bool checked = false;
    rig.driver.OnModal("Hibaki", [&] {
      EXPECT_LE(list.Height(), c.screen_height);
      EXPECT_GE(list.Top(), 0);
      EXPECT_LE(list.Button1.Top() + list.Button1.Height(), list.ClientHeight());
      if (c.list_height > 0) {
        EXPECT_EQ(list.LBhiba.Height(), c.list_height);
      }
      EXPECT_GT(list.LBhiba.Height(), 300);
      rig.driver.Focus(list.LBhiba);
      rig.driver.Press(ui::keys::kEscape);
      checked = true;
    });
    list.ShowReport();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(list.Visible());
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

}  // namespace
}  // namespace shell
