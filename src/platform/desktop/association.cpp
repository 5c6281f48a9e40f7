#include "platform/desktop/association.h"

#include <cstdlib>
#include <system_error>
#include <utility>

#include "platform/desktop/atomic_writer.h"
#include "platform/desktop/file_probes.h"
#include "platform/desktop/line_reader.h"

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

namespace {

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) {
    return {};
  }
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

AssociationResult Failed(AssociationResult result, AssociationFailure failure, std::string error) {
  result.ok = false;
  result.failure = failure;
  result.error = std::move(error);
  return result;
}

// The default for the SubRip type as the desktop sees it now.
std::string DefaultEntryNow(const AssociationSetup& setup) {
  if (setup.read) {
    const CommandOutput asked = setup.read({"xdg-mime", "query", "default", kSubRipMimeType});
    if (asked.outcome == RunOutcome::kSucceeded) {
      const std::string_view output = asked.output;
      const std::string_view first_line = output.substr(0, output.find('\n'));
      return std::string(Trimmed(first_line));
    }
  }
  if (setup.mimeapps_list.empty()) {
    return "";
  }
  const FileBytes list = ReadFileBytes(setup.mimeapps_list);
  return list.ok() ? DefaultInMimeAppsList(list.bytes, kSubRipMimeType) : std::string();
}

}  // namespace

std::string DefaultInMimeAppsList(std::string_view text, std::string_view mime_type) {
  bool in_defaults = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.starts_with('[')) {
      in_defaults = line == "[Default Applications]";
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!in_defaults || equals == std::string_view::npos ||
        Trimmed(line.substr(0, equals)) != mime_type) {
      continue;
    }
    std::string_view entries = line.substr(equals + 1);
    while (!entries.empty()) {
      const std::size_t semicolon = entries.find(';');
      const std::string_view entry = Trimmed(entries.substr(0, semicolon));
      if (!entry.empty()) {
        return std::string(entry);
      }
      entries =
          semicolon == std::string_view::npos ? std::string_view() : entries.substr(semicolon + 1);
    }
    return "";
  }
  return "";
}

AssociationResult AssociateSubRipFiles(const AssociationSetup& setup) {
  AssociationResult result;
  const std::string program = setup.program.string();
  if (!setup.program.is_absolute() || program.find_first_of("\r\n") != std::string::npos) {
    return Failed(std::move(result), AssociationFailure::kBadProgramPath,
                  "the program's file name cannot go into a desktop entry: " + program);
  }
  if (setup.applications_dir.empty()) {
    return Failed(std::move(result), AssociationFailure::kNoApplicationsFolder,
                  "no folder for the desktop entry");
  }
  result.desktop_file = setup.applications_dir / kDesktopEntryName;
  std::error_code ec;
  std::filesystem::create_directories(setup.applications_dir, ec);
  if (ec) {
    return Failed(std::move(result), AssociationFailure::kEntryNotWritten,
                  "cannot create " + setup.applications_dir.string() + ": " + ec.message());
  }
  if (WriteResult written = WriteFileAtomic(result.desktop_file, DesktopEntryText(setup.program));
      !written) {
    return Failed(std::move(result), AssociationFailure::kEntryNotWritten, written.error);
  }
  const RunOutcome outcome =
      setup.run ? setup.run({"xdg-mime", "default", kDesktopEntryName, kSubRipMimeType})
                : RunOutcome::kNotStarted;
  if (outcome == RunOutcome::kNotStarted) {
    return Failed(std::move(result), AssociationFailure::kNoXdgMime, "xdg-mime is not installed");
  }
  if (outcome == RunOutcome::kFailed) {
    return Failed(std::move(result), AssociationFailure::kDefaultNotSet,
                  "xdg-mime could not make the program the default for .srt files");
  }
  result.default_entry = DefaultEntryNow(setup);
  if (result.default_entry != kDesktopEntryName) {
    return Failed(
        std::move(result), AssociationFailure::kNotTheDefault,
        "the default for .srt files is " +
            (result.default_entry.empty() ? std::string("not set") : result.default_entry));
  }
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

std::filesystem::path UserMimeAppsList() {
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && config[0] == '/') {
    return std::filesystem::path(config) / "mimeapps.list";
  }
  const std::filesystem::path home = HomeFolder();
  return home.empty() ? home : home / ".config" / "mimeapps.list";
}

}  // namespace desktop
