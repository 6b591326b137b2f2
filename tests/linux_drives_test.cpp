#include <gtest/gtest.h>

#include "backends/linux/linux_drives.h"
#include "backends/linux/volume_label.h"
#include "fakes/temp_dir.h"

namespace tandrel {
namespace {

using fakes::TempDir;
using fakes::WriteFile;

// An image whose ISO 9660 primary volume descriptor holds `label`, padded with blanks.
std::string IsoImage(const std::string& label) {
  std::string image(2048 * 18, '\0');
  std::string pvd(2048, '\0');
  pvd[0] = 1;
  pvd.replace(1, 5, "CD001");
  pvd.replace(40, 32, (label + std::string(32, ' ')).substr(0, 32));
  image.replace(2048 * 16, 2048, pvd);
  std::string terminator(2048, '\0');
  terminator[0] = static_cast<char>(255);
  terminator.replace(1, 5, "CD001");
  image.replace(2048 * 17, 2048, terminator);
  return image;
}

// A UDF-only image whose logical volume descriptor holds `label` in 8-bit characters.
std::string UdfImage(const std::string& label) {
  std::string image(2048 * 260, '\0');
  std::string anchor(2048, '\0');
  anchor[0] = 2;  // anchor volume descriptor pointer
  anchor[16] = static_cast<char>(2048 * 2 & 0xFF);
  anchor[17] = static_cast<char>((2048 * 2) >> 8);
  anchor[20] = 32;  // the main sequence starts at sector 32
  image.replace(2048 * 256, 2048, anchor);
  std::string lvd(2048, '\0');
  lvd[0] = 6;
  lvd[84] = 8;
  lvd.replace(85, label.size(), label);
  lvd[84 + 127] = static_cast<char>(label.size() + 1);
  image.replace(2048 * 32, 2048, lvd);
  return image;
}

TEST(VolumeLabel, ReadsIsoAndUdfLabels) {
  TempDir dir;
  WriteFile(dir / "iso", IsoImage("MOVIE"));
  WriteFile(dir / "blanks", IsoImage(""));
  WriteFile(dir / "udf", UdfImage("MY MOVIE"));
  WriteFile(dir / "junk", std::string(100000, 'x'));
  WriteFile(dir / "empty", "");
  EXPECT_EQ(ReadVolumeLabel(dir / "iso"), "MOVIE");
  EXPECT_EQ(ReadVolumeLabel(dir / "blanks"), "");
  EXPECT_EQ(ReadVolumeLabel(dir / "udf"), "MY MOVIE");
  EXPECT_EQ(ReadVolumeLabel(dir / "junk"), std::nullopt);
  EXPECT_EQ(ReadVolumeLabel(dir / "empty"), std::nullopt);
  EXPECT_EQ(ReadVolumeLabel(dir / "missing"), std::nullopt);
}

TEST(LinuxDriveQuery, ListsTheOpticalDrivesOfSysfsThenTheDiscPaths) {
  TempDir sysfs;
  WriteFile(sysfs / "class/block/sda/device/type", "0\n");
  WriteFile(sysfs / "class/block/sr1/device/type", "5\n");
  WriteFile(sysfs / "class/block/sr0/device/type", "5\n");
  WriteFile(sysfs / "class/block/loop0/dev", "7:0\n");
  TempDir discs;
  WriteFile(discs / "Film/VIDEO_TS/VIDEO_TS.IFO", "x");
  LinuxDriveQuery query({discs / "Film"}, sysfs.path(), "/nodev");
  EXPECT_EQ(query.LogicalDrives(),
            (std::vector<std::string>{"/nodev/sr0", "/nodev/sr1", discs / "Film"}));
  EXPECT_EQ(query.GetDriveType("/nodev/sr0"), DriveQuery::kDriveCdRom);
  EXPECT_EQ(query.GetDriveType("/nodev/sda"), 3);
  EXPECT_EQ(query.GetDriveType("/elsewhere"), 1);
  EXPECT_EQ(query.VolumeLabel("/nodev/sr0"), std::nullopt);  // no device, no medium
  EXPECT_EQ(query.VolumeLabel(discs / "Film"), "Film");
  EXPECT_EQ(query.CommandLineRoot("/nodev/sr0"), "/nodev/sr0");
}

TEST(LinuxTray, IsSilentWhenTheDriveCannotMove) {
  LinuxTray tray;
  tray.SetDoor("", true);
  tray.SetDoor("/nonexistent/sr9", false);
  TempDir dir;
  WriteFile(dir / "file", "x");
  tray.SetDoor(dir / "file", true);
}

}  // namespace
}  // namespace tandrel
