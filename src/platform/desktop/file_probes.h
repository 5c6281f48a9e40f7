// Small questions about the file system. None of them throws; a path that cannot be examined
// counts as absent.
#pragma once

#include <filesystem>
#include <optional>

namespace desktop {

// A plain file is at the path: a regular file (also behind a symbolic link) whose name does not
// begin with '.'. Hidden files and folders do not count.
bool PlainFileExists(const std::filesystem::path& path);

// A folder is at the path (also behind a symbolic link).
bool IsFolder(const std::filesystem::path& path);

// `folder` itself when it exists, else its nearest existing parent; nullopt for an empty path or
// a relative one none of whose parents exists.
std::optional<std::filesystem::path> NearestExistingFolder(const std::filesystem::path& folder);

// Where a file window starts: `wanted` or its nearest existing parent, else `home`, else "/".
std::filesystem::path StartFolder(const std::filesystem::path& wanted,
                                  const std::filesystem::path& home);

// The user's home folder: $HOME when it is an absolute path, else the password database's entry;
// empty when neither is known.
std::filesystem::path HomeFolder();

}  // namespace desktop
