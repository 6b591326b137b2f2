#pragma once

#include <optional>
#include <string>

#include "platform/desktop_settings.h"
#include "platform/registry.h"

namespace tandrel {

// The desktop settings as Windows keeps them: the shell folders and the wallpaper values of the
// current user's registry, and the system's wallpaper call.
class RegistryDesktopSettings : public DesktopSettings {
 public:
  RegistryDesktopSettings(Registry& registry, SystemParameters& system);

  std::string GetDesktopFolder() override;
  // The "Local AppData" folder followed by "\Microsoft".
  std::string GetWallpaperFolder() override;
  void SetWallpaper(const std::string& bitmapPath, int16_t style) override;

 private:
  // A value of the Shell Folders key; nothing when the key or the value cannot be read.
  std::optional<std::string> ReadShellFolder(const std::string& valueName);

  Registry& registry_;
  SystemParameters& system_;
};

}  // namespace tandrel
