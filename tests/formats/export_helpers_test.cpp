#include "formats/export_helpers.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace files {
namespace {

// ---- Time forms ------------------------------------------------------------------------------

constexpr std::array<TimeForm, 16> kForms{
    TimeForm::kHhMmSs,      TimeForm::kHMmSs,        TimeForm::kHhMmSsColonCc,
    TimeForm::kHhMmSsDotCc, TimeForm::kHMmSsDotCc,   TimeForm::kHhMmSsDotD,
    TimeForm::kHMmSsDotD,   TimeForm::kHhMmSsFf,     TimeForm::kHhMmSsFfSemicolon,
    TimeForm::kHMmSsMmm,    TimeForm::kTimeCode,     TimeForm::kMsText,
    TimeForm::kDeciseconds, TimeForm::kCentiseconds, TimeForm::kPanimator,
    TimeForm::kLrc,
};

struct TimeFormCase {
  std::string_view time;
  // In the order of kForms: HH:MM:SS, H:MM:SS, HH:MM:SS:cc, HH:MM:SS.cc, H:MM:SS.cc,
  // HH:MM:SS.d, H:MM:SS.d, HH:MM:SS:FF, HH;MM;SS;FF, HMMSSmmm, HH:MM:SS,mmm, milliseconds,
  // deciseconds, centiseconds, Panimator, LRC.
  std::array<std::string_view, 16> forms;
};

constexpr std::array<std::string_view, 16> kZeroForms{
    "00:00:00",  "0:00:00",     "00:00:00:00", "00:00:00.00", "0:00:00.00",   "00:00:00.0",
    "0:00:00.0", "00:00:00:00", "00;00;00;00", "00000000",    "00:00:00,000", "0",
    "00",        "000",         "00 00",       "00:00.00"};

const TimeFormCase kTimeFormCases[] = {
    {"01:02:03,456",
     {"01:02:03", "1:02:03", "01:02:03:45", "01:02:03.45", "1:02:03.45", "01:02:03.4", "1:02:03.4",
      "01:02:03:11", "01;02;03;11", "10203456", "01:02:03,456", "3723456", "37234", "372345",
      "3723 45", "62:03.45"}},
    {"00:00:00,000", kZeroForms},
    {"", kZeroForms},
    // Not a time code: taken as zero, never read past its end.
    {"1:02:03,456", kZeroForms},
    {"00:00:05,300",
     {"00:00:05", "0:00:05", "00:00:05:30", "00:00:05.30", "0:00:05.30", "00:00:05.3", "0:00:05.3",
      "00:00:05:07", "00;00;05;07", "00005300", "00:00:05,300", "5300", "53", "530", "05 30",
      "00:05.30"}},
    {"00:00:07,039",
     {"00:00:07", "0:00:07", "00:00:07:03", "00:00:07.03", "0:00:07.03", "00:00:07.0", "0:00:07.0",
      "00:00:07:00", "00;00;07;00", "00007039", "00:00:07,039", "7039", "70", "703", "07 03",
      "00:07.03"}},
    {"00:00:07,040",
     {"00:00:07", "0:00:07", "00:00:07:04", "00:00:07.04", "0:00:07.04", "00:00:07.0", "0:00:07.0",
      "00:00:07:01", "00;00;07;01", "00007040", "00:00:07,040", "7040", "70", "704", "07 04",
      "00:07.04"}},
    {"00:00:07,999",
     {"00:00:07", "0:00:07", "00:00:07:99", "00:00:07.99", "0:00:07.99", "00:00:07.9", "0:00:07.9",
      "00:00:07:24", "00;00;07;24", "00007999", "00:00:07,999", "7999", "79", "799", "07 99",
      "00:07.99"}},
    {"01:40:00,000",
     {"01:40:00", "1:40:00", "01:40:00:00", "01:40:00.00", "1:40:00.00", "01:40:00.0", "1:40:00.0",
      "01:40:00:00", "01;40;00;00", "14000000", "01:40:00,000", "6000000", "60000", "600000",
      "6000 00", "100:00.00"}},
    // From 10 hours on no hour digit is dropped.
    {"12:34:56,789",
     {"12:34:56", "12:34:56", "12:34:56:78", "12:34:56.78", "12:34:56.78", "12:34:56.7",
      "12:34:56.7", "12:34:56:19", "12;34;56;19", "123456789", "12:34:56,789", "45296789", "452967",
      "4529678", "45296 78", "754:56.78"}},
    // 1000 minutes and more: the minutes take as many digits as they need.
    {"99:59:59,999",
     {"99:59:59", "99:59:59", "99:59:59:99", "99:59:59.99", "99:59:59.99", "99:59:59.9",
      "99:59:59.9", "99:59:59:24", "99;59;59;24", "995959999", "99:59:59,999", "359999999",
      "3599999", "35999999", "359999 99", "5999:59.99"}},
};

TEST(ExportTimeTest, EveryFormOfEveryTime) {
  for (const TimeFormCase& c : kTimeFormCases) {
    for (size_t i = 0; i < kForms.size(); ++i) {
      EXPECT_EQ(ExportTime(c.time, kForms[i]), c.forms[i])
          << "time \"" << c.time << "\", form #" << i;
    }
  }
}

TEST(ExportTimeTest, SecondsFormsOfHalfASecond) {
  EXPECT_EQ(SecondsToMsText(500), "0500");
  EXPECT_EQ(SecondsToDecisecondsText(500), "05");
  EXPECT_EQ(SecondsToCentisecondsText(500), "050");
  EXPECT_EQ(SecondsToPanimatorTime(500), "00 50");
  EXPECT_EQ(SecondsToLrcTime(500), "00:00.50");
  EXPECT_EQ(SecondsToMsText(0), "0");
  EXPECT_EQ(SecondsToMsText(5000), "5000");
  EXPECT_EQ(SecondsToLrcTime(6'000'000), "100:00.00");
}

TEST(ExportTimeTest, TimeCodeToMsReadsTheFieldsAsWritten) {
  EXPECT_EQ(ExportTimeCodeToMs("01:02:03,456"), 3'723'456);
  EXPECT_EQ(ExportTimeCodeToMs(""), 0);
  EXPECT_EQ(ExportTimeCodeToMs("00:00:00,000"), 0);
}

TEST(ExportTimeTest, FramePairAtTwentyFiveFrames) {
  struct Case {
    std::string_view start, end;
    FramePair frames;
  };
  const Case cases[] = {
      {"00:00:00,039", "00:00:00,040", {"00", "01"}},
      {"00:00:00,999", "01:02:03,456", {"24", "11"}},
      {"", "00:00:01,000", {"00", "00"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MsDigitsToFramePair(c.start, c.end), c.frames) << c.start << " " << c.end;
  }
}

// ---- Row text --------------------------------------------------------------------------------

TEST(SplitRowTextTest, Lines) {
  struct Case {
    std::string_view text;
    RowLines lines;
  };
  const Case cases[] = {
      {"", {"", "", "", 0}},
      {"one", {"one", "", "", 1}},
      {"one|two", {"one", "two", "", 2}},
      {"one|two|three", {"one", "two", "three", 3}},
      {"1|2|3|4|5", {"1", "2", "3", 3}},
      {"a||b", {"a", "", "b", 3}},
      {"a|", {"a", "", "", 2}},
      {"|", {"", "", "", 2}},
      {"a|b|", {"a", "b", "", 3}},
      {"Kettő|ő", {"Kettő", "ő", "", 2}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitRowText(c.text), c.lines) << c.text;
  }
}

TEST(SplitRowTextTest, JoinByCount) {
  EXPECT_EQ(JoinRowLines({"a", "b", "c", 3}, "//"), "a//b//c");
  EXPECT_EQ(JoinRowLines({"a", "b", "c", 2}, "//"), "a//b");
  EXPECT_EQ(JoinRowLines({"a", "b", "c", 1}, "//"), "a");
  EXPECT_EQ(JoinRowLines({"", "", "", 0}, "//"), "");
  EXPECT_EQ(JoinRowLines({"", "", "", 2}, "//"), "//");
}

TEST(CharEditTest, DeleteChars) {
  struct Case {
    std::string_view text;
    int position, count;
    std::string_view result;
  };
  const Case cases[] = {
      {"abcdef", 2, 3, "aef"},    {"abcdef", 4, 99, "abc"},   {"abcdef", 7, 1, "abcdef"},
      {"abcdef", 0, 2, "abcdef"}, {"abcdef", 1, 0, "abcdef"}, {"", 1, 5, ""},
  };
  for (const Case& c : cases) {
    std::string text(c.text);
    DeleteChars(text, c.position, c.count);
    EXPECT_EQ(text, c.result) << c.text << " " << c.position << " " << c.count;
  }
}

TEST(CharEditTest, InsertAt34) {
  std::string long_text(40, 'x');
  InsertAt34("|", long_text);
  EXPECT_EQ(long_text, std::string(33, 'x') + "|" + std::string(7, 'x'));
  std::string exact(33, 'y');
  InsertAt34("|", exact);
  EXPECT_EQ(exact, std::string(33, 'y') + "|");
  std::string short_text = "abc";
  InsertAt34("|", short_text);
  EXPECT_EQ(short_text, "abc|");
}

// ---- Style tags ------------------------------------------------------------------------------

TEST(TagTest, Conversions) {
  struct Case {
    std::string_view text;
    std::string_view stripped, closing_stripped, ssa, ass;
  };
  const Case cases[] = {
      {"<i>Hi</i>|there", "Hi|there", "<i>Hi|there", "{\\i1}Hi{\\i0}|there",
       "{\\i1}Hi{\\i0}|there"},
      {"<b>a</b> <u>b</u>", "a b", "<b>a <u>b", "{\\b1}a{\\b0} <u>b</u>",
       "{\\b1}a{\\b0} {\\u1}b{\\u0}"},
      {"<i><i>x</i></i>", "x", "<i><i>x", "{\\i1}{\\i1}x{\\i0}{\\i0}", "{\\i1}{\\i1}x{\\i0}{\\i0}"},
      // Removing a tag can join a new one; removal repeats until none is left.
      {"<<i>i>x", "x", "<<i>i>x", "<{\\i1}i>x", "<{\\i1}i>x"},
      {"<</b>/b>x", "x", "x", "<{\\b0}/b>x", "<{\\b0}/b>x"},
      // Only the exact lower-case tags count.
      {"<I>Up</I> < i>", "<I>Up</I> < i>", "<I>Up</I> < i>", "<I>Up</I> < i>", "<I>Up</I> < i>"},
      {"<i></i>", "", "<i>", "{\\i1}{\\i0}", "{\\i1}{\\i0}"},
      {"", "", "", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StripFormatTags(c.text), c.stripped) << c.text;
    EXPECT_EQ(StripClosingTags(c.text), c.closing_stripped) << c.text;
    EXPECT_EQ(TagsToSsaCodes(c.text), c.ssa) << c.text;
    EXPECT_EQ(TagsToAssCodes(c.text), c.ass) << c.text;
  }
}

}  // namespace
}  // namespace files
