// The shared message window: ShowBox and the answers it leaves in DialogReply.
//
// ShowBox returns nothing. A question's answer comes back in the shared state word
// DialogReply: the caller stores a mode word before asking and reads the answer after
// (DialogAnswer). Every shown message is noted in the session log as
// "message: CAPTION | LINE1 | LINE2".
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "timecode/checks.h"

namespace shell {

class Program;

// Icon kinds.
inline constexpr std::string_view kIconInfo = "info";
inline constexpr std::string_view kIconQuestion = "kerdes";
inline constexpr std::string_view kIconError = "hiba";

// What a message is, for the one rule that keeps a message back: the confirmation of a
// successful save is not shown while the save on exit runs (SharedState::ExitSaveInProgress).
// Errors, notices and questions are always shown.
enum class BoxRole {
  kMessage,
  kSaveConfirmation,
};

// Shows the message window modally: caption, icon kind (kIconInfo, kIconQuestion,
// kIconError; another word keeps the icon of the previous message), two lines (the second
// may be empty) and the buttons OK, Igen and Nem; "Mégsem" comes with every Igen/Nem pair,
// and a call with none of the three shows OK. "Igen" to the exit question ("mentes2") runs
// Program::SaveMainSubtitleOnExit after the window has closed (see DialogAnswer).
void ShowBox(Program& program, std::string_view caption, std::string_view icon,
             std::string_view line1, std::string_view line2, bool show_ok, bool show_yes,
             bool show_no, BoxRole role = BoxRole::kMessage);

// The kinds of message the program shows, each a ShowBox of its own (ShowBox stays for the
// rare other kinds):
// a notice with the info icon and OK;
void Inform(Program& program, std::string_view caption, std::string_view line1,
            std::string_view line2 = {}, BoxRole role = BoxRole::kMessage);
// an error with the error icon and OK;
void ShowError(Program& program, std::string_view caption, std::string_view line1,
               std::string_view line2 = {});
// a question with the question icon and Igen, Nem and Mégsem: store the mode word in
// DialogReply before asking and read the answer from it after (DialogAnswer).
void AskYesNo(Program& program, std::string_view caption, std::string_view line1,
              std::string_view line2 = {});

// A check's or a notice's message with the OK button only.
void ShowNotice(Program& program, const timecode::Notice& notice);
// Shows the failed check's message; gives the check's verdict.
bool ShowCheck(Program& program, const timecode::Check& check);

enum class BoxButton { kIgen, kNem, kMegsem };

// DialogReply after a question asked with the mode word `mode` was answered with `button`:
//
//   mode word        Igen      Nem       Mégsem
//   "semmit"         "igen"    "nem"     "nem"
//   "felulir"        "igen"    "nem"     "nem"    (Igen also closes the file-name window)
//   "felbontas"      "igen"    "nem"     "nem"
//   "torol"          "igen"    "nem"     "nem"
//   "hozzarendeles"  "igen"    "nem"     "nem"
//   "mentes2"        "mentes3" "mentes2" "nemlepki"
//
// Any other word is left as it is. OK never changes DialogReply. After "Igen" to
// "mentes2" the save runs, and DialogReply ends as "mentes3" when it succeeded and as
// "nemlepki" (stay in the editor) when it did not.
std::string DialogAnswer(std::string_view mode, BoxButton button);

// The message window's width: the rendered width of the first line + 100 when it has more
// characters than the second, else that of the second line + 130; below 330 it is 380.
int MessageWidth(std::string_view line1, std::string_view line2, int rendered_width1,
                 int rendered_width2);

// The lines a message line shows: a text holding line breaks (CR LF, or LF alone) shows each
// of its lines; a break at the very end opens no further line. A text without breaks is one
// line, also when empty.
std::vector<std::string> ShownLines(std::string_view text);

// How a shown message is noted in the session log: "message: PART1 | PART2 | ...".
std::string MessageNote(std::span<const std::string_view> parts);

// The message window's note: "message: CAPTION | LINE1 | LINE2"; an empty second line leaves
// the last separator bare ("message: Mentés | A file-t elmentettem! |").
std::string MessageLogLine(std::string_view caption, std::string_view line1,
                           std::string_view line2);

}  // namespace shell
