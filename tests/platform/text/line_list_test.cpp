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
