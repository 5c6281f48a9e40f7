// "Ö" and "Lista" on small tables: the re-run pass, the protected first occurrence, the row
// restored when rows went, the flag counters, the exact change list and the report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corrections/commands.h"
#include "corrections/correction_frame.h"
#include "editor/row_command_rig.h"
#include "shell/hibaki.h"

namespace {

using editor::testing::Row;
using editor::testing::RowCommandRig;
namespace field = dataset::subtitle_field;

struct FixerRig : RowCommandRig {
  explicit FixerRig(std::vector<Row> rows) : RowCommandRig("Time", std::move(rows)) {}
  const text::LineList& List() { return program.Hibaki->LBhiba.Items(); }
};

Row At(int second, std::string text) {
  const std::string s = std::to_string(second);
  return Row{"00:00:0" + s + ",000", "00:00:0" + s + ",500", std::move(text)};
}

TEST(GeneralFixerCommand, ARowIsRunAgainUntilNothingChanges) {
  FixerRig rig({At(1, "Mi ez ? Na ?")});
  rig.AnswerOk();
  rig.editor().BOsszesClick();
  EXPECT_EQ(rig.Column(field::kSzoveg), std::vector<std::string>{"Mi ez? Na?"});
  const std::vector<std::string> expected{
      "", "Melyik sorban volt: 1", "Miből: Mi ez ? Na ?", "Mire:   Mi ez? Na ?",
      "", "Melyik sorban volt: 1", "Miből: Mi ez? Na ?",  "Mire:   Mi ez? Na?",
  };
  EXPECT_EQ(rig.List(), expected);
  EXPECT_EQ(rig.Messages(),
            std::vector<std::string>{"message: Eredmény | Ennyit találtam: 2 | További "
                                     "információt a \"Lista\" gomb alatt találsz!"});
  EXPECT_TRUE(rig.editor().Bmentes.Enabled());
  EXPECT_TRUE(rig.editor().Mentes1.Enabled());
  EXPECT_TRUE(rig.editor().racs.Focused());
}

TEST(GeneralFixerCommand, AProtectedFirstOccurrenceKeepsTheLaterOnes) {
  FixerRig rig({At(1, "- ? Mi ?"), At(2, "aDr x Dr y")});
  rig.AnswerOk();
  rig.editor().BOsszesClick();
  EXPECT_EQ(rig.Column(field::kSzoveg), (std::vector<std::string>{"- ? Mi ?", "aDr x Dr y"}));
  EXPECT_TRUE(rig.List().empty());
  EXPECT_EQ(rig.Messages(),
            std::vector<std::string>{"message: Eredmény | Nem találtam módosítandó sort! |"});
  EXPECT_FALSE(rig.editor().Bmentes.Enabled());
}

TEST(GeneralFixerCommand, ADeletedRowIsListedAndTheLastRowBecomesCurrent) {
  // Row 3 is current; row 2 holds nothing but a font span, and the long line in it counted.
  const std::string span = "<font color=red>" + std::string(40, 'x') + "</font>";
  FixerRig rig({At(1, "Jó"), At(2, span), At(3, "Vége .")});
  rig.table().SetRecNo(3);
  ASSERT_EQ(rig.program.state.LongLineRowCount, 1);
  rig.AnswerOk();
  rig.editor().BOsszesClick();
  EXPECT_EQ(rig.Column(field::kSzoveg), (std::vector<std::string>{"Jó", "Vége."}));
  EXPECT_EQ(rig.table().RecNo(), 2);
  EXPECT_EQ(rig.program.state.LongLineRowCount, 0);
  EXPECT_EQ(rig.editor().Lbetu.Caption(), "(0)");
  const std::vector<std::string> expected{
      " ",
      "Melyik sorban volt: 2",
      "Törölve: " + span,
      "",
      "Melyik sorban volt: 2",
      "Miből: Vége .",
      "Mire:   Vége.",
  };
  EXPECT_EQ(rig.List(), expected);
  // The deleted row counts two findings.
  EXPECT_EQ(rig.Messages().at(0).substr(0, 38), "message: Eredmény | Ennyit találtam: 3");
  EXPECT_EQ(rig.editor().kezdes.Text(), "00:00:03,000");  // the panel shows the row again
}

TEST(GeneralFixerCommand, SilentRunShowsNothingAndKeepsTheList) {
  FixerRig rig({At(1, "Na !")});
  rig.editor().BOsszesN(corrections::kShowNothing);
  EXPECT_TRUE(rig.Messages().empty());
  EXPECT_EQ(rig.List().size(), 4u);
  EXPECT_EQ(rig.Column(field::kSzoveg), std::vector<std::string>{"Na!"});
}

TEST(GeneralFixerCommand, AnEmptyTableFindsNothing) {
  FixerRig rig({});
  rig.AnswerOk();
  rig.editor().BOsszesClick();
  EXPECT_EQ(rig.Messages(),
            std::vector<std::string>{"message: Eredmény | Nem találtam módosítandó sort! |"});
}

TEST(GeneralFixerCommand, AFullRowWhoseFixWouldNotFitEnds) {
  // A third dot would not fit into the row's 220 characters: the row stays as it is.
  const std::string full = std::string(218, 'a') + "..";
  FixerRig rig({At(1, full), At(2, "Mi ?")});
  rig.AnswerOk();
  rig.editor().BOsszesClick();
  EXPECT_EQ(rig.Column(field::kSzoveg), (std::vector<std::string>{full, "Mi?"}));
}

TEST(GeneralFixerCommand, ListShowsTheChangeListAgain) {
  FixerRig rig({At(1, "Na !")});
  rig.editor().BOsszesN(corrections::kShowNothing);
  rig.driver.ClearLog();
  for (int run = 0; run < 2; ++run)
    rig.driver.OnModal("Hibaki", [&rig] { rig.driver.Click(rig.program.Hibaki->Button1); });
  rig.editor().BlistaClick();
  rig.editor().BlistaClick();
  const std::vector<std::string> once{"list: A módosítás végeredménye", "|",
                                      "| Melyik sorban volt: 1", "| Miből: Na !", "| Mire:   Na!"};
  std::vector<std::string> twice = once;
  twice.insert(twice.end(), once.begin(), once.end());
  std::vector<std::string> shown;
  for (const std::string& line : rig.driver.Log()) {
    if (line.starts_with("list: ") || line.starts_with("|"))
      shown.push_back(line);
  }
  EXPECT_EQ(shown, twice);
  EXPECT_FALSE(rig.program.Hibaki->Label1.Visible());
  EXPECT_FALSE(rig.program.Hibaki->Label2.Visible());
  EXPECT_TRUE(rig.editor().racs.Focused());
}

TEST(GeneralFixerCommand, ListRunsFromItsButtonAndF5) {
  FixerRig rig({At(1, "Na")});
  rig.driver.OnModal("Hibaki", [&rig] { rig.driver.Click(rig.program.Hibaki->Button1); });
  rig.driver.Click(rig.editor().Blista);
  rig.driver.OnModal("Hibaki", [&rig] { rig.driver.Click(rig.program.Hibaki->Button1); });
  rig.driver.Focus(rig.editor().racs);
  rig.driver.Press(ui::keys::kF5);
  EXPECT_EQ(rig.Lines("list: ").size(), 2u);
}

}  // namespace
