#include "formats/read_rows.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/dataset/row_table.h"

namespace files {
namespace {

std::string TextOf(std::size_t i) {
  // Rows of many sizes, one far larger than a block.
  return i == 700 ? std::string(100000, 'y') : std::string(i % 97, 'a' + static_cast<char>(i % 26));
}

// Rows over many blocks read back as they were written, before and after they are packed for
// the table.
TEST(ReadRows, KeepEveryRowOverBlocks) {
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
    const ReadRowView row = rows[i];
    ASSERT_EQ(row.start, std::to_string(i)) << i;
    ASSERT_EQ(row.end, i % 3 == 0 ? "" : std::to_string(i + 1)) << i;
    ASSERT_EQ(row.text, TextOf(i)) << i;
    ASSERT_EQ(row.text_set, i % 2 == 0) << i;
  }
  EXPECT_EQ(rows.back().start, std::to_string(kRows - 1));
  const dataset::PackedRows packed = rows.TakePacked();
  EXPECT_TRUE(rows.empty());
  ASSERT_EQ(packed.size(), kRows);
  for (std::size_t i = 0; i < kRows; ++i) {
    ASSERT_EQ(packed.Value(i, 0), std::to_string(i)) << i;
    ASSERT_EQ(packed.Value(i, 2), TextOf(i)) << i;
  }
}

// A long line is one of more than `limit` characters, many lines are a text with a "|".
ReadRowFlags TestFlags(std::string_view text, int limit) {
  return {text.size() > static_cast<std::size_t>(limit), text.find('|') != std::string_view::npos};
}

// The rows go into the table's own fields, their flags measured for the rows whose text was
// stored by the main-text rule only, counted, and the last such row named.
TEST(ReadRows, PackTheTablesFieldsWithTheirFlags) {
  ReadRowLayout layout;
  layout.fields = dataset::SubtitleRowFields();
  layout.start = dataset::subtitle_field::kKezdes;
  layout.end = dataset::subtitle_field::kBefejezes;
  layout.text = dataset::subtitle_field::kSzoveg;
  layout.measure = TestFlags;
  layout.letter_limit = 3;
  layout.flag_value = "t";
  layout.long_line = dataset::subtitle_field::kBetu38;
  layout.many_lines = dataset::subtitle_field::kSor3;
  struct Case {
    std::string text;
    bool text_set;
    std::string_view long_line;
    std::string_view many_lines;
  };
  const Case cases[] = {
      {"abcd", true, "t", ""}, {"a|b", true, "", "t"},     {"abcd|e", false, "", ""},
      {"ab", true, "", ""},    {"abcd|e", true, "t", "t"}, {"a|b", false, "", ""},
  };
  ReadRows rows(layout);
  for (const Case& c : cases) {
    ReadRow& row = rows.Append();
    row.start = "s";
    row.end = "e";
    row.text = c.text;
    row.text_set = c.text_set;
  }
  dataset::PackedRows packed = rows.TakePacked();
  EXPECT_EQ(rows.LongLineRows(), 2u);
  EXPECT_EQ(rows.ManyLineRows(), 2u);
  EXPECT_EQ(rows.LastTextSet(), 4u);
  dataset::RowTable table(dataset::SubtitleRowFields());
  table.CreateDataSet();
  ASSERT_TRUE(table.AppendPackedRows(std::move(packed)));
  ASSERT_EQ(table.RecordCount(), 6);
  for (int i = 0; i < 6; ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(table.Cell(i + 1, dataset::subtitle_field::kKezdes), "s") << i;
    EXPECT_EQ(table.Cell(i + 1, dataset::subtitle_field::kBefejezes), "e") << i;
    EXPECT_EQ(table.Cell(i + 1, dataset::subtitle_field::kSzoveg), c.text) << i;
    EXPECT_EQ(table.Cell(i + 1, dataset::subtitle_field::kSzoveg2), "") << i;
    EXPECT_EQ(table.Cell(i + 1, dataset::subtitle_field::kBetu38), c.long_line) << i;
    EXPECT_EQ(table.Cell(i + 1, dataset::subtitle_field::kSor3), c.many_lines) << i;
  }
}

// A layout whose fields cannot hold a row's values is refused at once.
TEST(ReadRows, RefuseALayoutWithoutTheirFields) {
  ReadRowLayout text_past_the_fields;
  text_past_the_fields.text = 3;
  EXPECT_THROW(ReadRows{text_past_the_fields}, std::invalid_argument);
  ReadRowLayout flag_past_the_fields;
  flag_past_the_fields.many_lines = 3;
  EXPECT_THROW(ReadRows{flag_past_the_fields}, std::invalid_argument);
}

}  // namespace
}  // namespace files
