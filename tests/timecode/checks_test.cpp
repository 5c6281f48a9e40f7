#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "timecode/checks.h"

namespace timecode {
namespace {

struct Case {
  std::string a;
  std::string b;
  std::string line1;  // empty when the check passes
  std::string line2;
};

void ExpectChecks(const std::function<Check(const Case&)>& check, const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    const Check result = check(c);
    SCOPED_TRACE("a=\"" + c.a + "\" b=\"" + c.b + "\"");
    if (c.line1.empty()) {
      EXPECT_TRUE(result.ok);
      EXPECT_FALSE(result.notice.has_value());
    } else {
      EXPECT_FALSE(result.ok);
      ASSERT_TRUE(result.notice.has_value());
      EXPECT_EQ(*result.notice, (Notice{"Hiba!", "hiba", c.line1, c.line2}));
    }
  }
}

const std::string kShape = "Hiba az /egyik/ intervallumban!";
const std::string kExample = "Helyes megadás pl: 01:10:34,567";
const std::string kTooLarge = "Túl nagy időt ütött be!";
const std::string kNumber = "Üss be egy számot!";
const std::string kZero = "0-val nem kezdődhet az érték!";

TEST(ValidateTimeCode, ShapeThenRanges) {
  ExpectChecks([](const Case& c) { return ValidateTimeCode(c.a); },
               {
                   {"00:00:00,000", "", "", ""},
                   {"23:59:59,999", "", "", ""},
                   {"01:10:34,567", "", "", ""},
                   {"24:00:00,000", "", kTooLarge, "Az óra kisebb legyen mint 24!"},
                   {"99:99:99,999", "", kTooLarge, "Az óra kisebb legyen mint 24!"},
                   {"00:60:00,000", "", kTooLarge, "A perc időintervalluma: 0-59!"},
                   {"00:59:60,000", "", kTooLarge, "A másodperc időintervalluma: 0-59!"},
                   {"1:10:34,567", "", kShape, kExample},
                   {"", "", kShape, kExample},
                   {"01:10:34.567", "", kShape, kExample},
                   {"01:10:34,5a7", "", kShape, kExample},
                   {"01:10:34,5678", "", kShape, kExample},
                   {"0", "", kShape, kExample},
               });
}

TEST(ValidateTwoTimeCodes, ShapeOfBothOnly) {
  const std::string line1 = "Hiba az egyik intervallumban!";
  ExpectChecks([](const Case& c) { return ValidateTwoTimeCodes(c.a, c.b); },
               {
                   {"00:00:01,000", "00:00:02,000", "", ""},
                   {"99:99:99,999", "00:00:00,000", "", ""},  // ranges are not tested
                   {"", "00:00:02,000", line1, kExample},
                   {"00:00:01,000", "", line1, kExample},
                   {"00:00:01,000", "00:00:02.000", line1, kExample},
                   {"0:00:01,000", "00:00:02,000", line1, kExample},
                   {"x", "y", line1, kExample},
               });
}

TEST(ValidateFrameNumber, EmptyLeadingZeroAndNonDigits) {
  ExpectChecks([](const Case& c) { return ValidateFrameNumber(c.a); },
               {
                   {"0", "", "", ""},
                   {"10", "", "", ""},
                   {"999999", "", "", ""},
                   {"", "", "Hiba az értékben! Nem ütött be semmit!", kNumber},
                   {"010", "", "Hiba az értékben!", kZero},
                   {"00", "", "Hiba az értékben!", kZero},
                   {"12a", "", "Hiba az értékben!", kNumber},
                   {"-5", "", "Hiba az értékben!", kNumber},
                   {" 5", "", "Hiba az értékben!", kNumber},
                   {"1,5", "", "Hiba az értékben!", kNumber},
               });
}

TEST(ValidateTwoFrameNumbers, FirstMatchingRowDecides) {
  ExpectChecks([](const Case& c) { return ValidateTwoFrameNumbers(c.a, c.b); },
               {
                   {"0", "0", "", ""},
                   {"10", "250", "", ""},
                   {"", "", "Hiba mindkét intervallumban! Nem ütött be semmit!", kNumber},
                   {"", "07", "Hiba az első értékben! Nem ütött be semmit!", kNumber},
                   {"07", "", "Hiba a második értékben! Nem ütött be semmit!", kNumber},
                   {"01", "02", "Hiba mindkét értékben!", kZero},
                   {"01", "2", "Hiba az első értékben!", kZero},
                   {"1", "02", "Hiba a második értékben!", kZero},
                   {"01", "x", "Hiba az első értékben!", kZero},
                   {"a", "b", "Hiba mindkét értékben!", kNumber},
                   {"1a", "2", "Hiba az első értékben!", kNumber},
                   {"1", "2 ", "Hiba a második értékben!", kNumber},
               });
}

TEST(Checks, MessagesAreWindows1250) {
  // "ő" of "kezdődhet" is one byte, F5.
  const Check result = ValidateFrameNumber("01");
  ASSERT_TRUE(result.notice.has_value());
  EXPECT_NE(result.notice->line2.find('\xF5'), std::string::npos);
}

}  // namespace
}  // namespace timecode
