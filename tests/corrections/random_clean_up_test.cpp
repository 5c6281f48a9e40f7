// The sound-word removal, the clean-up commands and the timing checks over tables of random
// rows (texts of up to 220 bytes over the characters the rules look for, random times): every
// pass ends, no text grows past 220 bytes, and under the sanitizers nothing is read outside a
// text or a table.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "corrections/atfedes.h"
#include "corrections/correction_frame.h"
#include "corrections/random_text.h"
#include "corrections/timing_commands.h"
#include "editor/row_command_rig.h"
#include "timecode/timecode.h"

namespace {

using editor::testing::Row;
using editor::testing::RowCommandRig;
namespace field = dataset::subtitle_field;

constexpr std::string_view kAlphabet = ". |-aA<i>/?:()[]l,!0";

std::string RandomText(std::mt19937& random) {
  return corrections::testing::RandomText(random, kAlphabet);
}

std::vector<Row> RandomRows(std::mt19937& random, int count) {
  std::uniform_int_distribution<int> ms(0, 4000);
  std::vector<Row> rows;
  for (int i = 0; i < count; ++i) {
    const int start = 1000 * i + ms(random) / 4;
    rows.push_back({timecode::MsToTimeCode(start), timecode::MsToTimeCode(start + ms(random) / 4),
                    RandomText(random)});
  }
  return rows;
}

using Command = void (*)(RowCommandRig& rig);

void RunOverRandomTables(Command command, unsigned seed) {
  std::mt19937 random(seed);
  for (int table = 0; table < 60; ++table) {
    RowCommandRig rig("Time", RandomRows(random, table % 4));
    // The reports are not what this looks at: a report nobody answers closes at once.
    rig.driver.SetFailureHandler([](const std::string& failure) {
      if (failure.find("with nothing queued") == std::string::npos)
        ADD_FAILURE() << failure;
    });
    if (!rig.table().IsEmpty())
      rig.table().SetRecNo(1 + table % rig.table().RecordCount());
    command(rig);
    for (const std::string& text : rig.Column(field::kSzoveg))
      EXPECT_LE(text.size(), 220u);
    EXPECT_GE(rig.table().RecNo(), rig.table().IsEmpty() ? 0 : 1);
    EXPECT_LE(rig.table().RecNo(), rig.table().RecordCount());
  }
}

TEST(RandomRows, SoundWordRemovalEnds) {
  RunOverRandomTables([](RowCommandRig& r) { r.editor().HangutanzoN(corrections::kShowNothing); },
                      21);
  RunOverRandomTables([](RowCommandRig& r) { r.editor().Hangutnzszavaksnevektrlse2Click(); }, 22);
}

TEST(RandomRows, CleanUpCommandsEnd) {
  RunOverRandomTables([](RowCommandRig& r) { r.editor().BvonalN(corrections::kShowNothing); }, 23);
  RunOverRandomTables([](RowCommandRig& r) { r.editor().BkarakterN(corrections::kShowNothing); },
                      24);
  RunOverRandomTables([](RowCommandRig& r) { r.editor().BohN(corrections::kShowNothing); }, 25);
  RunOverRandomTables([](RowCommandRig& r) { r.editor().lgomb1Click(); }, 26);
  RunOverRandomTables([](RowCommandRig& r) { r.editor().ressoroktrlse1Click(); }, 27);
  RunOverRandomTables([](RowCommandRig& r) { r.editor().Sorfelezs3872bet1Click(); }, 28);
  RunOverRandomTables([](RowCommandRig& r) { r.editor().karakterekelttispaceeltntetse1Click(); },
                      29);
}

TEST(RandomRows, TimingChecksEnd) {
  RunOverRandomTables(
      [](RowCommandRig& r) {
        r.program.Atfedes->RBV.SetChecked(true);
        r.program.Atfedes->CB5.SetChecked(true);
        r.program.Atfedes->RunOverlapCheck(corrections::kShowNothing);
        r.editor().N05mpessorkibvtse1Click();
        r.editor().L05Click();
      },
      30);
  RunOverRandomTables([](RowCommandRig& r) { r.editor().FeliratTeljesClick(); }, 31);
}

}  // namespace
