#include "platform/dataset/row_store.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace dataset {
namespace {

Row MakeRow(const std::string& value) {
  return Row::Pack(&value, 1);
}

std::vector<std::string> Contents(const RowStore& store) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < store.Size(); ++i) {
    out.emplace_back(store.At(i).Value(0));
  }
  return out;
}

// Inserts, erases and replaces at scattered places (a fixed pseudo-random walk that also
// crosses the growth points) and compares with a plain vector after every step.
TEST(RowStore, MatchesAPlainVectorUnderScatteredEdits) {
  RowStore store;
  std::vector<std::string> model;
  std::uint32_t seed = 12345;
  auto next = [&seed](std::uint32_t bound) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) % bound;
  };
  for (int step = 0; step < 3000; ++step) {
    const std::string value = std::to_string(step);
    const std::uint32_t op = next(10);
    if (op < 6 || model.empty()) {
      const std::size_t at = next(static_cast<std::uint32_t>(model.size() + 1));
      store.InsertAt(at, MakeRow(value));
      model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), value);
    } else if (op < 9) {
      const std::size_t at = next(static_cast<std::uint32_t>(model.size()));
      store.EraseAt(at);
      model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
    } else {
      const std::size_t at = next(static_cast<std::uint32_t>(model.size()));
      store.Replace(at, MakeRow(value));
      model[at] = value;
    }
    ASSERT_EQ(Contents(store), model) << "step " << step;
  }
  store.Clear();
  EXPECT_EQ(store.Size(), 0u);
  store.InsertAt(0, MakeRow("after clear"));
  EXPECT_EQ(Contents(store), std::vector<std::string>({"after clear"}));
}

// Values of every length come back as they were packed, next to each other: empty ones, ones
// whose length takes one byte and ones whose length takes two or three.
TEST(PackedRow, KeepsEveryValueWhateverItsLength) {
  const std::vector<std::string> values = {"",
                                           "1",
                                           std::string(127, 'a'),
                                           std::string(128, 'b'),
                                           "",
                                           std::string(220, '\xF5'),
                                           std::string(20000, 'c'),
                                           std::string("\0x\0", 3),
                                           ""};
  const Row row = Row::Pack(values.data(), values.size());
  for (std::size_t i = 0; i < values.size(); ++i)
    EXPECT_EQ(row.Value(i), values[i]) << i;
  const std::string none;
  EXPECT_EQ(Row::Pack(&none, 1).Value(0), "");
}

}  // namespace
}  // namespace dataset
