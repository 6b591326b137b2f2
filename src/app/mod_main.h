#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tandrel {

// The seven user settings, in the order of their lines in Config.cfg.
struct Settings {
  std::string LanguageFile;
  std::string SnapshotFolder;
  int16_t UseOverlay = 0;          // any value but 0 is on
  int16_t DisableScreenSaver = 0;  // only 1 is on
  int16_t SnapshotTarget = 0;      // 0 file, 1 clipboard, 2 wallpaper
  int16_t WallpaperStyle = 0;      // 0 Center, 1 Tile, 2 Stretch
  int16_t AutoPlay = 0;            // 1 the AutoPlay handler for DVD movies

  bool operator==(const Settings&) const = default;
};

// Program-wide state, alive for the whole run.
struct ModMain {
  Settings settings;
  // The ten option strings handed to the engine with every queued disc.
  std::vector<std::string> EngineOptions;
  // Parallel lists of the optical drives found by the last scan: the drive-menu texts and the
  // drive roots. Element i of the one-based lists is [i - 1] here.
  std::vector<std::string> DriveList;
  std::vector<std::string> DriveRoots;
  // The drive of the disc last chosen; empty until one is.
  std::string CurrentTarget;
};

}  // namespace tandrel
