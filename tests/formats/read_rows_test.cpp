#include "formats/read_rows.h"

#include <gtest/gtest.h>

#include <string>

namespace files {
namespace {

std::string TextOf(std::size_t i) {
  // Rows of many sizes, one far larger than a block.
  return i == 700 ? std::string(100000, 'y') : std::string(i % 97, 'a' + static_cast<char>(i % 26));
}

// Rows over many blocks read back as they were written, also after the rows before them were
// released.
TEST(ReadRows, KeepEveryRowOverBlocksAndReleases) {
  constexpr std::size_t kRows = 5000;
  ReadRows rows;
  for (std::size_t i = 0; i < kRows; ++i) {
    ReadRow& row = rows.Append();
    row.start = std::to_string(i);
    row.end = i % 3 == 0 ? "" : std::to_string(i + 1);
    row.text = TextOf(i);
    row.text_set = i % 2 == 0;
  }
  ASSERT_EQ(rows.size(), kRows);
  for (std::size_t i = 0; i < kRows; ++i) {
    if (i % 250 == 0)
      rows.Release(i);
    const ReadRowView row = rows[i];
    ASSERT_EQ(row.start, std::to_string(i)) << i;
    ASSERT_EQ(row.end, i % 3 == 0 ? "" : std::to_string(i + 1)) << i;
    ASSERT_EQ(row.text, TextOf(i)) << i;
    ASSERT_EQ(row.text_set, i % 2 == 0) << i;
  }
  rows.Release(kRows);
  EXPECT_EQ(rows.back().start, std::to_string(kRows - 1));
}

}  // namespace
}  // namespace files
