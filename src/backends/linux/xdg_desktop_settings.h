#pragma once

#include "backends/linux/run_command.h"
#include "platform/desktop_settings.h"
#include "platform/environment.h"

namespace tandrel {

// The desktop's folders as the XDG base-directory and user-dirs conventions give them, and the
// running desktop's own wallpaper setting.
class XdgDesktopSettings : public DesktopSettings {
 public:
  // `runner` starts the desktop's setting tools; without one they are started as processes.
  explicit XdgDesktopSettings(const Environment& environment, CommandRunner* runner = nullptr);

  // XDG_DESKTOP_DIR of $XDG_CONFIG_HOME/user-dirs.dirs, else $HOME/Desktop; $HOME when that
  // folder does not exist.
  std::string GetDesktopFolder() override;
  // $XDG_DATA_HOME/backgrounds (~/.local/share/backgrounds), made when missing.
  std::string GetWallpaperFolder() override;
  // Through the desktop's own setting (see ApplyDesktopWallpaper); the bitmap stays where it is.
  void SetWallpaper(const std::string& bitmapPath, int16_t style) override;

 private:
  // The desktop folder the user's settings name, whether or not it exists.
  std::string DesktopFolderSetting();

  std::string Home() const;

  const Environment& environment_;
  CommandRunner* runner_;
};

}  // namespace tandrel
