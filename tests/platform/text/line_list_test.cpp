#include "platform/text/line_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace text {
namespace {

TEST(LineList, KeepsLinesAsTheyWereAdded) {
  const std::string long_line(70000, 'y');  // longer than a block of its own
  LineList list;
  list.push_back("");
  list.push_back("Melyik sorban volt: ", "12");
  list.push_back(long_line);
  list.push_back("a\0b");
  list.push_back(std::string_view("a\0b", 3));
  const std::vector<std::string> expected{"", "Melyik sorban volt: 12", long_line, "a",
                                          std::string("a\0b", 3)};
  EXPECT_EQ(list, expected);
  EXPECT_EQ(list.size(), 5u);
  EXPECT_EQ(list.back(), std::string_view("a\0b", 3));
  EXPECT_THROW(list.at(5), std::out_of_range);
}

TEST(LineList, ManyLinesOverManyBlocksStayWhereTheyWere) {
  LineList list;
  std::vector<std::string> expected;
  for (int i = 0; i < 20000; ++i) {
    expected.push_back("sor " + std::to_string(i));
    list.push_back("sor ", std::to_string(i));
  }
  const std::string_view first = list[0];
  EXPECT_EQ(list, expected);
  EXPECT_EQ(first.data(), list[0].data());
}

TEST(LineList, ShorteningHandsTheBytesOutAgain) {
  LineList list{"egy", "kettő", "három"};
  const char* const second = list[1].data();
  list.resize(1);
  list.push_back("négy");
  EXPECT_EQ(list, (std::vector<std::string>{"egy", "négy"}));
  EXPECT_EQ(list[1].data(), second);
  list.pop_back();
  list.resize(5);  // never grows
  EXPECT_EQ(list, (std::vector<std::string>{"egy"}));
  list.clear();
  EXPECT_TRUE(list.empty());
}

// Emptied by resize(0) and filled again, a list writes its lines where the lines before
// stood, over all its blocks; a line too large for a block keeps a block of its own.
TEST(LineList, RefilledAfterEmptyingReusesItsMemory) {
  const std::string large(70000, 'n');
  struct Case {
    const char* name;
    std::vector<std::string> first;
    std::vector<std::string> second;
    bool same_places;
  };
  std::vector<std::string> many;
  for (int i = 0; i < 30000; ++i)
    many.push_back("Melyik sorban volt: " + std::to_string(i));
  std::vector<std::string> large_between = many;
  large_between.insert(large_between.begin() + 20000, large);
  std::vector<std::string> large_first = many;
  large_first.insert(large_first.begin(), large);
  const std::vector<Case> cases{
      {"same lines", many, many, true},
      {"a large line among them, then the same", large_between, large_between, true},
      {"a large line, then small lines where it stood", large_between, many, false},
      {"small lines, then a large line first", many, large_first, false},
      {"more lines than before", std::vector<std::string>(many.begin(), many.begin() + 100), many,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LineList list(c.first);
    std::vector<const char*> places;
    for (const std::string_view line : list)
      places.push_back(line.data());
    list.resize(0);
    EXPECT_TRUE(list.empty());
    for (const std::string& line : c.second)
      list.push_back(line);
    EXPECT_EQ(list, c.second);
    if (c.same_places) {
      for (std::size_t i = 0; i < places.size(); ++i)
        ASSERT_EQ(list[i].data(), places[i]) << i;
    }
    // Shortening in the middle and growing again also keeps the lines as added.
    list.resize(c.second.size() / 2);
    for (std::size_t i = c.second.size() / 2; i < c.second.size(); ++i)
      list.push_back(c.second[i]);
    EXPECT_EQ(list, c.second);
  }
}

TEST(LineList, CopiesOwnTheirLines) {
  LineList list{"egy", "kettő"};
  LineList copy = list;
  LineList assigned;
  assigned = list;
  list.clear();
  list.push_back("más");
  EXPECT_EQ(copy, (std::vector<std::string>{"egy", "kettő"}));
  EXPECT_EQ(assigned, copy);
  copy.append(assigned);
  EXPECT_EQ(copy, (std::vector<std::string>{"egy", "kettő", "egy", "kettő"}));
  LineList moved = std::move(copy);
  EXPECT_EQ(moved.size(), 4u);
  // What was moved from is empty and takes lines of its own again.
  EXPECT_TRUE(copy.empty());  // NOLINT: a moved-from list is empty
  copy.push_back("új");
  assigned = std::move(moved);
  EXPECT_TRUE(moved.empty());  // NOLINT: as above
  moved.push_back("még");
  EXPECT_EQ(copy, (std::vector<std::string>{"új"}));
  EXPECT_EQ(moved, (std::vector<std::string>{"még"}));
  EXPECT_EQ(assigned, (std::vector<std::string>{"egy", "kettő", "egy", "kettő"}));
}

}  // namespace
}  // namespace text
