#include "platform/base/scope.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Leave {
  const char* name;
  bool by_throw;
};

constexpr Leave kLeaves[] = {{"normally", false}, {"by an exception", true}};

TEST(ValueRestorer, SetsTheValueForTheScopeAndPutsBackWhatItFound) {
  for (const Leave& leave : kLeaves) {
    for (const bool found : {false, true}) {
      SCOPED_TRACE(std::string(leave.name) + (found ? ", found raised" : ", found lowered"));
      bool flag = found;
      std::string word = "Time";
      try {
        base::ValueRestorer<bool> raised(flag, true);
        base::ValueRestorer<std::string> frame(word, "Frame");
        EXPECT_TRUE(flag);
        EXPECT_EQ(word, "Frame");
        {
          // An inner scope gives back the outer one's value, not the first one.
          base::ValueRestorer<bool> lowered(flag, false);
          EXPECT_FALSE(flag);
        }
        EXPECT_TRUE(flag);
        if (leave.by_throw)
          throw std::runtime_error("left");
      } catch (const std::runtime_error&) {
      }
      EXPECT_EQ(flag, found);
      EXPECT_EQ(word, "Time");
    }
  }
}

TEST(ScopeExit, RunsOnceWhenTheScopeEndsHoweverItEnds) {
  for (const Leave& leave : kLeaves) {
    SCOPED_TRACE(leave.name);
    std::vector<int> runs;
    try {
      base::ScopeExit first([&runs] { runs.push_back(1); });
      base::ScopeExit second([&runs] { runs.push_back(2); });
      EXPECT_TRUE(runs.empty());
      if (leave.by_throw)
        throw std::runtime_error("left");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(runs, (std::vector<int>{2, 1}));
  }
}

}  // namespace
