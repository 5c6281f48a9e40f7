#include "translation/tool_pictures.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace translation {

namespace {

constexpr int kSize = 16;
using PixelMap = std::array<std::string_view, kSize>;

// '.' is the button face; the other letters are the colours below.
constexpr PixelMap kFolder = {
    "................", "................", "................", ".kkkkk..........",
    "kyyyyyk.........", "kyyyyyykkkkkkkk.", "kyyyyyyyyyyyyyyk", "kyyyyyyyyyyyyyyk",
    "kyyyyyyyyyyyyyyk", "kyyyyyyyyyyyyyyk", "kyyyyyyyyyyyyyyk", "kyyyyyyyyyyyyyyk",
    "kddddddddddddddk", "kkkkkkkkkkkkkkkk", "................", "................",
};
constexpr PixelMap kDiskette = {
    "................", ".kkkkkkkkkkkkkk.", ".kbswwwwwwwwsbbk", ".kbswwwwwwwwsbbk",
    ".kbswwwwwwwwsbbk", ".kbswwwwwwwwsbbk", ".kbsssssssssbbbk", ".kbbbbbbbbbbbbbk",
    ".kbbssssssssbbbk", ".kbbsskkssssbbbk", ".kbbsskkssssbbbk", ".kbbsskkssssbbbk",
    ".kbbssssssssbbbk", ".kkkkkkkkkkkkkkk", "................", "................",
};
constexpr PixelMap kSheets = {
    "......kkkkkkkk..", "......kwwwwwwk..", "......kwsssswk..", "..kkkkkkkkwwwk..",
    "..kwwwwwwksssk..", "..kwsssswkwwwk..", "..kwwwwwwksssk..", "..kwsssswkwwwk..",
    "..kwwwwwwkkkkk..", "..kwsssswk......", "..kwwwwwwk......", "..kwsssswk......",
    "..kwwwwwwk......", "..kkkkkkkk......", "................", "................",
};
constexpr PixelMap kRowsPlus = {
    "................", "kkkkkkkkkkkk....", "kwwwwwwwwwwk....", "kkkkkkkkkkkk....",
    "kwwwwwwwwwwk....", "kkkkkkkkkkkk....", "kwwwwwwwwwwk.gg.", "kkkkkkkkkkkk.gg.",
    "kwwwwwwwwwwkgggg", "kkkkkkkkkkkkgggg", "kwwwwwwwwwwk.gg.", "kkkkkkkkkkkk.gg.",
    "................", "................", "................", "................",
};
constexpr PixelMap kRowsCross = {
    "................", "kkkkkkkkkkkk....", "kwwwwwwwwwwk....", "kkkkkkkkkkkk....",
    "kwwwwwwwwwwk....", "kkkkkkkkkkkk....", "kwwwwwwwwwwkr..r", "kkkkkkkkkkkk.rr.",
    "kwwwwwwwwwwk.rr.", "kkkkkkkkkkkkr..r", "kwwwwwwwwwwk....", "kkkkkkkkkkkk....",
    "................", "................", "................", "................",
};
constexpr PixelMap kMagnifier = {
    "................", "....kkkk........", "..kkwwwwkk......", "..kwwwwwwk......",
    ".kwwwwwwwwk.....", ".kwwwwwwwwk.....", ".kwwwwwwwwk.....", ".kwwwwwwwwk.....",
    "..kwwwwwwk......", "..kkwwwwkks.....", "....kkkk.kks....", "..........kks...",
    "...........kks..", "............kks.", ".............kk.", "................",
};

struct Rgb {
  std::uint8_t r, g, b;
};

Rgb ColourOf(char letter) {
  switch (letter) {
    case 'k':
      return {0, 0, 0};
    case 'w':
      return {255, 255, 255};
    case 'y':
      return {240, 200, 40};
    case 'd':
      return {170, 130, 20};
    case 'b':
      return {30, 60, 160};
    case 's':
      return {150, 150, 150};
    case 'g':
      return {0, 140, 0};
    case 'r':
      return {210, 0, 0};
    default:
      return {240, 240, 240};  // the button face
  }
}

const PixelMap& MapOf(ToolPicture which) {
  switch (which) {
    case ToolPicture::kOpenSubtitle:
      return kFolder;
    case ToolPicture::kSave:
      return kDiskette;
    case ToolPicture::kOpenProject:
      return kSheets;
    case ToolPicture::kInsertRow:
      return kRowsPlus;
    case ToolPicture::kDeleteRow:
      return kRowsCross;
    case ToolPicture::kSearch:
      break;
  }
  return kMagnifier;
}

}  // namespace

ui::Picture DrawToolPicture(ToolPicture which) {
  ui::Picture picture;
  picture.width = kSize;
  picture.height = kSize;
  picture.rgb.reserve(kSize * kSize * 3);
  for (std::string_view line : MapOf(which)) {
    for (int x = 0; x < kSize; ++x) {
      const Rgb c = ColourOf(x < static_cast<int>(line.size()) ? line[x] : '.');
      picture.rgb.insert(picture.rgb.end(), {c.r, c.g, c.b});
    }
  }
  return picture;
}

}  // namespace translation
