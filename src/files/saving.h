// Saving the editor's subtitle in its native format: the frame-based file for the time base
// "Frame", the SubRip file for "Time".
//
// The slot says which text is written: "1" the main text (Szoveg) to CurrentFilePath, "2" the
// second text (Szoveg2) to SecondFilePath, both with the main rows' times. Files are written
// whole or not at all: a failed save leaves the old file as it was and says so with
// "Írásvédett file!", naming the file that was being written.
//
// The modified state of the main subtitle is the editor's (TFelirat::IsModified): a saved main
// text is marked saved, a failed or cancelled save keeps it as it was. Saving the second text
// never touches it.
#pragma once

#include <string_view>

namespace shell {
class Program;
}

namespace files {

// Writes the frame-based file of a slot from the editor's rows. True when the file was
// written; a failure has been reported and, for the main text, the save commands are
// enabled again. The table ends on its first row.
bool WriteMicroDvdFile(shell::Program& program, std::string_view slot);

// The same for the SubRip file, with the checks of the option "Mentéskor átfedés
// ellenőrzése" and the first-character checks: their entries replace the result list's lines
// and a summary is shown when something was found.
bool WriteSubRipFile(shell::Program& program, std::string_view slot);

// How the main text is saved: the combinations the save commands use.
struct MainSave {
  // The file-name window first; else the file is CurrentFilePath.
  bool ask_name = false;
  // "A file-t elmentettem!" after success (kept back during the save on exit).
  bool show_message = true;

  // To CurrentFilePath without a confirmation ("Mentés" of a named subtitle).
  static const MainSave kQuiet;
  // To CurrentFilePath, with the confirmation.
  static const MainSave kConfirmed;
  // Under a name asked in the file-name window, with the confirmation.
  static const MainSave kAskName;
};
inline constexpr MainSave MainSave::kQuiet{.show_message = false};
inline constexpr MainSave MainSave::kConfirmed{};
inline constexpr MainSave MainSave::kAskName{.ask_name = true};

// Saves the main text in the format of the editor's time base, as `how` says. Without
// `how.ask_name` a CurrentFilePath whose extension does not fit the time base brings
// "Eltérés!" and a name is asked after all. True when the file was written; false when it
// failed or the file-name window was left without a name.
bool SaveMainSubtitle(shell::Program& program, const MainSave& how);

// Saves the second text under a name asked in the file-name window. True when written.
bool SaveSecondSubtitle(shell::Program& program);

}  // namespace files
