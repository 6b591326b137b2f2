#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tandrel {

// The machine's drives as the drive menu needs them. A drive is named by its root: "D:" on
// Windows, the device ("/dev/sr0") on Linux.
class DriveQuery {
 public:
  static constexpr int kDriveCdRom = 5;

  virtual ~DriveQuery() = default;
  // The roots of all logical drives, in the system's order.
  virtual std::vector<std::string> LogicalDrives() = 0;
  // The drive's type; kDriveCdRom marks an optical drive.
  virtual int GetDriveType(const std::string& root) = 0;
  // The label of the volume in the drive, or nothing when there is no readable medium.
  virtual std::optional<std::string> VolumeLabel(const std::string& root) = 0;
  // How a drive root is written on the program's command line: on Windows the root followed by
  // a backslash ("D:\"), on Linux the root as it stands.
  virtual std::string CommandLineRoot(const std::string& root) const = 0;
};

}  // namespace tandrel
