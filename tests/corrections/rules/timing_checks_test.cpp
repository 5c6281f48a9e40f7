// The timing checks on small row lists: overlaps checked or repaired, short rows stretched and
// counted, the half-second list and the extension, with their exact entries.
#include "corrections/rules/timing_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corrections {
namespace {

std::vector<TimedRow> Rows(std::initializer_list<TimedRow> rows) {
  return rows;
}

TEST(TimingChecks, AnEqualStartIsAnOverlapListedOrRepaired) {
  std::vector<TimedRow> rows =
      Rows({{"00:00:01,000", "00:00:02,000"}, {"00:00:02,000", "00:00:03,000"}});
  std::vector<TimedRow> checked = rows;
  const OverlapResult check = RunOverlapCheck(checked, OverlapOptions{});
  EXPECT_EQ(check.overlaps, 1);
  EXPECT_FALSE(check.changed);
  EXPECT_EQ(check.list,
            (ChangeList{"", "Sor száma: 1      Érték: 00:00:01,000-->00:00:02,000",
                        "Sor száma: 2      Érték: 00:00:02,000-->00:00:03,000", "Átfedés"}));
  const OverlapResult errors_only = RunOverlapCheck(checked, OverlapOptions{.errors_only = true});
  EXPECT_EQ(errors_only.overlaps, 1);
  EXPECT_TRUE(errors_only.list.empty());

  const OverlapResult repair = RunOverlapCheck(rows, OverlapOptions{.check_only = false});
  EXPECT_EQ(rows[1].start, "00:00:02,001");
  EXPECT_TRUE(repair.changed);
  EXPECT_EQ(repair.list.back(), "Javítás");
  EXPECT_EQ(repair.list[2], "Sor száma: 2      Érték: 00:00:02,001-->00:00:03,000");
}

TEST(TimingChecks, AnEarlierStartIsReportedSmallerOrRepairedAfterThePreviousEnd) {
  std::vector<TimedRow> rows =
      Rows({{"00:00:01,000", "00:00:02,000"}, {"00:00:01,500", "00:00:03,000"}});
  std::vector<TimedRow> checked = rows;
  const OverlapResult check = RunOverlapCheck(checked, OverlapOptions{});
  EXPECT_EQ(check.errors, 1);
  EXPECT_EQ(check.list.back(), "A 2. sor kezdő értéke kisebb, mint az 1. sor befejező értéke!");
  const OverlapResult repair = RunOverlapCheck(rows, OverlapOptions{.check_only = false});
  EXPECT_EQ(rows[1].start, "00:00:02,001");
  EXPECT_EQ(repair.overlaps, 1);
}

// A repair moves a start forward only: past 24 hours as past any other time, and a start that
// no time code can move further stays, listed as the check lists it.
TEST(TimingChecks, ARepairNeverMovesAStartBackwards) {
  struct Case {
    TimedRow first;
    TimedRow second;
    std::string repaired_start;
    int overlaps;
    int errors;
    std::string last_line;
  };
  const std::vector<Case> cases{
      {{"25:00:00,000", "25:00:02,000"},
       {"25:00:01,000", "25:00:03,000"},
       "25:00:02,001",
       1,
       0,
       "Javítás"},
      {{"23:59:59,000", "24:00:00,500"},
       {"24:00:00,000", "24:00:02,000"},
       "24:00:00,501",
       1,
       0,
       "Javítás"},
      {{"30:00:00,000", "30:00:01,000"},
       {"30:00:01,000", "30:00:02,000"},
       "30:00:01,001",
       1,
       0,
       "Javítás"},
      {{"99:59:58,000", "99:59:59,999"},
       {"99:59:59,999", "99:59:59,999"},
       "99:59:59,999",
       1,
       0,
       "Átfedés"},
      {{"99:59:58,000", "99:59:59,999"},
       {"99:59:59,000", "99:59:59,500"},
       "99:59:59,000",
       0,
       1,
       "A 2. sor kezdő értéke kisebb, mint az 1. sor befejező értéke!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.second.start);
    std::vector<TimedRow> rows{c.first, c.second};
    const OverlapResult result = RunOverlapCheck(rows, OverlapOptions{.check_only = false});
    EXPECT_EQ(rows[1].start, c.repaired_start);
    EXPECT_EQ(rows[1].end, c.second.end);
    EXPECT_EQ(result.overlaps, c.overlaps);
    EXPECT_EQ(result.errors, c.errors);
    EXPECT_EQ(result.changed, c.repaired_start != c.second.start);
    ASSERT_FALSE(result.list.empty());
    EXPECT_EQ(result.list.back(), c.last_line);
  }
}

TEST(TimingChecks, ARowStartingAfterItsEndIsReportedOnlyAfterThePreviousEnd) {
  std::vector<TimedRow> rows = Rows({{"00:00:01,000", "00:00:02,000"},
                                     {"00:00:05,000", "00:00:04,000"},
                                     {"00:00:03,500", "00:00:03,000"}});
  const OverlapResult check = RunOverlapCheck(rows, OverlapOptions{.check_only = false});
  EXPECT_EQ(check.overlaps, 1);
  EXPECT_FALSE(check.changed);
  EXPECT_EQ(check.list, (ChangeList{"", "Sor száma: 2      Érték: 00:00:05,000-->00:00:04,000",
                                    "A 2. sor kezdő értéke nagyobb, mint a befejező értéke!"}));
}

TEST(TimingChecks, ShortRowsAreStretchedOnlyWithStatisticsAndNeverTheLast) {
  const std::vector<TimedRow> original = Rows({{"00:00:01,000", "00:00:01,200"},
                                               {"00:00:01,300", "00:00:02,500"},
                                               {"00:00:03,000", "00:00:03,100"}});
  std::vector<TimedRow> rows = original;
  const OverlapResult result =
      RunOverlapCheck(rows, OverlapOptions{.check_only = false, .stretch = true});
  EXPECT_EQ(rows[0].end, "00:00:01,500");
  EXPECT_EQ(rows[1].start, "00:00:01,501");
  EXPECT_EQ(rows[2].end, "00:00:03,100");
  EXPECT_EQ(result.stretched, 1);
  EXPECT_EQ(result.overlaps, 0);
  EXPECT_EQ(result.statistics.under_quarter, 1);  // the last row, 100 ms
  EXPECT_EQ(result.list,
            (ChangeList{"", "Sor száma: 1", "Miről:  Érték: 00:00:01,000-->00:00:01,200",
                        "Mire:   Érték: 00:00:01,000-->00:00:01,500", "0,5 mp-re állítás"}));
  std::vector<TimedRow> unstretched = original;
  const OverlapResult no_statistics = RunOverlapCheck(
      unstretched, OverlapOptions{.check_only = false, .stretch = true, .statistics = false});
  EXPECT_EQ(unstretched[0].end, "00:00:01,200");
  EXPECT_EQ(no_statistics.stretched, 0);
}

TEST(TimingChecks, StatisticsCountTheBandsWithExactlyQuarterLeftOut) {
  std::vector<TimedRow> rows = Rows({{"00:00:01,000", "00:00:01,000"},
                                     {"00:00:02,000", "00:00:02,100"},
                                     {"00:00:03,000", "00:00:03,249"},
                                     {"00:00:04,000", "00:00:04,300"},
                                     {"00:00:05,000", "00:00:05,500"}});
  const OverlapResult result = RunOverlapCheck(rows, OverlapOptions{});
  EXPECT_EQ(result.statistics.non_positive, 1);
  EXPECT_EQ(result.statistics.under_quarter, 1);
  EXPECT_EQ(result.statistics.under_half, 1);
}

TEST(TimingChecks, AnEmptyTableIsLeftAlone) {
  std::vector<TimedRow> rows;
  const OverlapResult result = RunOverlapCheck(rows, OverlapOptions{.check_only = false});
  EXPECT_TRUE(result.list.empty());
  ChangeList list;
  EXPECT_EQ(ExtendAllHalfSecondRows(rows, list), 0);
  EXPECT_EQ(ListHalfSecondRows(rows, list), 0);
}

TEST(TimingChecks, HalfSecondRowsAreDecidedOnWholeMilliseconds) {
  const std::vector<TimedRow> rows = Rows({{"00:00:01,000", "00:00:01,500"},
                                           {"00:00:00,300", "00:00:00,800"},
                                           {"00:00:02,000", "00:00:02,501"}});
  ChangeList list;
  EXPECT_EQ(ListHalfSecondRows(rows, list), 2);
  EXPECT_EQ(list, (ChangeList{"", "Sor száma: 1", "00:00:01,000-->00:00:01,500", "0,5 mp-es sor",
                              "", "Sor száma: 2", "00:00:00,300-->00:00:00,800", "0,5 mp-es sor"}));
}

TEST(TimingChecks, TheExtensionNeedsRoomBeforeTheNextStart) {
  struct ExtensionCase {
    std::string_view next_start;
    std::string_view end;
  };
  for (const ExtensionCase& c : {ExtensionCase{"00:00:01,750", "00:00:01,500"},
                                 ExtensionCase{"00:00:01,751", "00:00:01,750"}}) {
    std::vector<TimedRow> rows = Rows({{"00:00:01,000", "00:00:01,500"},
                                       {std::string(c.next_start), "00:00:05,000"},
                                       {"00:00:06,000", "00:00:06,500"}});
    ChangeList list;
    ExtendAllHalfSecondRows(rows, list);
    EXPECT_EQ(rows[0].end, c.end) << c.next_start;
    EXPECT_EQ(rows[2].end, "00:00:06,500");  // the last row never grows
  }
  std::vector<TimedRow> rows =
      Rows({{"00:00:01,000", "00:00:01,500"}, {"00:00:03,000", "00:00:04,000"}});
  ChangeList list;
  EXPECT_EQ(ExtendAllHalfSecondRows(rows, list), 1);
  EXPECT_EQ(list, (ChangeList{"", "Sor száma: 1", "Miről:  Érték: 00:00:01,000-->00:00:01,500",
                              "Mire:   Érték: 00:00:01,000-->00:00:01,750", "0,75 mp-re állítás"}));
}

}  // namespace
}  // namespace corrections
