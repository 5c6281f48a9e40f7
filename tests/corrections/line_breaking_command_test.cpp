// "Agresszív sortörés" and "4 soros sorok megtörése" on small tables: the split rows and their
// times, the row restored as a number, the gauge, the reports.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "corrections/correction_frame.h"
#include "editor/row_command_rig.h"
#include "shell/hibaki.h"
#include "shell/plain_message.h"

namespace {

using editor::testing::Row;
using editor::testing::RowCommandRig;
namespace field = dataset::subtitle_field;

// 40 letters with ", " at 20: broken in place after the comma at the letter limit 37.
const std::string kBreakable = std::string(19, 'x') + ", " + std::string(19, 'x');
const std::string kBroken = std::string(19, 'x') + ",|" + std::string(19, 'x');

struct BreakRig : RowCommandRig {
  explicit BreakRig(std::vector<Row> rows, shell::ProgramOptions options = {})
      : RowCommandRig("Time", std::move(rows), std::move(options)) {}
  void AnswerPlainMessage() {
    driver.OnModal(std::string(shell::kPlainMessageName), [this] {
      driver.Click(*static_cast<ui::Control*>(driver.App().InnermostModal()->FindControl("Ok")));
    });
  }
  const text::LineList& List() { return program.Hibaki->LBhiba.Items(); }
};

std::vector<Row> SameRows(int count, const std::string& text) {
  std::vector<Row> rows;
  for (int i = 0; i < count; ++i)
    rows.push_back({"00:00:01,000", "00:00:03,000", text});
  return rows;
}

TEST(AggressiveBreakingCommand, SplitsAndRestoresTheRowNumber) {
  // Row 1 is split in two; row 3 was current, and row number 3 is current again.
  const std::string long_line = std::string(40, 'a') + ". " + std::string(38, 'b');
  BreakRig rig({{"00:00:10,000", "00:00:12,000", long_line},
                {"00:00:13,000", "00:00:14,000", "Jó"},
                {"00:00:15,000", "00:00:16,000", "Vége"}});
  rig.table().SetRecNo(3);
  rig.AnswerPlainMessage();
  rig.editor().agresszivClick();
  EXPECT_EQ(
      rig.Column(field::kSzoveg),
      (std::vector<std::string>{std::string(40, 'a') + ".", std::string(38, 'b'), "Jó", "Vége"}));
  EXPECT_EQ(
      rig.Column(field::kBefejezes),
      (std::vector<std::string>{"00:00:11,020", "00:00:12,000", "00:00:14,000", "00:00:16,000"}));
  // 41 of the 80 characters: the first part gets 51 hundredths of the two seconds.
  EXPECT_EQ(rig.Column(field::kKezdes)[1], "00:00:11,020");
  EXPECT_EQ(rig.table().RecNo(), 3);
  EXPECT_EQ(rig.table().Value(field::kSzoveg), "Jó");
  EXPECT_EQ(rig.Messages(),
            std::vector<std::string>{"message: Ennyi sort módosítottam:  | Egysoros: 1 | "
                                     "Kétsoros: 0 | Háromsoros: 0 | További információ a Lista "
                                     "gomb alatt!"});
  EXPECT_TRUE(rig.editor().Bmentes.Enabled());
  // Both parts still hold a line over the limit (41 and 38 letters): the counter follows.
  EXPECT_EQ(rig.program.state.LongLineRowCount, 2);
}

TEST(AggressiveBreakingCommand, NothingToBreakAndUnbreakableRows) {
  const std::string too_long = std::string(40, 'x');
  BreakRig rig({{"00:00:01,000", "00:00:01,300", too_long}, {"00:00:02,000", "00:00:03,000", "a"}});
  rig.AnswerOk();
  rig.editor().agresszivClick();
  EXPECT_EQ(rig.Messages(), std::vector<std::string>{"message: Eredmény | Nem találtam "
                                                     "módosítandó sort! | De volt 1 db nem "
                                                     "törhető sor!"});
  EXPECT_EQ(rig.Column(field::kSzoveg), (std::vector<std::string>{too_long, "a"}));
  EXPECT_EQ(rig.List().size(), 6u);
  EXPECT_FALSE(rig.editor().Bmentes.Enabled());
}

TEST(AggressiveBreakingCommand, SilentRunShowsNothingAndFillsTheList) {
  BreakRig rig(SameRows(2, kBreakable));
  rig.editor().BagresszivN(corrections::kShowNothing);
  EXPECT_TRUE(rig.Messages().empty());
  EXPECT_EQ(rig.Column(field::kSzoveg), (std::vector<std::string>{kBroken, kBroken}));
  EXPECT_EQ(rig.List().size(), 14u);
  EXPECT_TRUE(rig.editor().Bmentes.Enabled());
}

// The gauge as each row is edited: the progress after the rows before it.
std::vector<int> GaugeAtEachRow(BreakRig& rig) {
  std::vector<int> seen;
  editor::TFelirat& f = rig.editor();
  f.cds.OnBeforeEdit = [&f, &seen] {
    EXPECT_TRUE(f.Fszazalek.Visible());
    seen.push_back(f.Fszazalek.Progress());
  };
  f.BagresszivN(corrections::kShowNothing);
  f.cds.OnBeforeEdit = nullptr;
  EXPECT_FALSE(f.Fszazalek.Visible());
  EXPECT_EQ(f.Fszazalek.Progress(), 0);
  return seen;
}

TEST(AggressiveBreakingCommand, TheGaugeStepsFromAHundredRowsOn) {
  BreakRig rig(SameRows(250, kBreakable));
  const std::vector<int> seen = GaugeAtEachRow(rig);
  ASSERT_EQ(seen.size(), 250u);
  for (int row = 1; row <= 250; ++row)
    EXPECT_EQ(seen[static_cast<std::size_t>(row - 1)], std::min(100, (row - 1) / 2)) << row;
}

TEST(AggressiveBreakingCommand, TheGaugeStaysAtZeroUnderAHundredRows) {
  BreakRig rig(SameRows(99, kBreakable));
  const std::vector<int> seen = GaugeAtEachRow(rig);
  ASSERT_EQ(seen.size(), 99u);
  for (const int progress : seen)
    EXPECT_EQ(progress, 0);
}

TEST(FourLineCommand, SplitsFourLineRowsSilentlyInTheFullBuild) {
  BreakRig rig({{"00:00:10,000", "00:00:12,000", "aa|bb|cc|dd"},
                {"00:00:13,000", "00:00:14,000", "a|b|c|d|e"}});
  rig.editor().N4sorossorokmegtrse1Click();
  EXPECT_EQ(rig.Column(field::kSzoveg), (std::vector<std::string>{"aa|bb", "cc|dd", "a|b|c|d|e"}));
  EXPECT_EQ(rig.Column(field::kKezdes),
            (std::vector<std::string>{"00:00:10,000", "00:00:10,900", "00:00:13,000"}));
  EXPECT_TRUE(rig.Messages().empty());
  EXPECT_EQ(rig.program.state.ManyLineRowCount, 1);
}

TEST(FourLineCommand, ReportsTheCountWithoutTheFilmPlayer) {
  BreakRig rig({{"00:00:10,000", "00:00:12,000", "aa|bb|cc|dd"}},
               shell::testing::WithoutFilmPlayer());
  rig.AnswerPlainMessage();
  rig.editor().N4sorossorokmegtrse1Click();
  EXPECT_EQ(rig.Messages(),
            std::vector<std::string>{
                "message: Ennyi sort módosítottam: 1 | További információ a Lista gomb alatt!"});
  BreakRig none({{"00:00:10,000", "00:00:12,000", "aa|bb"}}, shell::testing::WithoutFilmPlayer());
  none.AnswerPlainMessage();
  none.editor().N4sorossorokmegtrse1Click();
  EXPECT_EQ(none.Messages(), std::vector<std::string>{"message: Nem találtam módosítandó sort!"});
}

TEST(FourLineCommand, RefusesInTheFrameBaseAndSaysWhy) {
  // Both builds say it: the build without the film player would otherwise report its count.
  for (const bool film_player : {true, false}) {
    SCOPED_TRACE(film_player ? "vemko" : "vemkovn");
    RowCommandRig rig("Frame", {{"100", "200", "aa|bb|cc|dd"}},
                      film_player ? shell::ProgramOptions{} : shell::testing::WithoutFilmPlayer());
    rig.program.Hibaki->LBhiba.SetItems(text::LineList{"", "előző lista"});
    rig.AnswerOk();
    rig.editor().N4sorossorokmegtrse1Click();
    EXPECT_EQ(rig.Column(field::kSzoveg), std::vector<std::string>{"aa|bb|cc|dd"});
    EXPECT_EQ(rig.Messages(),
              std::vector<std::string>{
                  "message: Eredmény | Ez a művelet csak \"Time\" beosztásban használható! |"});
    EXPECT_EQ(rig.program.Hibaki->LBhiba.Items(), (std::vector<std::string>{"", "előző lista"}));
    EXPECT_FALSE(rig.editor().Bmentes.Enabled());
  }
}

}  // namespace
