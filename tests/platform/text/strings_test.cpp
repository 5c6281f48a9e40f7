// 1-based string helpers and letter case.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "platform/text/text.h"

namespace {

TEST(Strings, Pos) {
  struct Case {
    std::string_view pattern, s;
    int from;  // 0: use Pos
    int expected;
  };
  const std::vector<Case> cases = {
      {"b", "abcb", 0, 2}, {"cb", "abcb", 0, 3}, {"x", "abcb", 0, 0},   {"", "abc", 0, 0},
      {"", "", 0, 0},      {"a", "", 0, 0},      {"abcd", "abc", 0, 0}, {"abc", "abc", 0, 1},
      {"b", "abcb", 2, 2}, {"b", "abcb", 3, 4},  {"b", "abcb", 4, 4},   {"b", "abcb", 5, 0},
      {"a", "abcb", 0, 1}, {"a", "abcb", -3, 1}, {"", "abc", 1, 0},     {"b", "abcb", INT_MAX, 0},
      {"ő", "Őő", 0, 2},
  };
  for (const Case& c : cases) {
    const int got = c.from == 0 ? text::Pos(c.pattern, c.s) : text::PosFrom(c.pattern, c.s, c.from);
    EXPECT_EQ(got, c.expected) << "'" << c.pattern << "' in '" << c.s << "' from " << c.from;
  }
}

// Long texts are searched sixteen places at a time: a match is found at every place, whatever
// block edge it stands on, after decoys that hold only the pattern's first byte or first two
// bytes, and from every starting place.
TEST(Strings, PosFindsTheFirstMatchInLongTexts) {
  const std::vector<std::string> patterns = {"ab", "abc", "a\x93" "b", std::string(17, 'a') + "b"};
  for (const std::string& pattern : patterns) {
    for (std::size_t length : {16u, 17u, 31u, 32u, 33u, 48u, 220u}) {
      for (std::size_t at = 0; at + pattern.size() <= length; ++at) {
        // Decoys before the match: the first byte, then the first two bytes of the pattern.
        std::string s(length, '.');
        for (std::size_t k = 0; k + 2 < at; k += 3)
          s.replace(k, 2,
                    (k / 3) % 2 == 0 ? std::string(1, pattern[0]) + "." : pattern.substr(0, 2));
        s.replace(at, pattern.size(), pattern);
        for (int from : {1, 2, 15, 16, 17, static_cast<int>(at) + 1, static_cast<int>(at) + 2}) {
          const std::size_t want =
              std::string_view(s).find(pattern, static_cast<std::size_t>(from - 1));
          const int expected = want == std::string_view::npos ? 0 : static_cast<int>(want) + 1;
          ASSERT_EQ(text::PosFrom(pattern, s, from), expected)
              << "'" << pattern << "' at " << at << " in " << length << " from " << from;
        }
      }
    }
  }
}

TEST(Strings, Copy) {
  struct Case {
    int index, count;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {1, 3, "abc"},
      {2, 2, "bc"},
      {0, 2, "ab"},
      {-5, 2, "ab"},
      {5, 1, "e"},
      {5, 9, "e"},
      {6, 1, ""},
      {4, 0, ""},
      {4, -1, ""},
      {3, INT_MAX, "cde"},
      {INT_MIN, INT_MAX, "abcde"},
      {INT_MAX, INT_MAX, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(text::Copy("abcde", c.index, c.count), c.expected) << c.index << "," << c.count;
  }
  EXPECT_EQ(text::Copy("", 1, 1), "");
}

TEST(Strings, Delete) {
  struct Case {
    int index, count;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {1, 1, "bcde"},  {2, 3, "ae"},     {5, 1, "abcd"},    {4, 9, "abc"},
      {1, 5, ""},      {0, 2, "abcde"},  {-1, 2, "abcde"},  {6, 1, "abcde"},
      {3, 0, "abcde"}, {3, -2, "abcde"}, {2, INT_MAX, "a"}, {INT_MAX, 1, "abcde"},
  };
  for (const Case& c : cases) {
    std::string s = "abcde";
    text::Delete(s, c.index, c.count);
    EXPECT_EQ(s, c.expected) << c.index << "," << c.count;
  }
}

TEST(Strings, Insert) {
  struct Case {
    int index;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {1, "XYabc"}, {2, "aXYbc"}, {3, "abXYc"},  {4, "abcXY"},
      {5, "abcXY"}, {0, "XYabc"}, {-7, "XYabc"}, {INT_MAX, "abcXY"},
  };
  for (const Case& c : cases) {
    std::string s = "abc";
    text::Insert("XY", s, c.index);
    EXPECT_EQ(s, c.expected) << c.index;
  }
  std::string empty;
  text::Insert("ab", empty, 1);
  EXPECT_EQ(empty, "ab");
}

TEST(Strings, CharAtAndLength) {
  const std::vector<std::pair<int, char>> cases = {
      {1, 'a'}, {3, 'c'}, {0, '\0'}, {4, '\0'}, {-1, '\0'}, {INT_MIN, '\0'}, {INT_MAX, '\0'}};
  for (const auto& [pos, expected] : cases)
    EXPECT_EQ(text::CharAt("abc", pos), expected) << pos;
  EXPECT_EQ(text::CharAt("", 1), '\0');
  EXPECT_EQ(text::Length(""), 0);
  EXPECT_EQ(text::Length("ő\n"), 2);
}

TEST(Case, AsciiOnly) {
  EXPECT_TRUE(text::IsUpperAsciiLetter('A'));
  EXPECT_TRUE(text::IsUpperAsciiLetter('Z'));
  for (char c : std::string("@[az0 ÁŐ"))
    EXPECT_FALSE(text::IsUpperAsciiLetter(c)) << c;

  EXPECT_EQ(text::UpperCase("abz AZ 09 @[`{ áőű"), "ABZ AZ 09 @[`{ áőű");
  EXPECT_EQ(text::LowerCase("ABZ az 09 @[`{ ÁŐŰ"), "abz az 09 @[`{ ÁŐŰ");
  EXPECT_EQ(text::UpperCase(std::string_view("a\0b", 3)), std::string("A\0B", 3));
}

TEST(Case, FoldHungarianCapitals) {
  EXPECT_EQ(text::FoldHungarianCapitals("ÁÉÍÓÖŐÚÜŰ"), "áéíóöőúüű");
  EXPECT_EQ(text::FoldHungarianCapitals("ÁRVÍZTŰRŐ tükörfúrógép"), "árvíztűrő tükörfúrógép");
  // Other capitals of the code page, and the small letters, stay as they are.
  EXPECT_EQ(text::FoldHungarianCapitals("ŠČŘÄÔ ×ß áőű"), "ŠČŘÄÔ ×ß áőű");
}

}  // namespace
