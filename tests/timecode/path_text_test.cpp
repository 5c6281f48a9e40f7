#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "timecode/path_text.h"

namespace timecode {
namespace {

TEST(PathText, CutsAtTheLastSlash) {
  struct Case {
    std::string path;
    std::string file_name;
    std::string directory;
  };
  const std::vector<Case> cases = {
      {"/home/anna/film.srt", "film.srt", "/home/anna/"},
      {"/film.srt", "film.srt", "/"},
      {"/home/anna/", "", "/home/anna/"},
      {"relative/sub/a.sub", "a.sub", "relative/sub/"},
      {"/home/anna/Magyar fordítás.srt", "Magyar fordítás.srt", "/home/anna/"},
      {"film.srt", "film.srt", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeepFileName(c.path), c.file_name) << c.path;
    EXPECT_EQ(KeepDirectory(c.path), c.directory) << c.path;
  }
}

}  // namespace
}  // namespace timecode
