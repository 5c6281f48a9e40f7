// Saving the editor's subtitle in its native format: the frame-based file for the time base
// "Frame", the SubRip file for "Time".
//
// The slot says which text is written: "1" the main text (Szoveg) to CurrentFilePath, "2" the
// second text (Szoveg2) to SecondFilePath, both with the main rows' times. Files are written
// whole or not at all: a failed save leaves the old file as it was and says so with
// "Írásvédett file!", naming the file that was being written.
//
// The modified state of the main subtitle is the enabled state of the editor's `Bmentes` and
// `Mentes1`: a saved main text disables them, a failed or cancelled save keeps them as they
// were. Saving the second text never touches them.
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

// Saves the main text in the format of the editor's time base. `ask_name` "igen" shows the
// file-name window first; any other value writes to CurrentFilePath, unless its extension
// does not fit the time base, when "Eltérés!" comes and a name is asked. `show_message` adds
// "A file-t elmentettem!" after success (kept back during the save on exit). True when the
// file was written; false when it failed or the file-name window was left without a name.
bool SaveMainSubtitle(shell::Program& program, std::string_view ask_name, bool show_message);

// Saves the second text under a name asked in the file-name window. True when written.
bool SaveSecondSubtitle(shell::Program& program);

}  // namespace files
