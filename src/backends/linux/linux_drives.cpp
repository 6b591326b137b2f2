#include "backends/linux/linux_drives.h"

#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>

#include "backends/linux/volume_label.h"

namespace tandrel {
namespace fs = std::filesystem;

LinuxDriveQuery::LinuxDriveQuery(std::vector<std::string> discPaths, std::string sysfs,
                                 std::string dev)
    : discPaths_(std::move(discPaths)), sysfs_(std::move(sysfs)), dev_(std::move(dev)) {}

bool IsDvdFolderOrImage(const std::string& path) {
  std::error_code ec;
  if (fs::is_regular_file(path, ec)) {
    return true;
  }
  if (!fs::is_directory(path, ec)) {
    return false;
  }
  return fs::path(path).filename() == "VIDEO_TS" ||
         fs::is_directory(fs::path(path) / "VIDEO_TS", ec);
}

std::vector<std::string> LinuxDriveQuery::LogicalDrives() {
  std::vector<std::string> drives;
  std::error_code ec;
  // Block devices of SCSI peripheral type 5 (CD/DVD) are the optical drives.
  for (fs::directory_iterator it(sysfs_ + "/class/block", ec), end; !ec && it != end;
       it.increment(ec)) {
    std::ifstream type(it->path() / "device" / "type");
    int peripheral = -1;
    if (type >> peripheral && peripheral == kDriveCdRom) {
      drives.push_back(dev_ + "/" + it->path().filename().string());
    }
  }
  std::sort(drives.begin(), drives.end());
  for (const std::string& path : discPaths_) {
    if (std::find(drives.begin(), drives.end(), path) == drives.end()) {
      drives.push_back(path);
    }
  }
  return drives;
}

bool LinuxDriveQuery::IsDiscPath(const std::string& root) const {
  return std::find(discPaths_.begin(), discPaths_.end(), root) != discPaths_.end();
}

int LinuxDriveQuery::GetDriveType(const std::string& root) {
  if (IsDiscPath(root)) {
    return kDriveCdRom;
  }
  const std::string prefix = dev_ + "/";
  if (root.rfind(prefix, 0) == 0) {
    std::ifstream type(sysfs_ + "/class/block/" + root.substr(prefix.size()) + "/device/type");
    int peripheral = -1;
    if (type >> peripheral) {
      return peripheral == kDriveCdRom ? kDriveCdRom : 3;
    }
  }
  return 1;  // no such drive
}

std::optional<std::string> LinuxDriveQuery::VolumeLabel(const std::string& root) {
  std::error_code ec;
  if (IsDiscPath(root) && fs::is_directory(root, ec)) {
    // A DVD folder goes by its own name, or its parent's when it is the VIDEO_TS folder itself.
    fs::path folder = fs::path(root).lexically_normal();
    if (!folder.has_filename()) {
      folder = folder.parent_path();
    }
    if (folder.filename() == "VIDEO_TS") {
      folder = folder.parent_path();
    }
    return folder.filename().string();
  }
  if (!IsDiscPath(root)) {
    // Ask the drive first, so that an empty tray is not read.
    const int fd = open(root.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
      return std::nullopt;
    }
    const int status = ioctl(fd, CDROM_DRIVE_STATUS, CDSL_CURRENT);
    close(fd);
    if (status >= 0 && status != CDS_DISC_OK) {
      return std::nullopt;
    }
  }
  return ReadVolumeLabel(root);
}

void LinuxTray::SetDoor(const std::string& drive, bool open) {
  const int fd = ::open(drive.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    return;
  }
  ioctl(fd, open ? CDROMEJECT : CDROMCLOSETRAY, 0);
  close(fd);
}

}  // namespace tandrel
