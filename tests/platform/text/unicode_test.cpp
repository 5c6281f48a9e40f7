// Windows-1250 <-> Unicode. The narrow literals here are Windows-1250 bytes and the U""
// literals are code points, so the compiler's own conversion checks the table.
#include <gtest/gtest.h>

#include <string>

#include "platform/text/text.h"

namespace {

TEST(Unicode, TableAgreesWithTheCompilersCodePage) {
  const std::string narrow =
      "€‚„…†‡‰Š‹ŚŤŽŹ‘’“”•–—™š›śťžź ˇ˘Ł¤Ą¦§¨©Ş«¬®Ż°±˛ł´µ¶·¸ąş»Ľ˝ľż"
      "ŔÁÂĂÄĹĆÇČÉĘËĚÍÎĎĐŃŇÓÔŐÖ×ŘŮÚŰÜÝŢßŕáâăäĺćçčéęëěíîďđńňóôőö÷řůúűüýţ˙";
  const std::u32string wide =
      U"€‚„…†‡‰Š‹ŚŤŽŹ‘’“”•–—™š›śťžź ˇ˘Ł¤Ą¦§¨©Ş«¬®Ż°±˛ł´µ¶·¸ąş»Ľ˝ľż"
      U"ŔÁÂĂÄĹĆÇČÉĘËĚÍÎĎĐŃŇÓÔŐÖ×ŘŮÚŰÜÝŢßŕáâăäĺćçčéęëěíîďđńňóôőö÷řůúűüýţ˙";
  ASSERT_EQ(narrow.size(), wide.size());
  ASSERT_EQ(narrow.size(), 122u);  // 128 high bytes less the five undefined ones and U+00AD
  for (std::size_t i = 0; i < narrow.size(); ++i) {
    const auto byte = static_cast<unsigned char>(narrow[i]);
    EXPECT_EQ(text::ToUnicode(byte), wide[i]) << "byte " << int(byte);
    EXPECT_EQ(text::FromUnicode(wide[i]), byte) << "code point " << uint32_t(wide[i]);
  }
  EXPECT_EQ(text::ToUnicode(0xAD), U'\u00AD');  // soft hyphen
}

TEST(Unicode, UndefinedBytesKeepTheirOwnValue) {
  for (unsigned char byte : {0x81, 0x83, 0x88, 0x90, 0x98}) {
    EXPECT_EQ(text::ToUnicode(byte), char32_t{byte});
    EXPECT_EQ(text::FromUnicode(char32_t{byte}), byte);
  }
}

TEST(Unicode, EveryByteSurvivesUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b)
    all += static_cast<char>(b);
  const std::string utf8 = text::Cp1250ToUtf8(all);
  EXPECT_EQ(text::Utf8ToCp1250(utf8), all);
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(text::Utf8ToCp1250(text::Cp1250ToUtf8(one)), one) << "byte " << b;
    EXPECT_EQ(text::FromUnicode(text::ToUnicode(static_cast<unsigned char>(b))), b);
  }
}

TEST(Unicode, KnownUtf8Forms) {
  EXPECT_EQ(text::Cp1250ToUtf8("ő€"), std::string("\xC5\x91\xE2\x82\xAC", 5));
  EXPECT_EQ(text::Cp1250ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
  EXPECT_EQ(text::Utf8ToCp1250("\xC5\x90r\xC3\xBCl"), "Őrül");
}

TEST(Unicode, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  for (char32_t cp :
       {U'\u4E2D', U'\u0080', U'\u00C0', U'\U0001F600', U'\u20AD', char32_t{0x110000}}) {
    EXPECT_EQ(text::FromUnicode(cp), '?') << uint32_t(cp);
  }
  EXPECT_EQ(text::Utf8ToCp1250("a\xE4\xB8\xAD"
                               "b"),
            "a?b");                                        // U+4E2D
  EXPECT_EQ(text::Utf8ToCp1250("\xF0\x9F\x98\x80"), "?");  // U+1F600
}

TEST(Unicode, MalformedUtf8BecomesQuestionMarks) {
  struct Case {
    std::string utf8;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"\x80", "?"},  // lone continuation byte
      {"a\xFF"
       "b",
       "a?b"},        // byte never used in UTF-8
      {"\xC3", "?"},  // cut at the end
      {"\xC3"
       "a",
       "?a"},  // continuation missing
      {"\xE2\x82"
       "a",
       "?a"},                        // three-byte form cut short: one mark
      {"\xC0\xAF", "??"},            // overlong '/'
      {"\xE0\x80\xAF", "???"},       // overlong '/', three bytes
      {"\xED\xA0\x80", "???"},       // UTF-16 surrogate
      {"\xF4\x90\x80\x80", "????"},  // above U+10FFFF
      {"\xF0\x9F\x98", "?"},         // four-byte form cut at the end
      {"\xC5\x91\xC5", "ő?"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(text::Utf8ToCp1250(c.utf8), c.expected) << text::Cp1250ToUtf8(c.utf8);
    EXPECT_FALSE(text::IsWellFormedUtf8("ok " + c.utf8)) << text::Cp1250ToUtf8(c.utf8);
  }
  for (std::string_view good : {"", "plain", "\xC5\x91r\xC3\xBCl", "\xF0\x9F\x98\x80 \xE4\xB8\xAD"})
    EXPECT_TRUE(text::IsWellFormedUtf8(good)) << good;
}

}  // namespace
