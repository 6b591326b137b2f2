#pragma once

#include <string>

namespace tandrel {

// The disc tray of an optical drive.
class Tray {
 public:
  virtual ~Tray() = default;
  // Opens (`open` true) or closes the tray of the drive that `drive` names; only its first
  // character counts on Windows. Failures are not reported.
  virtual void SetDoor(const std::string& drive, bool open) = 0;
};

}  // namespace tandrel
