// Small value types of the GUI class library: colours, fonts, key codes, shift states,
// mouse buttons, modal results and the window options of a form.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

// A colour as the classic library writes it: 0x00BBGGRR (9988639 is red 31, green 106,
// blue 152).
using Color = std::int32_t;
constexpr Color Bgr(int red, int green, int blue) {
  return red | (green << 8) | (blue << 16);
}
constexpr int RedOf(Color c) {
  return c & 0xFF;
}
constexpr int GreenOf(Color c) {
  return (c >> 8) & 0xFF;
}
constexpr int BlueOf(Color c) {
  return (c >> 16) & 0xFF;
}

namespace colors {
inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kRed = 0x0000FF;
inline constexpr Color kGreen = 0x008000;
inline constexpr Color kNavy = 0x800000;
inline constexpr Color kBtnFace = 0xF0F0F0;
inline constexpr Color kWindow = 0xFFFFFF;
inline constexpr Color kWindowText = 0x000000;
}  // namespace colors

struct Font {
  std::string name = "MS Sans Serif";
  int size = 11;  // pixel height
  bool bold = false;
  bool italic = false;
  bool underline = false;
  Color color = colors::kWindowText;
  bool operator==(const Font&) const = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool Contains(int x, int y) const {
    return x >= left && y >= top && x < left + width && y < top + height;
  }
  bool operator==(const Rect&) const = default;
};

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

// ---- Keys ---------------------------------------------------------------------------

// Windows virtual-key codes.
using Key = std::uint16_t;
namespace keys {
inline constexpr Key kBack = 8;
inline constexpr Key kTab = 9;
inline constexpr Key kReturn = 13;
inline constexpr Key kShift = 16;
inline constexpr Key kControl = 17;
inline constexpr Key kMenu = 18;  // Alt
inline constexpr Key kEscape = 27;
inline constexpr Key kSpace = 32;
inline constexpr Key kPrior = 33;  // Page Up
inline constexpr Key kNext = 34;   // Page Down
inline constexpr Key kEnd = 35;
inline constexpr Key kHome = 36;
inline constexpr Key kLeft = 37;
inline constexpr Key kUp = 38;
inline constexpr Key kRight = 39;
inline constexpr Key kDown = 40;
inline constexpr Key kInsert = 45;
inline constexpr Key kDelete = 46;
inline constexpr Key kLWin = 91;
inline constexpr Key kF1 = 112;
inline constexpr Key kF2 = 113;
inline constexpr Key kF3 = 114;
inline constexpr Key kF4 = 115;
inline constexpr Key kF5 = 116;
inline constexpr Key kF6 = 117;
inline constexpr Key kF12 = 123;
inline constexpr Key kNumLock = 144;
inline constexpr Key kOem102 = 0xE2;  // the ISO "<>" key beside the left Shift
}  // namespace keys

// A set of modifier keys and mouse buttons held down.
class ShiftState {
 public:
  enum Bit : unsigned { kShift = 1, kAlt = 2, kCtrl = 4, kLeft = 8, kRight = 16, kMiddle = 32 };
  constexpr ShiftState() = default;
  constexpr ShiftState(Bit bit) : bits_(bit) {}  // NOLINT: a single bit reads as a set
  constexpr bool Has(Bit bit) const { return (bits_ & bit) != 0; }
  constexpr bool Empty() const { return (bits_ & (kShift | kAlt | kCtrl)) == 0; }
  // Only the keyboard modifiers (Shift, Alt, Ctrl).
  constexpr ShiftState Modifiers() const { return ShiftState(bits_ & (kShift | kAlt | kCtrl)); }
  constexpr unsigned Bits() const { return bits_; }
  constexpr ShiftState operator|(ShiftState o) const { return ShiftState(bits_ | o.bits_); }
  constexpr bool operator==(const ShiftState&) const = default;

 private:
  constexpr explicit ShiftState(unsigned bits) : bits_(bits) {}
  unsigned bits_ = 0;
};
constexpr ShiftState operator|(ShiftState::Bit a, ShiftState::Bit b) {
  return ShiftState(a) | ShiftState(b);
}
inline constexpr ShiftState kNoShift{};
inline constexpr ShiftState kShift{ShiftState::kShift};
inline constexpr ShiftState kCtrl{ShiftState::kCtrl};
inline constexpr ShiftState kAlt{ShiftState::kAlt};

// A menu shortcut as the classic library encodes it: the key code with 0x2000 for Shift,
// 0x4000 for Ctrl and 0x8000 for Alt; 0 is no shortcut.
using ShortCut = std::uint16_t;
constexpr ShortCut MakeShortCut(Key key, ShiftState shift = {}) {
  return static_cast<ShortCut>((key & 0x1FFF) | (shift.Has(ShiftState::kShift) ? 0x2000 : 0) |
                               (shift.Has(ShiftState::kCtrl) ? 0x4000 : 0) |
                               (shift.Has(ShiftState::kAlt) ? 0x8000 : 0));
}

enum class MouseButton { kLeft, kRight, kMiddle };

// ---- Forms --------------------------------------------------------------------------

// Results of a modal form; 0 means the session goes on.
using ModalResult = int;
namespace modal {
inline constexpr ModalResult kNone = 0;
inline constexpr ModalResult kOk = 1;
inline constexpr ModalResult kCancel = 2;
inline constexpr ModalResult kAbort = 3;
inline constexpr ModalResult kRetry = 4;
inline constexpr ModalResult kIgnore = 5;
inline constexpr ModalResult kYes = 6;
inline constexpr ModalResult kNo = 7;
}  // namespace modal

enum class CloseAction { kNone, kHide, kFree, kMinimize };
enum class WindowState { kNormal, kMinimized, kMaximized };
// kOwnerCenter: centred on the form that is active when it is shown (the screen when none),
// kept on the screen.
enum class FormPosition { kDesigned, kScreenCenter, kOwnerCenter };
enum class BorderStyle { kSizeable, kSingle, kDialog, kNone };

struct BorderIcons {
  bool system_menu = true;
  bool minimize = true;
  bool maximize = true;
  bool operator==(const BorderIcons&) const = default;
};

// Size limits of a form; 0 is no limit.
struct SizeConstraints {
  int min_width = 0;
  int max_width = 0;
  int min_height = 0;
  int max_height = 0;
  bool operator==(const SizeConstraints&) const = default;
};

enum class Alignment { kLeft, kRight, kCenter };

enum class Cursor { kDefault, kHourGlass };

}  // namespace ui
