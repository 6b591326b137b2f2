#include "backends/linux/xdg_desktop_settings.h"

#include <filesystem>
#include <fstream>

#include "backends/linux/desktop_wallpaper.h"

namespace tandrel {
namespace {

std::string NonEmpty(const std::optional<std::string>& value) {
  return value && !value->empty() ? *value : std::string();
}

}  // namespace

XdgDesktopSettings::XdgDesktopSettings(const Environment& environment, CommandRunner* runner)
    : environment_(environment), runner_(runner) {}

std::string XdgDesktopSettings::Home() const {
  return NonEmpty(environment_.Variable("HOME"));
}

std::string XdgDesktopSettings::GetDesktopFolder() {
  // A desktop folder that is not there (a machine without a desktop session) would make every
  // snapshot fail; the home folder stands in for it, as the desktop conventions allow.
  const std::string folder = DesktopFolderSetting();
  std::error_code ec;
  if (!folder.empty() && !std::filesystem::is_directory(folder, ec)) {
    return Home();
  }
  return folder;
}

std::string XdgDesktopSettings::DesktopFolderSetting() {
  const std::string home = Home();
  std::string config = NonEmpty(environment_.Variable("XDG_CONFIG_HOME"));
  if (config.empty() && !home.empty()) {
    config = home + "/.config";
  }
  if (!config.empty()) {
    // Lines such as XDG_DESKTOP_DIR="$HOME/Schreibtisch"; only $HOME is expanded there.
    std::ifstream dirs(config + "/user-dirs.dirs");
    std::string line;
    while (std::getline(dirs, line)) {
      const std::string prefix = "XDG_DESKTOP_DIR=\"";
      if (line.rfind(prefix, 0) != 0) {
        continue;
      }
      const size_t close = line.find('"', prefix.size());
      if (close == std::string::npos) {
        break;
      }
      std::string folder = line.substr(prefix.size(), close - prefix.size());
      if (folder.rfind("$HOME", 0) == 0) {
        if (home.empty()) {
          break;
        }
        folder = home + folder.substr(5);
      }
      if (!folder.empty() && folder.front() == '/') {
        while (folder.size() > 1 && folder.back() == '/') {
          folder.pop_back();
        }
        return folder;
      }
      break;
    }
  }
  return home.empty() ? std::string() : home + "/Desktop";
}

std::string XdgDesktopSettings::GetWallpaperFolder() {
  std::string data = NonEmpty(environment_.Variable("XDG_DATA_HOME"));
  if (data.empty()) {
    const std::string home = Home();
    if (home.empty()) {
      return {};
    }
    data = home + "/.local/share";
  }
  const std::string folder = data + "/backgrounds";
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  return folder;
}

void XdgDesktopSettings::SetWallpaper(const std::string& bitmapPath, int16_t style) {
  if (runner_ != nullptr) {
    ApplyDesktopWallpaper(environment_, *runner_, bitmapPath, style);
    return;
  }
  SpawnCommandRunner tools;
  ApplyDesktopWallpaper(environment_, tools, bitmapPath, style);
}

}  // namespace tandrel
