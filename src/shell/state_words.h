// The words the shared state words take (shell/state.h), one constant each, so that a
// mistyped word does not compile. The texts are the program's own: they are compared exactly.
#pragma once

#include <string_view>

namespace shell {

// StartState: where the start window stands.
namespace start_state {
inline constexpr std::string_view kBe = "be";
inline constexpr std::string_view kBe2 = "be2";
inline constexpr std::string_view kVissza = "vissza";
inline constexpr std::string_view kKi = "ki";
inline constexpr std::string_view kFor = "For";
inline constexpr std::string_view kFelvitt = "felvitt";
}  // namespace start_state

// OpenMode: how the editor was reached.
namespace open_mode {
inline constexpr std::string_view kMegnyitas = "megnyitas";
inline constexpr std::string_view kUj = "uj";
inline constexpr std::string_view kMas = "mas";
inline constexpr std::string_view k2cd1cd = "2cd1cd";
inline constexpr std::string_view k22 = "22";
}  // namespace open_mode

// ScreenLayout: the layout words ("" is a layout word too: at least 800 wide, under 600 high).
inline constexpr std::string_view kLayout1280 = "1280x1024";
inline constexpr std::string_view kLayout1024 = "1024x768";
inline constexpr std::string_view kLayout800 = "800x600";
inline constexpr std::string_view kLayoutTooSmall = "kicsi";

// OpenPurpose: what the open window's pick is for.
namespace open_purpose {
inline constexpr std::string_view kFelirat = "Felirat";
inline constexpr std::string_view kForditas1 = "Forditas1";
inline constexpr std::string_view kForditas2 = "Forditas2";
inline constexpr std::string_view kEredeti = "Eredeti";
inline constexpr std::string_view kForditott = "Forditott";
}  // namespace open_purpose

// OpenWindowResult: how the open window was left.
namespace open_window_result {
inline constexpr std::string_view kKi = "ki";
inline constexpr std::string_view kMegnyit = "megnyit";
inline constexpr std::string_view kVissza = "vissza";
}  // namespace open_window_result

// DialogReply: the mode word stored before a question and the answer left after it
// (shell::DialogAnswer).
namespace dialog_reply {
inline constexpr std::string_view kSemmit = "semmit";
inline constexpr std::string_view kFelulir = "felulir";
inline constexpr std::string_view kFelbontas = "felbontas";
inline constexpr std::string_view kTorol = "torol";
inline constexpr std::string_view kHozzarendeles = "hozzarendeles";
inline constexpr std::string_view kMentes2 = "mentes2";
inline constexpr std::string_view kIgen = "igen";
inline constexpr std::string_view kNem = "nem";
inline constexpr std::string_view kMentes3 = "mentes3";
inline constexpr std::string_view kNemlepki = "nemlepki";
}  // namespace dialog_reply

// FileDialogCaller: whose name the file-name window asks for.
namespace file_dialog_caller {
inline constexpr std::string_view kFelirat = "Felirat";
inline constexpr std::string_view kForditas = "Forditas";
inline constexpr std::string_view kDupla = "dupla";
inline constexpr std::string_view kMentesMaskent = "MentesMaskent";
}  // namespace file_dialog_caller

// TextSlot: which text of the rows a file is read into or written from.
namespace text_slot {
inline constexpr std::string_view kMain = "1";
inline constexpr std::string_view kSecond = "2";
}  // namespace text_slot

// AviPurpose: what a chosen film file is for.
namespace avi_purpose {
inline constexpr std::string_view kFps = "FPS";
inline constexpr std::string_view kMegnyitas = "megnyitas";
}  // namespace avi_purpose

}  // namespace shell
