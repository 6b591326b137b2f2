#include <gtest/gtest.h>

#include "backends/linux/xdg_desktop_settings.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_services.h"
#include "fakes/temp_dir.h"
#include "snapshots/registry_desktop_settings.h"

namespace tandrel {
namespace {

const std::string kShellFolders =
    "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

class RegistryDesktop : public testing::Test {
 protected:
  fakes::FakeRegistry registry;
  RegistryDesktopSettings desktop{registry, registry};
};

TEST_F(RegistryDesktop, ReadsTheShellFoldersAsTheyStand) {
  registry.SetString(kShellFolders, "Desktop", "C:\\Users\\ann\\Desktop");
  registry.SetString(kShellFolders, "Local AppData", "C:\\Users\\ann\\AppData\\Local");
  EXPECT_EQ(desktop.GetDesktopFolder(), "C:\\Users\\ann\\Desktop");
  EXPECT_EQ(desktop.GetDesktopFolder().size(), 20u);
  EXPECT_EQ(desktop.GetWallpaperFolder(), "C:\\Users\\ann\\AppData\\Local\\Microsoft");
  EXPECT_EQ(registry.calls[0], "RegOpenKeyEx(" + kShellFolders + ",131097)");
  EXPECT_EQ(registry.OpenKeys(), 0u);
}

TEST_F(RegistryDesktop, UnreadableFoldersAreEmpty) {
  EXPECT_EQ(desktop.GetDesktopFolder(), "");  // no key
  EXPECT_EQ(desktop.GetWallpaperFolder(), "");
  registry.AddKey(kShellFolders);
  EXPECT_EQ(desktop.GetDesktopFolder(), "");  // no value
  EXPECT_EQ(desktop.GetWallpaperFolder(), "");
  registry.SetString(kShellFolders, "Local AppData", "");
  EXPECT_EQ(desktop.GetWallpaperFolder(), "\\Microsoft");
  registry.SetString(kShellFolders, "Desktop", std::string(254, 'd'));
  EXPECT_EQ(desktop.GetDesktopFolder(), std::string(254, 'd'));
  registry.SetString(kShellFolders, "Desktop", std::string(255, 'd'));
  EXPECT_EQ(desktop.GetDesktopFolder(), "");
  EXPECT_EQ(registry.OpenKeys(), 0u);
}

TEST_F(RegistryDesktop, WritesTheWallpaperValuesInOrderThenAppliesIt) {
  registry.AddKey("HKCU\\Control Panel\\Desktop");
  const std::tuple<int16_t, const char*, const char*> styles[] = {
      {0, "0", "0"}, {1, "1", "1"}, {2, "2", "0"}};
  for (const auto& [style, styleValue, tile] : styles) {
    registry.calls.clear();
    desktop.SetWallpaper("C:\\pics\\Tandrel-Wallpaper.bmp", style);
    EXPECT_EQ(registry.calls,
              (std::vector<std::string>{
                  "RegOpenKey(HKCU\\Control Panel\\Desktop)",
                  std::string("RegSetValueEx(WallpaperStyle=") + styleValue + "\\0)",
                  "RegSetValueEx(Wallpaper=C:\\pics\\Tandrel-Wallpaper.bmp\\0)",
                  std::string("RegSetValueEx(TileWallpaper=") + tile + "\\0)",
                  "RegCloseKey",
                  "SystemParametersInfo(20,0,C:\\pics\\Tandrel-Wallpaper.bmp,3)",
              }));
    EXPECT_EQ(registry.String("HKCU\\Control Panel\\Desktop", "WallpaperStyle"), styleValue);
  }
}

TEST_F(RegistryDesktop, NoDesktopKeyChangesNothing) {
  desktop.SetWallpaper("C:\\w.bmp", 1);
  EXPECT_EQ(registry.calls, std::vector<std::string>{"RegOpenKey(HKCU\\Control Panel\\Desktop)"});
}

class XdgDesktop : public testing::Test {
 protected:
  XdgDesktop() {
    environment.variables["HOME"] = home.path();
    environment.variables["XDG_CONFIG_HOME"] = home / "config";
  }
  fakes::TempDir home;
  fakes::FakeEnvironment environment;
  XdgDesktopSettings desktop{environment};
};

TEST_F(XdgDesktop, TakesTheDesktopFromTheUserDirectories) {
  EXPECT_EQ(desktop.GetDesktopFolder(), home.path());  // no Desktop folder: home stands in
  std::filesystem::create_directories(home / "Desktop");
  std::filesystem::create_directories(home / "Schreibtisch");
  std::filesystem::create_directories(home / "elsewhere/desk");
  EXPECT_EQ(desktop.GetDesktopFolder(), home / "Desktop");
  fakes::WriteFile(home / "config/user-dirs.dirs",
                   "# written by xdg-user-dirs-update\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"
                   "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch/\"\n");
  EXPECT_EQ(desktop.GetDesktopFolder(), home / "Schreibtisch");
  fakes::WriteFile(home / "config/user-dirs.dirs",
                   "XDG_DESKTOP_DIR=\"" + home / "elsewhere/desk" + "\"\n");
  EXPECT_EQ(desktop.GetDesktopFolder(), home / "elsewhere/desk");
  environment.variables.clear();
  EXPECT_EQ(desktop.GetDesktopFolder(), "");
}

TEST_F(XdgDesktop, KeepsWallpapersInTheBackgroundsFolder) {
  EXPECT_EQ(desktop.GetWallpaperFolder(), home / ".local/share/backgrounds");
  environment.variables["XDG_DATA_HOME"] = home / "data";
  EXPECT_EQ(desktop.GetWallpaperFolder(), home / "data/backgrounds");
  EXPECT_TRUE(fakes::Exists(home / "data/backgrounds"));
}

}  // namespace
}  // namespace tandrel
