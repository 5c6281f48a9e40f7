// The timing commands on the editor: the overlap window's run and its options, the Frame base,
// the save commands after every time change, and the full formatting's order and restore.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "corrections/atfedes.h"
#include "corrections/correction_frame.h"
#include "corrections/timing_commands.h"
#include "editor/row_command_rig.h"
#include "shell/hibaki.h"
#include "shell/plain_message.h"

namespace {

using editor::testing::Row;
using editor::testing::RowCommandRig;
namespace field = dataset::subtitle_field;

struct TimingRig : RowCommandRig {
  explicit TimingRig(std::vector<Row> rows, std::string_view base = "Time")
      : RowCommandRig(base, std::move(rows)) {}
  corrections::TAtfedes& window() { return *program.Atfedes; }
  const text::LineList& List() { return program.Hibaki->LBhiba.Items(); }
};

const std::vector<Row> kOverlapping{{"00:00:01,000", "00:00:02,000", "Egy"},
                                    {"00:00:02,000", "00:00:03,000", "Kettő"}};

TEST(TimingCommands, ARepairUnderTheFullFormattingMarksTheSubtitleModified) {
  TimingRig rig(kOverlapping);
  rig.window().RBV.SetChecked(true);
  rig.window().RunOverlapCheck(corrections::kShowNothing);
  EXPECT_EQ(rig.Column(field::kKezdes), (std::vector<std::string>{"00:00:01,000", "00:00:02,001"}));
  EXPECT_TRUE(rig.editor().Bmentes.Enabled());
  EXPECT_TRUE(rig.Messages().empty());
}

TEST(TimingCommands, ARepairPastADayMovesTheStartForward) {
  TimingRig rig(
      {{"25:00:00,000", "25:00:02,000", "Egy"}, {"25:00:01,000", "25:00:03,000", "Kettő"}});
  rig.window().RBV.SetChecked(true);
  rig.window().CBstat.SetChecked(true);
  rig.AnswerOk();
  rig.window().BinditasClick();
  EXPECT_EQ(rig.Column(field::kKezdes), (std::vector<std::string>{"25:00:00,000", "25:00:02,001"}));
  EXPECT_EQ(rig.List().back(), "Javítás");
  EXPECT_TRUE(rig.editor().Bmentes.Enabled());
}

TEST(TimingCommands, TheCheckOnlyRunReportsAndEnablesItsList) {
  TimingRig rig(kOverlapping);
  rig.AnswerOk();
  rig.window().BinditasClick();
  EXPECT_EQ(rig.Messages(),
            std::vector<std::string>{"message: Eredmény | Ennyi átfedést/hibát találtam összesen: "
                                     "1/0 | További információt a \"Lista\" gomb alatt találsz!"});
  EXPECT_TRUE(rig.window().Blista.Enabled());
  EXPECT_TRUE(rig.window().Stat.Enabled());
  EXPECT_FALSE(rig.editor().Bmentes.Enabled());
}

TEST(TimingCommands, AnEmptyTableFindsNothing) {
  TimingRig rig({});
  rig.AnswerOk();
  rig.window().BinditasClick();
  rig.AnswerOk();
  rig.editor().N05mpessorkibvtse1Click();
  EXPECT_EQ(rig.Messages(),
            (std::vector<std::string>{"message: Eredmény | Nem találtam átfedést/hibát! |",
                                      "message: Eredmény | Nem találtam módosítandó sort! |"}));
}

TEST(TimingCommands, TheFrameBaseRefusesTheTimeWritersAndMeasuresFramesForTheList) {
  // At 20 frames a second frames 20 to 30 last half a second.
  TimingRig rig({{"20", "30", "Egy"}, {"30", "60", "Kettő"}}, "Frame");
  rig.editor().cbFps.SetItemIndex(rig.editor().cbFps.IndexOf("20"));
  rig.AnswerOk();
  rig.window().BinditasClick();
  rig.AnswerOk();
  rig.editor().N05mpessorkibvtse1Click();
  EXPECT_EQ(rig.Column(field::kKezdes), (std::vector<std::string>{"20", "30"}));
  EXPECT_EQ(rig.Column(field::kBefejezes), (std::vector<std::string>{"30", "60"}));
  const std::vector<std::string> refusal(
      2, "message: Eredmény | Ez a művelet csak \"Time\" beosztásban használható! |");
  EXPECT_EQ(rig.Messages(), refusal);
  rig.AnswerOk();
  rig.editor().L05Click();
  EXPECT_EQ(rig.List(), (std::vector<std::string>{"", "Sor száma: 1", "20-->30", "0,5 mp-es sor"}));
}

TEST(TimingCommands, TheWindowKeysSetTheModes) {
  TimingRig rig({});
  corrections::TAtfedes& w = rig.window();
  ui::Key key = ui::keys::kF2;
  w.RbCsakKeyDown(key, {});
  EXPECT_TRUE(w.RBV.Checked());
  EXPECT_TRUE(w.CB5.Checked());
  key = ui::keys::kF1;
  w.RbCsakKeyDown(key, {});
  EXPECT_TRUE(w.RbCsak.Checked());
  EXPECT_FALSE(w.CB5.Checked());
  key = ui::keys::kF3;
  w.RbCsakKeyDown(key, {});
  EXPECT_TRUE(w.RBV.Checked());
  EXPECT_FALSE(w.CB5.Checked());
}

TEST(FullFormatting, RunsItsStepsInOrderAndRestoresTheOptions) {
  TimingRig rig({});
  corrections::TAtfedes& w = rig.window();
  std::vector<std::string> steps;
  auto record = [&steps](std::string name) { return [&steps, name] { steps.push_back(name); }; };
  const corrections::FullFormattingSteps recording{
      .blank_after = record("BkarakterN"),
      .sound_words = record("HangutanzoN"),
      .fixer = record("BOsszesN"),
      .aggressive = record("BagresszivN"),
      .dashes = record("BvonalN"),
      .join_short = record("BohN"),
      .overlap =
          [&] {
            steps.push_back(std::string("RunOverlapCheck") + (w.RBV.Checked() ? " RBV" : "") +
                            (w.CB5.Checked() ? " CB5" : ""));
          },
      .extend = record("ExtendAllHalfSecondRows"),
  };
  corrections::RunFullFormattingSteps(recording, w);
  EXPECT_EQ(steps,
            (std::vector<std::string>{"BkarakterN", "HangutanzoN", "BOsszesN", "BagresszivN",
                                      "BvonalN", "BohN", "RunOverlapCheck RBV CB5",
                                      "RunOverlapCheck RBV CB5", "ExtendAllHalfSecondRows"}));
  EXPECT_TRUE(w.RbCsak.Checked());
  EXPECT_FALSE(w.CB5.Checked());
  // Repair mode without the stretch stays so.
  w.RBV.SetChecked(true);
  corrections::RunFullFormattingSteps(recording, w);
  EXPECT_TRUE(w.RBV.Checked());
  EXPECT_FALSE(w.CB5.Checked());
}

// Whichever way the overlap runs end, the window's modes are back as its own controls set
// them: the stretch as it was when it was off, and "Csak vizsgálat" clicked back on (which
// unchecks the stretch) when it was chosen.
TEST(FullFormatting, PutsTheModesBackAlsoWhenARunFails) {
  struct ModeCase {
    bool repair;
    bool stretch;
    bool repair_after;
    bool stretch_after;
  };
  const ModeCase cases[] = {
      {false, false, false, false},
      {false, true, false, false},
      {true, false, true, false},
      {true, true, true, true},
  };
  for (const bool fails : {false, true}) {
    for (const ModeCase& c : cases) {
      SCOPED_TRACE(::testing::Message() << "repair " << c.repair << " stretch " << c.stretch
                                        << (fails ? " failing" : ""));
      TimingRig rig({});
      corrections::TAtfedes& w = rig.window();
      (c.repair ? w.RBV : w.RbCsak).SetChecked(true);
      w.CB5.SetChecked(c.stretch);
      bool extended = false;
      const auto nothing = [] {};
      const corrections::FullFormattingSteps steps{
          .blank_after = nothing,
          .sound_words = nothing,
          .fixer = nothing,
          .aggressive = nothing,
          .dashes = nothing,
          .join_short = nothing,
          .overlap =
              [fails] {
                if (fails)
                  throw std::runtime_error("the overlap run failed");
              },
          .extend = [&extended] { extended = true; },
      };
      if (fails)
        EXPECT_THROW(corrections::RunFullFormattingSteps(steps, w), std::runtime_error);
      else
        corrections::RunFullFormattingSteps(steps, w);
      EXPECT_EQ(extended, !fails);
      EXPECT_EQ(w.RBV.Checked(), c.repair_after);
      EXPECT_EQ(w.RbCsak.Checked(), !c.repair_after);
      EXPECT_EQ(w.CB5.Checked(), c.stretch_after);
    }
  }
}

// The progress gauges of the overlap check and of the half-second extension are hidden and
// at 0 once the command is over.
TEST(TimingCommands, TheGaugesEndHiddenAtZero) {
  TimingRig rig(kOverlapping);
  rig.window().RBV.SetChecked(true);
  rig.window().CB5.SetChecked(true);
  rig.window().RunOverlapCheck(corrections::kShowNothing);
  corrections::ExtendAllHalfSecondRowsCommand(rig.editor(), rig.program, corrections::kShowNothing);
  EXPECT_FALSE(rig.window().FszazalekAF.Visible());
  EXPECT_EQ(rig.window().FszazalekAF.Progress(), 0);
  EXPECT_FALSE(rig.editor().Fszazalek.Visible());
  EXPECT_EQ(rig.editor().Fszazalek.Progress(), 0);
}

TEST(FullFormatting, OnTheEditorLeavesOnlyTheExtensionInTheList) {
  TimingRig rig({{"00:00:01,000", "00:00:01,500", "(nevet) Szia.Hogy vagy?"},
                 {"00:00:03,000", "00:00:04,000", "ANNA: Jó"}});
  rig.editor().FeliratTeljesClick();
  EXPECT_EQ(rig.Column(field::kSzoveg), (std::vector<std::string>{"Szia. Hogy vagy?", "Jó"}));
  EXPECT_EQ(rig.Column(field::kBefejezes),
            (std::vector<std::string>{"00:00:01,750", "00:00:04,000"}));
  EXPECT_EQ(rig.List().back(), "0,75 mp-re állítás");
  EXPECT_EQ(rig.List().size(), 5u);
  EXPECT_TRUE(rig.Messages().empty());
  EXPECT_TRUE(rig.editor().Bmentes.Enabled());
  EXPECT_TRUE(rig.window().RbCsak.Checked());
}

}  // namespace
