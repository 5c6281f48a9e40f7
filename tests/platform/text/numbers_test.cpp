// Numbers as text with ',' as the decimal separator.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "platform/text/text.h"

namespace {

TEST(Numbers, IntToStr) {
  EXPECT_EQ(text::IntToStr(0), "0");
  EXPECT_EQ(text::IntToStr(-42), "-42");
  EXPECT_EQ(text::IntToStr(INT64_MAX), "9223372036854775807");
  EXPECT_EQ(text::IntToStr(INT64_MIN), "-9223372036854775808");
}

TEST(Numbers, HundredthsToStr) {
  const struct {
    int64_t hundredths;
    std::string_view text;
  } cases[] = {{0, "0"},
               {2397, "23,97"},
               {2500, "25"},
               {1250, "12,5"},
               {5, "0,05"},
               {-5, "-0,05"},
               {INT64_MIN, "-92233720368547758,08"}};
  for (const auto& c : cases)
    EXPECT_EQ(text::HundredthsToStr(c.hundredths), c.text) << c.hundredths;
}

TEST(Numbers, TryStrToInt) {
  struct Case {
    std::string_view s;
    std::optional<int32_t> expected;
  };
  const std::vector<Case> cases = {
      {"0", 0},
      {" 12", 12},
      {"\t 12", 12},
      {"+5", 5},
      {"-7", -7},
      {"-0", 0},
      {"007", 7},
      {"$1F", 31},
      {"0x1f", 31},
      {"0X1F", 31},
      {"-$10", -16},
      {"$7FFFFFFF", 2147483647},
      {"$80000000", INT32_MIN},
      {"$FFFFFFFF", -1},
      {"0x0000000FF", 255},  // leading zeros do not count towards the 32 bits
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"$100000000", std::nullopt},
      {"12a", std::nullopt},
      {"12 ", std::nullopt},
      {"1 2", std::nullopt},
      {"1,0", std::nullopt},
      {"", std::nullopt},
      {" ", std::nullopt},
      {"+", std::nullopt},
      {"-", std::nullopt},
      {"$", std::nullopt},
      {"0x", std::nullopt},
      {"$G", std::nullopt},
      {"+-1", std::nullopt},
      {"- 1", std::nullopt},
      {"1ő", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(text::TryStrToInt(c.s), c.expected) << "'" << c.s << "'";
  }
  EXPECT_EQ(text::StrToIntDef("x", -1), -1);
  EXPECT_EQ(text::StrToIntDef(" 25", -1), 25);
}

TEST(Numbers, FloatToStr) {
  struct Case {
    double value;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {0.0, "0"},
      {-0.0, "0"},
      {5.3, "5,3"},
      {-5.3, "-5,3"},
      {23.976, "23,976"},
      {25.0, "25"},
      {0.1, "0,1"},
      {100.0, "100"},
      {0.0001, "0,0001"},
      {0.00012, "0,00012"},
      {1e-5, "1E-5"},
      {-1.25e-7, "-1,25E-7"},
      {123456789012345.0, "123456789012345"},
      {1e15, "1E15"},
      {1.5e20, "1,5E20"},
      {1.0 / 3.0, "0,333333333333333"},
      {2.0 / 3.0, "0,666666666666667"},
      {0.1 + 0.2, "0,3"},
      {1e300, "1E300"},
      {5e-324, "4,94065645841247E-324"},
      {std::numeric_limits<double>::infinity(), "INF"},
      {-std::numeric_limits<double>::infinity(), "-INF"},
      {std::numeric_limits<double>::quiet_NaN(), "NAN"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(text::FloatToStr(c.value), c.expected) << c.expected;
}

TEST(Numbers, FloatToStrFixed) {
  struct Case {
    double value;
    int decimals;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {5.3, 2, "5,30"},
      {23.976, 3, "23,976"},
      {23.976, 2, "23,98"},
      {23.976, 0, "24"},
      {2.675, 2, "2,68"},
      {0.125, 2, "0,13"},
      {-0.125, 2, "-0,13"},
      {9.995, 2, "10,00"},
      {99.5, 0, "100"},
      {-0.001, 2, "0,00"},
      {-0.0, 1, "0,0"},
      {0.0, 0, "0"},
      {1234567.0, 1, "1234567,0"},
      {1e-7, 3, "0,000"},
      {1.5, -1, "2"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(text::FloatToStrFixed(c.value, c.decimals), c.expected)
        << c.value << " with " << c.decimals;
  }
  EXPECT_EQ(text::FloatToStrFixed(1e300, 0).size(), 301u);
}

TEST(Numbers, TryStrToFloat) {
  struct Case {
    std::string_view s;
    std::optional<double> expected;
  };
  const std::vector<Case> cases = {
      {"5,3", 5.3},
      {"23,976", 23.976},
      {"  23,976  ", 23.976},
      {"+1,5", 1.5},
      {"-1,5", -1.5},
      {"25", 25.0},
      {",5", 0.5},
      {"5,", 5.0},
      {"1E-5", 1e-5},
      {"1,5e3", 1500.0},
      {"-2,5E+2", -250.0},
      {"1E-400", 0.0},
      {"0,000000000000000000001", 1e-21},
      {"5.3", std::nullopt},
      {"1.000,5", std::nullopt},
      {"", std::nullopt},
      {"  ", std::nullopt},
      {",", std::nullopt},
      {"-", std::nullopt},
      {"1E", std::nullopt},
      {"1E+", std::nullopt},
      {"E5", std::nullopt},
      {"1,5x", std::nullopt},
      {"1 5", std::nullopt},
      {"1,,5", std::nullopt},
      {"--1", std::nullopt},
      {"inf", std::nullopt},
      {"nan", std::nullopt},
      {"0x10", std::nullopt},
      {"1E400", std::nullopt},
      {"1E99999999999999999999", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(text::TryStrToFloat(c.s), c.expected) << "'" << c.s << "'";
  }
  const auto negative_zero = text::TryStrToFloat("-0");
  ASSERT_TRUE(negative_zero.has_value());
  EXPECT_EQ(*negative_zero, 0.0);
  EXPECT_TRUE(std::signbit(*negative_zero));
}

TEST(Numbers, FloatTextRoundTrips) {
  for (double v : {5.3, -23.976, 0.1, 1e-5, 1.5e20, 123456.789, 29.97, 1.0 / 3.0}) {
    const auto back = text::TryStrToFloat(text::FloatToStr(v));
    ASSERT_TRUE(back.has_value()) << v;
    EXPECT_NEAR(*back, v, std::fabs(v) * 1e-14) << v;
  }
}

}  // namespace
