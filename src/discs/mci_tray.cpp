#include "discs/mci_tray.h"

namespace tandrel {

MciTray::MciTray(Mci& mci) : mci_(mci) {}

void MciTray::SetDoor(const std::string& drive, bool open) {
  MciOpenParms params;
  params.deviceType = "cdaudio";
  params.elementName = drive.substr(0, 1) + ":";
  if (mci_.SendOpen(mci::kOpenType | mci::kOpenElement | mci::kOpenShareable, params) != 0) {
    return;  // nothing was opened, so there is nothing to close
  }
  // No wait and no notify flag: the call returns while the tray moves.
  mci_.SendCommand(params.deviceId, mci::kSet, open ? mci::kSetDoorOpen : mci::kSetDoorClosed,
                   nullptr);
  MciGenericParms close;
  mci_.SendCommand(params.deviceId, mci::kClose, 0, &close);
}

}  // namespace tandrel
