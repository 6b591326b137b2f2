#pragma once

#include <cstdint>
#include <string>

namespace tandrel {

// The user's desktop: where its folder is, where wallpaper pictures go, and the wallpaper itself.
class DesktopSettings {
 public:
  virtual ~DesktopSettings() = default;
  // The user's desktop folder, or the empty string when it cannot be read.
  virtual std::string GetDesktopFolder() = 0;
  // The folder that receives wallpaper snapshots and the wallpaper bitmap, or the empty string
  // when it cannot be read.
  virtual std::string GetWallpaperFolder() = 0;
  // Makes the bitmap file the desktop wallpaper with the layout `style`: 0 Center, 1 Tile,
  // 2 Stretch. Failures are not reported.
  virtual void SetWallpaper(const std::string& bitmapPath, int16_t style) = 0;
};

}  // namespace tandrel
