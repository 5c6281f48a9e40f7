// The byte forms a subtitle file may come in, read as the Windows-1250 text they hold.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "formats/subtitle_kind.h"

namespace {

TEST(SubtitleBytes, Utf8BytesAreDecodedAndOthersLeftAsTheyAre) {
  struct Case {
    const char* name;
    std::string bytes;
    bool utf8;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"a byte-order mark is dropped",
       "\xEF\xBB\xBF"
       "abc",
       true, "abc"},
      {"multi-byte letters without a mark", "\xC3\xA9rt\xC3\xA9k", true, "\xE9rt\xE9k"},
      {"Windows-1250 letters stay", "\xE9rt\xE9k", false, "\xE9rt\xE9k"},
      {"plain ASCII stays", "abc", false, "abc"},
      {"nothing", "", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string bytes = c.bytes;
    EXPECT_EQ(files::DecodeIfUtf8(bytes), c.utf8);
    EXPECT_EQ(bytes, c.text);
  }
}

TEST(SubtitleBytes, Utf16TextIsDecodedFromItsLineToTheEnd) {
  const std::string text = std::string("junk\n\xFF\xFE", 7) + std::string("1\0\n\0A\0", 6);
  const std::string_view line = std::string_view(text).substr(5);
  ASSERT_TRUE(files::IsUtf16LeLine(line));
  EXPECT_EQ(files::DecodeUtf16LeFrom(text, line), "1\nA");
}

}  // namespace
