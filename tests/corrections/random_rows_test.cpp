// The correction commands over tables of random rows (texts of up to 220 bytes over the
// characters the rules look for): every pass ends, and under the sanitizers nothing is read
// outside a text or a table.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "corrections/correction_frame.h"
#include "corrections/random_text.h"
#include "editor/row_command_rig.h"

namespace {

using editor::testing::Row;
using editor::testing::RowCommandRig;
namespace field = dataset::subtitle_field;

constexpr std::string_view kAlphabet = ". |-aA<i>/?:()[]";

std::string RandomText(std::mt19937& random) {
  return corrections::testing::RandomText(random, kAlphabet);
}

std::vector<Row> RandomRows(std::mt19937& random, int count) {
  std::vector<Row> rows;
  for (int i = 0; i < count; ++i) {
    const std::string second = std::to_string(10 + 2 * i);
    rows.push_back({"00:00:" + second + ",000", "00:00:" + second + ",900", RandomText(random)});
  }
  return rows;
}

using Command = void (*)(editor::TFelirat& editor);

void RunOverRandomTables(Command command, unsigned seed) {
  std::mt19937 random(seed);
  for (int table = 0; table < 60; ++table) {
    RowCommandRig rig("Time", RandomRows(random, 1 + table % 3));
    rig.editor().Max2.SetChecked(table % 2 == 1);
    rig.table().SetRecNo(1 + table % 3);
    command(rig.editor());
    for (const std::string& text : rig.Column(field::kSzoveg))
      EXPECT_LE(text.size(), 220u);
    EXPECT_GE(rig.table().RecNo(), rig.table().IsEmpty() ? 0 : 1);
  }
}

TEST(RandomRows, GeneralFixerEnds) {
  RunOverRandomTables([](editor::TFelirat& f) { f.BOsszesN(corrections::kShowNothing); }, 11);
}

TEST(RandomRows, AggressiveBreakingEnds) {
  RunOverRandomTables([](editor::TFelirat& f) { f.BagresszivN(corrections::kShowNothing); }, 12);
}

TEST(RandomRows, FourLineBreakingEnds) {
  RunOverRandomTables([](editor::TFelirat& f) { f.N4sorossorokmegtrse1Click(); }, 13);
}

}  // namespace
