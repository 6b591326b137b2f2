#pragma once

#include <string>

namespace tandrel {

struct DiscArgument {
  // What the player is to open: the drive's device, the folder or image, or the argument as it
  // came.
  std::string text;
  // A DVD folder or disc image, to be offered as one more drive.
  bool folderOrImage = false;
};

// The disc the desktop names when it starts the player: a mount point, a file:// URI or a device
// path. A mounted optical disc becomes the device of its drive (/dev/sr0), found through
// `mountinfo`; a DVD folder or disc image elsewhere becomes its absolute path; a device path and
// anything else stay as they are.
DiscArgument ResolveDiscArgument(const std::string& argument,
                                 const std::string& mountinfo = "/proc/self/mountinfo");

}  // namespace tandrel
