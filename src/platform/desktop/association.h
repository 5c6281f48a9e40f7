// Associating SubRip (.srt) files with the program.
//
// On Linux the association is a desktop entry, vemko.desktop, in the user's applications folder,
// naming the program for the SubRip type, and the user's default for that type set with
// `xdg-mime` (package xdg-utils). It has worked only when the default for the type names our
// entry afterwards: `xdg-mime query default` is asked, or, when that cannot run, the user's
// mimeapps.list is read.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/desktop/launch.h"

namespace desktop {

inline constexpr char kDesktopEntryName[] = "vemko.desktop";
inline constexpr char kSubRipMimeType[] = "application/x-subrip";

struct AssociationSetup {
  std::filesystem::path program;           // the program's full file name
  std::filesystem::path applications_dir;  // where the desktop entry is written
  CommandRunner run = RunAndWait;          // runs xdg-mime to set the default
  OutputRunner read = RunAndRead;          // runs xdg-mime to ask the default
  std::filesystem::path mimeapps_list;     // read when xdg-mime cannot be asked
};

// What stopped the association.
enum class AssociationFailure {
  kNone,
  kBadProgramPath,        // the program's path is not absolute or holds a line break
  kNoApplicationsFolder,  // no folder for the desktop entry is known
  kEntryNotWritten,       // the folder or the entry cannot be written
  kNoXdgMime,             // xdg-mime is not installed
  kDefaultNotSet,         // xdg-mime failed
  kNotTheDefault,         // afterwards the default names another program, or none
};

struct AssociationResult {
  bool ok = false;
  AssociationFailure failure = AssociationFailure::kNone;
  std::string error;  // what failed, with the system's reason, when not ok
  std::filesystem::path desktop_file;
  std::string default_entry;  // the default found afterwards ("" when none)
};

// The text of the desktop entry that starts `program` with one file. The program's path is
// quoted and escaped as desktop entries require.
std::string DesktopEntryText(const std::filesystem::path& program);

// Writes the desktop entry (creating the folder when missing), sets the default and checks that
// it took.
AssociationResult AssociateSubRipFiles(const AssociationSetup& setup);

// The default desktop entry a mimeapps.list text gives for `mime_type` (the first entry of its
// key in the group [Default Applications]); "" when it gives none.
std::string DefaultInMimeAppsList(std::string_view text, std::string_view mime_type);

// The running program's full file name (empty when the system does not tell it).
std::filesystem::path ProgramFile();
// $XDG_DATA_HOME/applications, else ~/.local/share/applications (empty without a home folder).
std::filesystem::path UserApplicationsFolder();
// $XDG_CONFIG_HOME/mimeapps.list, else ~/.config/mimeapps.list (empty without a home folder).
std::filesystem::path UserMimeAppsList();

}  // namespace desktop
