// Taking a snapshot and delivering it.
#include <exception>
#include <filesystem>

#include "app/application.h"
#include "app/paths.h"
#include "components/hot_keys.h"
#include "lang/keys.h"

namespace tandrel {
namespace {

constexpr uint64_t kLeastFreeBytes = 10240;
constexpr int kSnapshotKey = 'S';
constexpr const char* kWallpaperBitmap = "Tandrel-Wallpaper.bmp";

}  // namespace

void MainForm::Snapshot() {
  Platform& platform = app_.platform();
  const Settings& settings = app_.state().settings;
  // A failed query keeps the figure of the last one that worked, 0 before the first.
  if (const std::optional<uint64_t> available =
          platform.disk.AvailableBytes(settings.SnapshotFolder)) {
    freeBytesAvailable_ = *available;
  }
  if (freeBytesAvailable_ < kLeastFreeBytes) {
    LanguageReader& lang = app_.lang();
    platform.messages.Show(lang.SetCaptionfromINI(keys::kDiskFull),
                           lang.SetCaptionfromINI(keys::kErrorTitle), MessageIcon::Critical,
                           MessageButtons::Ok);
    return;
  }

  try {
    SendHotKey(platform.engine, hotkeys::kSnapshot, kSnapshotKey);
    // All the time the engine gets to write the image.
    platform.clock.Sleep(kEngineWaitMs);
    if (settings.SnapshotTarget <= 0) {
      return;  // the image stays where the engine wrote it
    }
    tempImages.Refresh();
    if (tempImages.ListCount() == 0) {
      return;
    }
    const std::string image =
        JoinPath(tempImages.Path(), tempImages.List(tempImages.ListCount() - 1));
    // An image is deleted only once it has been delivered, and the clipboard is left alone when
    // the image cannot be read.
    std::error_code ignored;
    if (settings.SnapshotTarget == 1) {
      const std::unique_ptr<Picture> picture = platform.pictures.LoadJpeg(image);
      if (picture && platform.clipboard.SetPicture(*picture)) {
        std::filesystem::remove(image, ignored);
      }
    } else if (settings.SnapshotTarget == 2) {
      const std::unique_ptr<Picture> picture = platform.pictures.LoadJpeg(image);
      const std::string bitmap = JoinPath(tempImages.Path(), kWallpaperBitmap);
      if (picture && platform.pictures.SaveBitmap(*picture, bitmap)) {
        SetWallpaper(bitmap);
        std::filesystem::remove(image, ignored);
      }
    }
  } catch (const std::exception&) {
    // Whatever was written stays; the user is not troubled.
  }
}

}  // namespace tandrel
