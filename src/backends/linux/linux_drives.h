#pragma once

#include <string>
#include <vector>

#include "platform/drive_query.h"
#include "platform/tray.h"

namespace tandrel {

// The machine's optical drives as sysfs lists them, each named by its device (/dev/sr0), plus
// any DVD folders or disc images the program was given, each named by its path.
class LinuxDriveQuery : public DriveQuery {
 public:
  // `sysfs` and `dev` are the roots of the two trees ("/sys", "/dev"); tests give others.
  explicit LinuxDriveQuery(std::vector<std::string> discPaths = {}, std::string sysfs = "/sys",
                           std::string dev = "/dev");

  std::vector<std::string> LogicalDrives() override;
  int GetDriveType(const std::string& root) override;
  // A drive without a readable disc, or one this user may not read, has none.
  std::optional<std::string> VolumeLabel(const std::string& root) override;
  std::string CommandLineRoot(const std::string& root) const override { return root; }

  void AddDiscPath(const std::string& path) { discPaths_.push_back(path); }

 private:
  bool IsDiscPath(const std::string& root) const;

  std::vector<std::string> discPaths_;
  std::string sysfs_;
  std::string dev_;
};

// A DVD folder (one that holds VIDEO_TS, or VIDEO_TS itself) or a disc image file.
bool IsDvdFolderOrImage(const std::string& path);

// Opens and closes the tray with the CD-ROM ioctls; silent when the drive cannot.
class LinuxTray : public Tray {
 public:
  void SetDoor(const std::string& drive, bool open) override;
};

}  // namespace tandrel
