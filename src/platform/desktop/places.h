// Places: the Linux stand-in for the drive list of the file windows.
//
// The list holds the root folder "/", the home folder, and the mounted file systems a user
// would take for drives: real file systems under /media, /run/media and /mnt, and block devices
// mounted on a folder of their own right under "/" (such as /data). Each place has a type, so a
// window can leave out removable or optical media as the drive lists did.
#pragma once

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace desktop {

enum class PlaceType { kFixed, kRemovable, kOptical, kNetwork };

struct Place {
  std::string name;  // as shown, Windows-1250
  std::filesystem::path path;
  PlaceType type = PlaceType::kFixed;
  bool operator==(const Place&) const = default;
};

// Answers whether a device (such as "/dev/sdb1") is a removable medium.
using RemovableProbe = std::function<bool(std::string_view device)>;

// The places described by `mounts` (the text of /proc/self/mounts) and the home folder `home`
// (left out when empty or relative). Root first, then home, then the mounts in their order; a
// path appears once. The type of a place is that of the mount it lies on: optical and network
// file systems by their kind, removable ones by `is_removable` (none without it).
std::vector<Place> PlacesFromMounts(std::string_view mounts, const std::filesystem::path& home,
                                    const RemovableProbe& is_removable = {});

// Whether the kernel marks the device as removable (/sys/class/block/.../removable).
bool IsRemovableDevice(std::string_view device);

// The places of this system: /proc/self/mounts, the home folder and the kernel's removable flag.
std::vector<Place> SystemPlaces();

// `places` without those of the given types, in their order.
std::vector<Place> PlacesWithout(std::vector<Place> places, std::initializer_list<PlaceType> types);

}  // namespace desktop
