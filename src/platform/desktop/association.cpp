#include "platform/desktop/association.h"

#include <cstdlib>
#include <system_error>

#include "platform/desktop/atomic_writer.h"
#include "platform/desktop/file_probes.h"

namespace desktop {
namespace {

// One argument of an Exec key: quoted, with the characters that quoting leaves special escaped,
// then written as a desktop entry string (backslashes doubled) with '%' doubled as field codes
// require.
std::string ExecArgument(std::string_view argument) {
  std::string quoted = "\"";
  for (const char c : argument) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') {
      quoted += '\\';
    }
    quoted += c;
  }
  quoted += '"';
  std::string out;
  for (const char c : quoted) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '%') {
      out += "%%";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string DesktopEntryText(const std::filesystem::path& program) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Vemko\n"
         "Exec=" +
         ExecArgument(program.string()) +
         " %f\n"
         "Terminal=false\n"
         "MimeType=" +
         std::string(kSubRipMimeType) +
         ";\n"
         "Categories=AudioVideo;Video;\n";
}

AssociationResult AssociateSubRipFiles(const AssociationSetup& setup) {
  AssociationResult result;
  const std::string program = setup.program.string();
  if (!setup.program.is_absolute() || program.find_first_of("\r\n") != std::string::npos) {
    result.error = "the program's file name cannot go into a desktop entry: " + program;
    return result;
  }
  if (setup.applications_dir.empty()) {
    result.error = "no folder for the desktop entry";
    return result;
  }
  std::error_code ec;
  std::filesystem::create_directories(setup.applications_dir, ec);
  if (ec) {
    result.error = "cannot create " + setup.applications_dir.string() + ": " + ec.message();
    return result;
  }
  result.desktop_file = setup.applications_dir / kDesktopEntryName;
  if (WriteResult written = WriteFileAtomic(result.desktop_file, DesktopEntryText(setup.program));
      !written) {
    result.error = written.error;
    return result;
  }
  const RunOutcome outcome =
      setup.run ? setup.run({"xdg-mime", "default", kDesktopEntryName, kSubRipMimeType})
                : RunOutcome::kNotStarted;
  if (outcome == RunOutcome::kFailed) {
    result.error = "xdg-mime could not make the program the default for .srt files";
    return result;
  }
  result.default_set = outcome == RunOutcome::kSucceeded;
  result.ok = true;
  return result;
}

std::filesystem::path ProgramFile() {
  std::error_code ec;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : program;
}

std::filesystem::path UserApplicationsFolder() {
  if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && data[0] == '/') {
    return std::filesystem::path(data) / "applications";
  }
  const std::filesystem::path home = HomeFolder();
  return home.empty() ? home : home / ".local" / "share" / "applications";
}

}  // namespace desktop
