#include "byte_diff.h"

#include <algorithm>
#include <vector>

namespace files_test {
namespace {

// The text split after every '\n', each piece keeping its line end.
std::vector<std::string_view> Lines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t end = bytes.find('\n', start);
    const size_t stop = end == std::string_view::npos ? bytes.size() : end + 1;
    lines.push_back(bytes.substr(start, stop - start));
    start = stop;
  }
  return lines;
}

void AppendContext(std::string& report, const char* side,
                   const std::vector<std::string_view>& lines, size_t line) {
  report += side;
  report += ":\n";
  const size_t from = line < 2 ? 0 : line - 2;
  for (size_t i = from; i < std::min(lines.size(), line + 3); ++i) {
    report +=
        (i == line ? "  > " : "    ") + std::to_string(i + 1) + ": " + Escaped(lines[i]) + "\n";
  }
  if (line >= lines.size()) {
    report += "  > (end of file)\n";
  }
}

}  // namespace

std::string Escaped(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\\') {
      out += "\\\\";
    } else if (byte >= 0x20 && byte < 0x7F) {
      out += c;
    } else {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
  return out;
}

::testing::AssertionResult SameBytes(std::string_view actual, std::string_view expected) {
  if (actual == expected) {
    return ::testing::AssertionSuccess();
  }
  const auto a =
      std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end()).first;
  const auto offset = static_cast<size_t>(a - actual.begin());
  const size_t line = static_cast<size_t>(std::count(actual.begin(), a, '\n'));
  std::string report = "bytes differ at offset " + std::to_string(offset) + " (line " +
                       std::to_string(line + 1) + "); sizes " + std::to_string(actual.size()) +
                       " (actual) and " + std::to_string(expected.size()) + " (expected)\n";
  AppendContext(report, "actual", Lines(actual), line);
  AppendContext(report, "expected", Lines(expected), line);
  return ::testing::AssertionFailure() << report;
}

}  // namespace files_test
