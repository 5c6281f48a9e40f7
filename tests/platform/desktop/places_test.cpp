#include "platform/desktop/places.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace desktop {
namespace {

std::string TypeName(PlaceType type) {
  switch (type) {
    case PlaceType::kFixed:
      return "fixed";
    case PlaceType::kRemovable:
      return "removable";
    case PlaceType::kOptical:
      return "optical";
    case PlaceType::kNetwork:
      return "network";
  }
  return "?";
}

// "path type" per place, for readable comparisons.
std::vector<std::string> Describe(const std::vector<Place>& places) {
  std::vector<std::string> out;
  for (const Place& place : places) {
    out.push_back(place.path.string() + " " + TypeName(place.type));
  }
  return out;
}

bool StickIsRemovable(std::string_view device) {
  return device == "/dev/sdb1";
}

constexpr std::string_view kDesktopMounts =
    "/dev/nvme0n1p2 / ext4 rw,relatime 0 0\n"
    "proc /proc proc rw,nosuid 0 0\n"
    "sysfs /sys sysfs rw 0 0\n"
    "tmpfs /run tmpfs rw,nosuid 0 0\n"
    "/dev/nvme0n1p1 /boot/efi vfat rw 0 0\n"
    "/dev/nvme0n1p3 /home ext4 rw 0 0\n"
    "/dev/loop3 /snap/core/123 squashfs ro 0 0\n"
    "systemd-1 /mnt/auto autofs rw 0 0\n"
    "/dev/sdb1 /media/ana/USB\\040STICK vfat rw 0 0\n"
    "/dev/sr0 /media/ana/DVD_FILM iso9660 ro 0 0\n"
    "//server/share /mnt/share cifs rw 0 0\n"
    "server:/export /mnt/nfs nfs4 rw 0 0\n"
    "/dev/sda1 /data ext4 rw 0 0\n"
    "/dev/sdc1 /run/media/ana/Backup ext4 rw 0 0\n"
    "tmpfs /media/ramdisk tmpfs rw 0 0\n";

TEST(PlacesFromMounts, ListsRootHomeAndTheDriveLikeMounts) {
  EXPECT_EQ(Describe(PlacesFromMounts(kDesktopMounts, "/home/ana", StickIsRemovable)),
            (std::vector<std::string>{
                "/ fixed",
                "/home/ana fixed",
                "/media/ana/USB STICK removable",
                "/media/ana/DVD_FILM optical",
                "/mnt/share network",
                "/mnt/nfs network",
                "/data fixed",
                "/run/media/ana/Backup fixed",
            }));
}

TEST(PlacesFromMounts, WithoutAProbeNothingIsRemovable) {
  const std::vector<Place> places = PlacesFromMounts(kDesktopMounts, "/home/ana");
  EXPECT_EQ(Describe(places)[2], "/media/ana/USB STICK fixed");
}

TEST(PlacesFromMounts, TheHomeFolderTakesTheTypeOfItsMount) {
  struct Case {
    const char* name;
    std::filesystem::path home;
    std::vector<std::string> first;  // root and home
  };
  const std::vector<Case> cases = {
      {"home on a network share", "/mnt/nfs/ana", {"/ fixed", "/mnt/nfs/ana network"}},
      {"home on the stick",
       "/media/ana/USB STICK/h",
       {"/ fixed", "/media/ana/USB STICK/h removable"}},
      {"trailing separator", "/home/ana/", {"/ fixed", "/home/ana fixed"}},
      {"home is the root", "/", {"/ fixed", "/media/ana/USB STICK removable"}},
      {"no home", "", {"/ fixed", "/media/ana/USB STICK removable"}},
      {"relative home", "ana", {"/ fixed", "/media/ana/USB STICK removable"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> described =
        Describe(PlacesFromMounts(kDesktopMounts, c.home, StickIsRemovable));
    described.resize(2);
    EXPECT_EQ(described, c.first);
  }
}

TEST(PlacesFromMounts, OddMountTablesGiveRootAndHome) {
  struct Case {
    const char* name;
    std::string_view mounts;
    std::vector<std::string> places;
  };
  const std::vector<Case> cases = {
      {"empty", "", {"/ fixed", "/home/ana fixed"}},
      {"root over the network", "server:/root / nfs rw 0 0", {"/ network", "/home/ana network"}},
      {"short and relative lines",
       "/dev/sda1\n/dev/sda1 /mnt\n/dev/sda2 mnt/x ext4\n\n   \n",
       {"/ fixed", "/home/ana fixed"}},
      {"no line end, tabs",
       "/dev/sdb1\t/mnt/usb\tvfat",
       {"/ fixed", "/home/ana fixed", "/mnt/usb removable"}},
      {"mounted twice on one folder: the later counts",
       "/dev/sdb1 /mnt/x vfat rw 0 0\n/dev/sr0 /mnt/x udf ro 0 0\n",
       {"/ fixed", "/home/ana fixed", "/mnt/x optical"}},
      {"the media folder itself",
       "/dev/sdd1 /mnt ext4 rw 0 0",
       {"/ fixed", "/home/ana fixed", "/mnt fixed"}},
      {"a folder named like a media folder",
       "/dev/sdd1 /mntx/y ext4 rw 0 0",
       {"/ fixed", "/home/ana fixed"}},
      {"escapes",
       "/dev/sdd1 /mnt/a\\134b\\011c ext4 rw 0 0\n/dev/sdd2 /mnt/end\\ ext4 rw 0 0",
       {"/ fixed", "/home/ana fixed", "/mnt/a\\b\tc fixed", "/mnt/end\\ fixed"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Describe(PlacesFromMounts(c.mounts, "/home/ana", StickIsRemovable)), c.places);
  }
}

TEST(PlacesFromMounts, NamesAreWindows1250Texts) {
  // The mount table holds the file system's UTF-8 bytes: "/media/ana/Bővítés".
  const std::vector<Place> places =
      PlacesFromMounts("/dev/sde1 /media/ana/B\xC5\x91v\xC3\xADt\xC3\xA9s ext4 rw 0 0", "");
  ASSERT_EQ(places.size(), 2u);
  EXPECT_EQ(places[0].name, "/");
  EXPECT_EQ(places[1].name, "/media/ana/Bővítés");
  EXPECT_EQ(places[1].path, std::filesystem::path("/media/ana/B\xC5\x91v\xC3\xADt\xC3\xA9s"));
}

TEST(PlacesWithout, LeavesOutTheGivenTypesInOrder) {
  const std::vector<Place> all = PlacesFromMounts(kDesktopMounts, "/home/ana", StickIsRemovable);
  EXPECT_EQ(
      Describe(PlacesWithout(all, {PlaceType::kRemovable, PlaceType::kOptical})),
      (std::vector<std::string>{"/ fixed", "/home/ana fixed", "/mnt/share network",
                                "/mnt/nfs network", "/data fixed", "/run/media/ana/Backup fixed"}));
  EXPECT_EQ(PlacesWithout(all, {}), all);
}

TEST(SystemPlaces, StartWithTheRootAndNameEveryPathOnce) {
  const std::vector<Place> places = SystemPlaces();
  ASSERT_FALSE(places.empty());
  EXPECT_EQ(places[0].path, std::filesystem::path("/"));
  std::set<std::filesystem::path> seen;
  for (const Place& place : places) {
    EXPECT_TRUE(seen.insert(place.path).second) << place.path;
    EXPECT_TRUE(place.path.is_absolute());
  }
}

TEST(IsRemovableDevice, OnlyBlockDevicesCanBeRemovable) {
  EXPECT_FALSE(IsRemovableDevice("proc"));
  EXPECT_FALSE(IsRemovableDevice("//server/share"));
  EXPECT_FALSE(IsRemovableDevice("/dev/no-such-device-here"));
}

}  // namespace
}  // namespace desktop
