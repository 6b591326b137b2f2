// The engine option list, built from the settings.
#include <filesystem>

#include "app/application.h"
#include "app/main_form.h"
#include "app/paths.h"

namespace tandrel {
namespace {

constexpr const char* kSnapshotPath = "snapshot-path=";

}  // namespace

void MainForm::SaveOptions() {
  Platform& platform = app_.platform();
  const Settings& settings = app_.state().settings;
  std::vector<std::string> options(kEngineOptionCount);

  options[0] = "overlay";
  options[1] = settings.UseOverlay != 0 ? "overlay" : "no-overlay";
  options[2] = kSnapshotPath + settings.SnapshotFolder;
  options[3] = settings.DisableScreenSaver == 1 ? "disable-screensaver" : "no-disable-screensaver";

  switch (settings.SnapshotTarget) {
    case 0:
      // Snapshots saved to the user's own folder stay there.
      options[4] = kSnapshotPath + settings.SnapshotFolder;
      break;
    case 1: {
      const std::string temp = TempFolder(platform.environment);
      options[4] = kSnapshotPath + temp;
      tempImages.SetPath(temp);
      DeleteListedImages();
      break;
    }
    case 2: {
      const std::string wallpaperFolder = GetWallpaperFolder();
      options[4] = kSnapshotPath + wallpaperFolder;
      tempImages.SetPath(wallpaperFolder);
      DeleteListedImages();
      break;
    }
    default:
      break;
  }

  options[5] = "no-osd";
  options[6] = "no-snapshot-preview";
  options[7] = "snapshot-sequential";
  options[8] = "snapshot-prefix=IMG_";
  options[9] = "snapshot-format=jpg";
  app_.state().EngineOptions = std::move(options);
}

void MainForm::DeleteListedImages() {
  // One listing, then the deletions; a file that cannot be deleted stays and the rest still go.
  const int count = tempImages.ListCount();
  for (int i = 0; i < count; ++i) {
    std::error_code ignored;
    std::filesystem::remove(JoinPath(tempImages.Path(), tempImages.List(i)), ignored);
  }
  tempImages.Refresh();
}

}  // namespace tandrel
