// Byte-for-byte comparison of file contents with a readable report: bytes outside the
// printable ASCII range are shown as \xNN, and line ends as \r and \n.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace files_test {

std::string Escaped(std::string_view bytes);

// Success when equal; otherwise the offset and line of the first difference with the
// escaped lines of both sides around it.
::testing::AssertionResult SameBytes(std::string_view actual, std::string_view expected);

}  // namespace files_test
