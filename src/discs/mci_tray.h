#pragma once

#include "platform/mci.h"
#include "platform/tray.h"

namespace tandrel {

// The tray as Windows moves it: the drive opened as a CD audio device of the media control
// interface, its door set, the device closed again.
class MciTray : public Tray {
 public:
  explicit MciTray(Mci& mci);
  void SetDoor(const std::string& drive, bool open) override;

 private:
  Mci& mci_;
};

}  // namespace tandrel
