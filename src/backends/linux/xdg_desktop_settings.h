#pragma once

#include "platform/desktop_settings.h"
#include "platform/environment.h"

namespace tandrel {

// The desktop's folders as the XDG base-directory and user-dirs conventions give them. Applying
// the wallpaper to the running desktop is left to the desktop integration, which replaces
// SetWallpaper; this one leaves the bitmap in the wallpaper folder and changes no setting.
class XdgDesktopSettings : public DesktopSettings {
 public:
  explicit XdgDesktopSettings(const Environment& environment);

  // XDG_DESKTOP_DIR of $XDG_CONFIG_HOME/user-dirs.dirs, else $HOME/Desktop.
  std::string GetDesktopFolder() override;
  // $XDG_DATA_HOME/backgrounds (~/.local/share/backgrounds), made when missing.
  std::string GetWallpaperFolder() override;
  void SetWallpaper(const std::string& bitmapPath, int16_t style) override;

 private:
  std::string Home() const;

  const Environment& environment_;
};

}  // namespace tandrel
