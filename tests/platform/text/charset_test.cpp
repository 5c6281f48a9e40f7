// The program's literals are Windows-1250 bytes.
#include <gtest/gtest.h>

#include <string>

namespace {

std::string Hex(std::string_view s) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : s) {
    if (!out.empty()) out += ' ';
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

TEST(Charset, LiteralsAreWindows1250Bytes) {
  EXPECT_EQ(Hex("Megnyitás"), "4D 65 67 6E 79 69 74 E1 73");
  EXPECT_EQ(Hex("ő"), "F5");
  EXPECT_EQ(Hex("ŐőŰű"), "D5 F5 DB FB");
}

}  // namespace
