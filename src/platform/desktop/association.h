// Associating SubRip (.srt) files with the program.
//
// On Linux the association is a desktop entry, vemko.desktop, in the user's applications folder,
// naming the program for the SubRip type, and the user's default for that type set with
// `xdg-mime` when that tool is installed.
#pragma once

#include <filesystem>
#include <string>

#include "platform/desktop/launch.h"

namespace desktop {

inline constexpr char kDesktopEntryName[] = "vemko.desktop";
inline constexpr char kSubRipMimeType[] = "application/x-subrip";

struct AssociationSetup {
  std::filesystem::path program;           // the program's full file name
  std::filesystem::path applications_dir;  // where the desktop entry is written
  CommandRunner run = RunAndWait;          // runs xdg-mime
};

struct AssociationResult {
  bool ok = false;
  std::string error;         // what failed, when not ok
  bool default_set = false;  // xdg-mime made the program the default (false: xdg-mime missing)
  std::filesystem::path desktop_file;
};

// The text of the desktop entry that starts `program` with one file. The program's path is
// quoted and escaped as desktop entries require.
std::string DesktopEntryText(const std::filesystem::path& program);

// Writes the desktop entry (creating the folder when missing) and sets the default. Fails when
// the program's path is not absolute or holds a line break, when the entry cannot be written,
// or when xdg-mime is installed but fails.
AssociationResult AssociateSubRipFiles(const AssociationSetup& setup);

// The running program's full file name (empty when the system does not tell it).
std::filesystem::path ProgramFile();
// $XDG_DATA_HOME/applications, else ~/.local/share/applications (empty without a home folder).
std::filesystem::path UserApplicationsFolder();

}  // namespace desktop
