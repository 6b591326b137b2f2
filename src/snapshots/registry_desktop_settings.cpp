#include "snapshots/registry_desktop_settings.h"

namespace tandrel {
namespace {

constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kDesktopKey = "Control Panel\\Desktop";
constexpr uint32_t kFolderBufferSize = 255;
constexpr uint32_t kSetDeskWallpaper = 20;
// Write the change to the user's profile and tell every window about it.
constexpr uint32_t kUpdateAndBroadcast = 3;

void SetString(Registry& registry, RegKey key, const std::string& name, const std::string& text) {
  // The data is the text with its terminating NUL, which the size counts.
  registry.RegSetValueEx(key, name, reg::kSz, text.c_str(), static_cast<uint32_t>(text.size() + 1));
}

}  // namespace

RegistryDesktopSettings::RegistryDesktopSettings(Registry& registry, SystemParameters& system)
    : registry_(registry), system_(system) {}

std::optional<std::string> RegistryDesktopSettings::ReadShellFolder(const std::string& valueName) {
  RegKey key = 0;
  if (registry_.RegOpenKeyEx(reg::kCurrentUser, kShellFolders, 0, reg::kRead, &key) !=
      reg::kSuccess) {
    return std::nullopt;
  }
  char buffer[kFolderBufferSize];
  uint32_t size = kFolderBufferSize;
  std::optional<std::string> folder;
  if (registry_.RegQueryValueEx(key, valueName, nullptr, buffer, &size) == reg::kSuccess) {
    // The size counts the terminating NUL.
    folder = std::string(buffer, size > 0 ? size - 1 : 0);
  }
  registry_.RegCloseKey(key);
  return folder;
}

std::string RegistryDesktopSettings::GetDesktopFolder() {
  return ReadShellFolder("Desktop").value_or("");
}

std::string RegistryDesktopSettings::GetWallpaperFolder() {
  const std::optional<std::string> folder = ReadShellFolder("Local AppData");
  return folder ? *folder + "\\Microsoft" : std::string();
}

void RegistryDesktopSettings::SetWallpaper(const std::string& bitmapPath, int16_t style) {
  RegKey key = 0;
  if (registry_.RegOpenKey(reg::kCurrentUser, kDesktopKey, &key) != reg::kSuccess) {
    return;
  }
  SetString(registry_, key, "WallpaperStyle", std::string(1, static_cast<char>('0' + style)));
  SetString(registry_, key, "Wallpaper", bitmapPath);
  SetString(registry_, key, "TileWallpaper", style == 1 ? "1" : "0");
  registry_.RegCloseKey(key);
  system_.SystemParametersInfo(kSetDeskWallpaper, 0, bitmapPath, kUpdateAndBroadcast);
}

}  // namespace tandrel
