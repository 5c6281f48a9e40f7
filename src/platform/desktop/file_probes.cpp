#include "platform/desktop/file_probes.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>
#include <vector>

namespace desktop {

bool PlainFileExists(const std::filesystem::path& path) {
  const std::string name = path.filename().string();
  if (name.empty() || name[0] == '.') {
    return false;
  }
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

bool IsFolder(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}

std::optional<std::filesystem::path> NearestExistingFolder(const std::filesystem::path& folder) {
  std::filesystem::path at = folder.lexically_normal();
  while (!at.empty()) {
    if (IsFolder(at)) {
      if (!at.has_filename() && at.has_relative_path()) {
        at = at.parent_path();  // "a/b/" is shown as "a/b"
      }
      return at;
    }
    std::filesystem::path parent = at.parent_path();
    if (parent == at) {
      break;
    }
    at = std::move(parent);
  }
  return std::nullopt;
}

std::filesystem::path StartFolder(const std::filesystem::path& wanted,
                                  const std::filesystem::path& home) {
  if (std::optional<std::filesystem::path> found = NearestExistingFolder(wanted)) {
    return *found;
  }
  if (IsFolder(home)) {
    return home;
  }
  return "/";
}

std::filesystem::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
    return home;
  }
  long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
      found != nullptr && found->pw_dir != nullptr && found->pw_dir[0] == '/') {
    return found->pw_dir;
  }
  return {};
}

}  // namespace desktop
