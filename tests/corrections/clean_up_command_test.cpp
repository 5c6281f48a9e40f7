// The sound-word removal and the clean-up commands on small tables: rows deleted under the
// pass, the critical-row report, the counts of the own reports and the restored row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corrections/clean_up_commands.h"
#include "corrections/correction_frame.h"
#include "editor/row_command_rig.h"
#include "shell/hibaki.h"
#include "shell/plain_message.h"

namespace {

using editor::testing::Row;
using editor::testing::RowCommandRig;
namespace field = dataset::subtitle_field;

struct CleanUpRig : RowCommandRig {
  explicit CleanUpRig(std::vector<Row> rows) : RowCommandRig("Time", std::move(rows)) {}
  void AnswerPlainMessage() {
    driver.OnModal(std::string(shell::kPlainMessageName), [this] {
      driver.Click(*static_cast<ui::Control*>(driver.App().InnermostModal()->FindControl("Ok")));
    });
  }
  const text::LineList& List() { return program.Hibaki->LBhiba.Items(); }
};

Row At(int second, std::string text) {
  const std::string s = std::to_string(second);
  return Row{"00:00:0" + s + ",000", "00:00:0" + s + ",500", std::move(text)};
}

TEST(SoundWordCommand, AFirstRowDeletedDoesNotSkipTheNext) {
  CleanUpRig rig({At(1, "(nevet)"), At(2, "ANNA: Gyere!")});
  rig.AnswerPlainMessage();
  rig.editor().HangutnzszavaksNevektrlse1Click();
  EXPECT_EQ(rig.Column(field::kSzoveg), std::vector<std::string>{"- Gyere!"});
  const std::vector<std::string> expected{
      "",
      "Melyik sorban volt: 1",
      "Törölve a sor: (nevet)",
      "",
      "Melyik sorban volt: 1",
      "Miből: ANNA: Gyere!",
      "Mire:   - Gyere!",
  };
  EXPECT_EQ(rig.List(), expected);
  EXPECT_EQ(rig.Messages(),
            std::vector<std::string>{"message: Ennyit módosítottam: 2 | Nem volt kritikus sor! | "
                                     "További információt a \"Lista\" gomb alatt találsz!"});
  EXPECT_TRUE(rig.editor().Bmentes.Enabled());
  EXPECT_EQ(rig.table().RecNo(), 1);
}

TEST(SoundWordCommand, ReportsCriticalRowsAndTheDashAdvice) {
  {
    CleanUpRig rig({At(1, "Anna: Gyere!")});
    rig.AnswerOk();
    rig.editor().HangutnzszavaksNevektrlse1Click();
    EXPECT_EQ(rig.Column(field::kSzoveg), std::vector<std::string>{"Anna: Gyere!"});
    EXPECT_EQ(rig.List(), (std::vector<std::string>{"", "Melyik sorban volt: 1",
                                                    "Kritikus sor: Anna: Gyere!"}));
    EXPECT_EQ(rig.Messages(),
              std::vector<std::string>{"message: Eredmény | Nem találtam módosítandó sort! | "
                                       "Ennyi kritikus sort találtam: 1"});
    EXPECT_FALSE(rig.editor().Bmentes.Enabled());
  }
  {
    CleanUpRig rig({At(1, "- Igen.|- (nevet)"), At(2, "Anna: Jó")});
    rig.AnswerPlainMessage();
    rig.editor().HangutnzszavaksNevektrlse1Click();
    EXPECT_EQ(rig.Messages(), std::vector<std::string>{
                                  "message: Ennyit módosítottam: 1 | Érdemes a \"1*-\" gombot is "
                                  "használni! | További információt a \"Lista\" gomb alatt "
                                  "találsz!"});
  }
}

TEST(SoundWordCommand, TheExtraVariantDeletesCreditRowsAndShortLabels) {
  CleanUpRig rig(
      {At(1, "Transcript: Vemko-csapat (zene)"), At(2, "Anna: Gyere!"), At(3, "[zene]")});
  rig.table().SetRecNo(3);
  rig.AnswerPlainMessage();
  rig.editor().Hangutnzszavaksnevektrlse2Click();
  EXPECT_EQ(rig.Column(field::kSzoveg), std::vector<std::string>{"Gyere!"});
  EXPECT_EQ(rig.List().at(2), "Törölve a sor: Transcript: Vemko-csapat (zene)");
  EXPECT_EQ(rig.table().RecNo(), 1);
}

// The cursor as the screen shows it at each row the pass writes, and when the report shows.
TEST(SoundWordCommand, ShowsTheHourglassWhileTheRowsAreWalked) {
  CleanUpRig rig({At(1, "ANNA: Gyere!"), At(2, "Mi az? (sóhajt)")});
  std::vector<ui::Cursor> at_edits;
  ui::Cursor at_report = ui::Cursor::kHourGlass;
  rig.table().OnBeforeEdit = [&rig, &at_edits, editor_handler = rig.table().OnBeforeEdit] {
    at_edits.push_back(rig.driver.Backend().CurrentCursor());
    if (editor_handler)
      editor_handler();
  };
  rig.driver.OnModal(std::string(shell::kPlainMessageName), [&rig, &at_report] {
    at_report = rig.driver.Backend().CurrentCursor();
    rig.driver.Click(
        *static_cast<ui::Control*>(rig.driver.App().InnermostModal()->FindControl("Ok")));
  });
  rig.editor().HangutnzszavaksNevektrlse1Click();
  EXPECT_EQ(rig.Column(field::kSzoveg), (std::vector<std::string>{"- Gyere!", "Mi az?"}));
  EXPECT_EQ(at_edits, std::vector<ui::Cursor>(2, ui::Cursor::kHourGlass));
  EXPECT_EQ(at_report, ui::Cursor::kDefault);
  EXPECT_EQ(rig.driver.Backend().CurrentCursor(), ui::Cursor::kDefault);
}

TEST(SoundWordCommand, SilentUnderTheFullFormatting) {
  CleanUpRig rig({At(1, "(nevet)")});
  rig.editor().HangutanzoN(corrections::kShowNothing);
  EXPECT_TRUE(rig.Messages().empty());
  EXPECT_EQ(rig.table().RecordCount(), 0);
  EXPECT_EQ(rig.List().size(), 3u);
}

TEST(CleanUpCommands, DialogueDashesReportBothCounts) {
  CleanUpRig rig({At(1, "Jó. -|Te is?"), At(2, "-Menj!|-Nem.")});
  rig.AnswerOk();
  rig.editor().BvonalClick();
  EXPECT_EQ(rig.Column(field::kSzoveg),
            (std::vector<std::string>{"Jó.|- Te is?", "- Menj!|- Nem."}));
  EXPECT_EQ(rig.Messages(), std::vector<std::string>{
                                "message: Eredmény | Ennyit találtam: 1+1 | További információt "
                                "a \"Lista\" gomb alatt találsz!"});
}

TEST(CleanUpCommands, EmptyRowsGoWithTheirOwnNumbersAndTimes) {
  CleanUpRig rig({At(1, ""), At(2, ""), At(3, "")});
  rig.table().SetRecNo(3);
  rig.AnswerOk();
  rig.editor().ressoroktrlse1Click();
  EXPECT_EQ(rig.table().RecordCount(), 0);
  const std::vector<std::string> expected{
      "", "Sor száma: 1      Érték: 00:00:01,000-->00:00:01,500", "Üres sor miatt: sor törlése",
      "", "Sor száma: 1      Érték: 00:00:02,000-->00:00:02,500", "Üres sor miatt: sor törlése",
      "", "Sor száma: 1      Érték: 00:00:03,000-->00:00:03,500", "Üres sor miatt: sor törlése",
  };
  EXPECT_EQ(rig.List(), expected);
  EXPECT_EQ(rig.Messages(),
            std::vector<std::string>{"message: Eredmény | Ennyi üres sort töröltem: 3 |"});
}

TEST(CleanUpCommands, AccentRemovalLeavesTheListAndSaysDone) {
  CleanUpRig rig({At(1, "Ez a kávé"), At(2, "Mi ez ?")});
  rig.AnswerOk();
  rig.editor().karakterekelttispaceeltntetse1Click();
  const text::LineList before = rig.List();
  rig.AnswerOk();
  rig.editor().kezgomb1Click();
  EXPECT_EQ(rig.Column(field::kSzoveg), (std::vector<std::string>{"Ez a kave", "Mi ez?"}));
  EXPECT_EQ(rig.List(), before);
  EXPECT_EQ(rig.Messages().back(), "message: Eredmény | Kész! |");
  EXPECT_TRUE(rig.editor().Bmentes.Enabled());
}

TEST(CleanUpCommands, EmptyTablesGiveTheirNothingFoundReports) {
  CleanUpRig rig({});
  rig.AnswerOk();
  rig.editor().ressoroktrlse1Click();
  rig.AnswerOk();
  rig.editor().BohClick();
  rig.AnswerOk();
  rig.editor().sszesbetkisbetlegyen1Click();
  EXPECT_EQ(rig.Messages(),
            (std::vector<std::string>{"message: Eredmény | Nem volt üres sor! |",
                                      "message: Eredmény | Nem találtam módosítandó sort! |",
                                      "message: Eredmény | Kész! |"}));
}

}  // namespace
