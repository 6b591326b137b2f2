#pragma once

#include <cstdint>
#include <string>

#include "backends/linux/run_command.h"
#include "platform/environment.h"

namespace tandrel {

// Makes the bitmap the wallpaper of the running desktop with the layout `style` (0 centred,
// 1 tiled, 2 stretched), through the desktop's own setting: gsettings on GNOME and its kin
// (Unity, Budgie, Pantheon), on Cinnamon and on MATE; Plasma's scripting interface over D-Bus on
// KDE; xfconf on Xfce. The desktops named in XDG_CURRENT_DESKTOP (else DESKTOP_SESSION) are tried
// in their order until one answers. The bitmap stays where it is: the desktop reads it from there.
// False when no desktop took it.
bool ApplyDesktopWallpaper(const Environment& environment, CommandRunner& runner,
                           const std::string& bitmapPath, int16_t style);

// The file URI of an absolute path, every byte but the unreserved ones and '/' percent-encoded.
std::string FileUri(const std::string& path);

}  // namespace tandrel
