#include "platform/desktop/places.h"

#include <algorithm>
#include <array>
#include <system_error>
#include <utility>

#include "platform/desktop/file_probes.h"
#include "platform/desktop/line_reader.h"
#include "platform/text/text.h"

namespace desktop {
namespace {

struct Mount {
  std::string device;
  std::filesystem::path point;
  std::string kind;  // the file system type
};

constexpr std::array<std::string_view, 3> kMediaFolders = {"/media", "/run/media", "/mnt"};

// Folders right under "/" that belong to the system, not to the user's data.
constexpr std::array<std::string_view, 22> kSystemFolders = {
    "bin", "boot", "dev",  "efi",  "etc", "gnu",  "home", "lib", "lib32", "lib64", "libx32",
    "nix", "opt",  "proc", "root", "run", "sbin", "snap", "srv", "sys",   "tmp",   "usr"};

constexpr std::array<std::string_view, 12> kNetworkKinds = {
    "nfs", "nfs4", "cifs",      "smb3",       "smbfs",       "ncpfs",
    "afs", "ceph", "glusterfs", "fuse.sshfs", "fuse.rclone", "davfs"};

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

// A field of /proc/self/mounts: blanks, tabs, newlines and backslashes come as \ooo.
std::string Unescape(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' && field[i + 1] <= '3' &&
        field[i + 2] >= '0' && field[i + 2] <= '7' && field[i + 3] >= '0' && field[i + 3] <= '7') {
      out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                               (field[i + 3] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

std::vector<Mount> ParseMounts(std::string_view text) {
  std::vector<Mount> mounts;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));

    std::array<std::string_view, 3> fields;
    std::size_t count = 0;
    while (count < fields.size()) {
      const std::size_t start = line.find_first_not_of(" \t");
      if (start == std::string_view::npos) {
        break;
      }
      line.remove_prefix(start);
      const std::size_t stop = std::min(line.find_first_of(" \t"), line.size());
      fields[count++] = line.substr(0, stop);
      line.remove_prefix(stop);
    }
    if (count < fields.size()) {
      continue;
    }
    std::filesystem::path point(Unescape(fields[1]));
    if (!point.is_absolute()) {
      continue;
    }
    mounts.push_back({Unescape(fields[0]), point.lexically_normal(), std::string(fields[2])});
  }
  return mounts;
}

std::string DeviceName(std::string_view device) {
  const std::size_t slash = device.rfind('/');
  return std::string(slash == std::string_view::npos ? device : device.substr(slash + 1));
}

bool IsOptical(const Mount& mount) {
  if (mount.kind == "iso9660" || mount.kind == "udf") {
    return true;
  }
  if (!StartsWith(mount.device, "/dev/")) {
    return false;
  }
  const std::string name = DeviceName(mount.device);
  return (StartsWith(name, "sr") && name.size() > 2 && text::IsDigit(name[2])) ||
         StartsWith(name, "scd") || StartsWith(name, "cdrom") || StartsWith(name, "dvd");
}

bool IsNetwork(const Mount& mount) {
  return std::find(kNetworkKinds.begin(), kNetworkKinds.end(), mount.kind) != kNetworkKinds.end() ||
         StartsWith(mount.device, "//");
}

PlaceType TypeOf(const Mount& mount, const RemovableProbe& is_removable) {
  if (IsOptical(mount)) {
    return PlaceType::kOptical;
  }
  if (IsNetwork(mount)) {
    return PlaceType::kNetwork;
  }
  if (is_removable && StartsWith(mount.device, "/dev/") && is_removable(mount.device)) {
    return PlaceType::kRemovable;
  }
  return PlaceType::kFixed;
}

// `path` lies on the file system mounted at `point`.
bool LiesOn(const std::filesystem::path& path, const std::filesystem::path& point) {
  const std::filesystem::path inside = path.lexically_relative(point);
  return !inside.empty() && *inside.begin() != "..";
}

bool UnderMediaFolder(const std::filesystem::path& point) {
  return std::any_of(kMediaFolders.begin(), kMediaFolders.end(), [&point](std::string_view f) {
    return LiesOn(point, std::filesystem::path(f));
  });
}

bool OwnTopFolder(const std::filesystem::path& point) {
  if (point.parent_path() != point.root_path() || !point.has_filename()) {
    return false;
  }
  const std::string name = point.filename().string();
  return std::find(kSystemFolders.begin(), kSystemFolders.end(), name) == kSystemFolders.end();
}

bool IsListedMount(const Mount& mount) {
  const bool real = StartsWith(mount.device, "/dev/") || IsNetwork(mount) || IsOptical(mount);
  return real && (UnderMediaFolder(mount.point) || OwnTopFolder(mount.point));
}

// The type of the mount `path` lies on: the deepest mount point, the later of equal ones.
PlaceType TypeOfPath(const std::filesystem::path& path, const std::vector<Mount>& mounts,
                     const RemovableProbe& is_removable) {
  const Mount* best = nullptr;
  std::size_t best_depth = 0;
  for (const Mount& mount : mounts) {
    if (!LiesOn(path, mount.point)) {
      continue;
    }
    const auto depth =
        static_cast<std::size_t>(std::distance(mount.point.begin(), mount.point.end()));
    if (best == nullptr || depth >= best_depth) {
      best = &mount;
      best_depth = depth;
    }
  }
  return best == nullptr ? PlaceType::kFixed : TypeOf(*best, is_removable);
}

std::filesystem::path WithoutTrailingSeparator(std::filesystem::path path) {
  path = path.lexically_normal();
  if (!path.has_filename() && path.has_relative_path()) {
    path = path.parent_path();
  }
  return path;
}

void AddPlace(std::vector<Place>& places, const std::filesystem::path& path, PlaceType type) {
  for (Place& place : places) {
    if (place.path == path) {
      place.type = type;
      return;
    }
  }
  places.push_back({text::Utf8ToCp1250(path.string()), path, type});
}

}  // namespace

std::vector<Place> PlacesFromMounts(std::string_view mounts_text, const std::filesystem::path& home,
                                    const RemovableProbe& is_removable) {
  const std::vector<Mount> mounts = ParseMounts(mounts_text);
  std::vector<Place> places;
  const std::filesystem::path root("/");
  AddPlace(places, root, TypeOfPath(root, mounts, is_removable));
  if (home.is_absolute()) {
    const std::filesystem::path folder = WithoutTrailingSeparator(home);
    AddPlace(places, folder, TypeOfPath(folder, mounts, is_removable));
  }
  for (const Mount& mount : mounts) {
    if (IsListedMount(mount)) {
      AddPlace(places, WithoutTrailingSeparator(mount.point), TypeOf(mount, is_removable));
    }
  }
  return places;
}

bool IsRemovableDevice(std::string_view device) {
  if (!StartsWith(device, "/dev/")) {
    return false;
  }
  std::error_code ec;
  std::filesystem::path node = std::filesystem::canonical(std::filesystem::path(device), ec);
  if (ec) {
    node = std::filesystem::path(device);
  }
  const std::filesystem::path block = std::filesystem::path("/sys/class/block") / node.filename();
  // A partition has no flag of its own; its disk is the folder above it.
  FileBytes flag = ReadFilePrefix(block / "removable", 8);
  if (!flag.ok()) {
    const std::filesystem::path real = std::filesystem::canonical(block, ec);
    if (ec) {
      return false;
    }
    flag = ReadFilePrefix(real.parent_path() / "removable", 8);
  }
  return flag.ok() && !flag.bytes.empty() && flag.bytes[0] == '1';
}

std::vector<Place> SystemPlaces() {
  const FileBytes mounts = ReadFileBytes("/proc/self/mounts");
  return PlacesFromMounts(mounts.ok() ? std::string_view(mounts.bytes) : std::string_view(),
                          HomeFolder(), IsRemovableDevice);
}

std::vector<Place> PlacesWithout(std::vector<Place> places,
                                 std::initializer_list<PlaceType> types) {
  std::erase_if(places, [types](const Place& place) {
    return std::find(types.begin(), types.end(), place.type) != types.end();
  });
  return places;
}

}  // namespace desktop
