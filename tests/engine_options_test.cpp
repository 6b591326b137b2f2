#include <gtest/gtest.h>

#include <filesystem>

#include "app/file_list.h"
#include "fakes/started_app.h"

namespace tandrel {
namespace {

using fakes::Exists;
using fakes::TempDir;
using fakes::WriteFile;
using Options = std::vector<std::string>;

class EngineOptions : public fakes::StartedApp {
 protected:
  EngineOptions() { fake.desktop.wallpaperFolder = wallpaperDir.path(); }

  const Options& Build(int16_t overlay, int16_t screenSaver, int16_t target,
                       const std::string& folder = "/shots") {
    Settings& settings = app.state().settings;
    settings.UseOverlay = overlay;
    settings.DisableScreenSaver = screenSaver;
    settings.SnapshotTarget = target;
    settings.SnapshotFolder = folder;
    main().SaveOptions();
    return app.state().EngineOptions;
  }

  TempDir wallpaperDir;
};

Options Expected(const std::string& overlay, const std::string& screenSaver,
                 const std::string& slot4) {
  return {"overlay",
          overlay,
          "snapshot-path=/shots",
          screenSaver,
          slot4,
          "no-osd",
          "no-snapshot-preview",
          "snapshot-sequential",
          "snapshot-prefix=IMG_",
          "snapshot-format=jpg"};
}

TEST_F(EngineOptions, FillTheTenSlotsFromTheSettings) {
  EXPECT_EQ(Build(1, 1, 0), Expected("overlay", "disable-screensaver", "snapshot-path=/shots"));
  EXPECT_EQ(Build(0, 0, 0),
            Expected("no-overlay", "no-disable-screensaver", "snapshot-path=/shots"));
  EXPECT_EQ(Build(5, 2, 1),
            Expected("overlay", "no-disable-screensaver", "snapshot-path=" + tempDir.path()));
  EXPECT_EQ(Build(1, 0, 2),
            Expected("overlay", "no-disable-screensaver", "snapshot-path=" + wallpaperDir.path()));
  EXPECT_EQ(Build(1, 0, 7), Expected("overlay", "no-disable-screensaver", ""));
  EXPECT_EQ(Build(1, 0, 0, "")[2], "snapshot-path=");
}

TEST_F(EngineOptions, TheClipboardTargetClearsOldImagesOutOfTheTemporaryFolder) {
  WriteFile(tempDir / "IMG_1.jpg", "a");
  WriteFile(tempDir / "IMG_2.jpg", "b");
  WriteFile(tempDir / "notes.txt", "c");
  WriteFile(tempDir / "IMG_3.jpeg", "d");
  WriteFile(tempDir / "img_4.jpg", "e");
  WriteFile(tempDir / "sub/IMG_5.jpg", "f");
  std::filesystem::create_directory(tempDir / "IMG_6.jpg");
  Build(1, 0, 1);
  EXPECT_FALSE(Exists(tempDir / "IMG_1.jpg"));
  EXPECT_FALSE(Exists(tempDir / "IMG_2.jpg"));
  for (const char* kept :
       {"notes.txt", "IMG_3.jpeg", "img_4.jpg", "sub/IMG_5.jpg", "IMG_6.jpg", "~tandrel.tmp"}) {
    EXPECT_TRUE(Exists(tempDir / kept)) << kept;
  }
  EXPECT_EQ(main().tempImages.Path(), tempDir.path());
  EXPECT_EQ(main().tempImages.ListCount(), 0);
}

TEST_F(EngineOptions, TheWallpaperTargetClearsItsOwnFolder) {
  WriteFile(wallpaperDir / "IMG_00007.jpg", "a");
  WriteFile(wallpaperDir / "Tandrel-Wallpaper.bmp", "b");
  WriteFile(tempDir / "IMG_1.jpg", "c");
  Build(1, 0, 2);
  EXPECT_FALSE(Exists(wallpaperDir / "IMG_00007.jpg"));
  EXPECT_TRUE(Exists(wallpaperDir / "Tandrel-Wallpaper.bmp"));
  EXPECT_TRUE(Exists(tempDir / "IMG_1.jpg"));
}

TEST_F(EngineOptions, AFileTargetDeletesNothingAndKeepsTheListWhereItWas) {
  TempDir shots;
  WriteFile(shots / "IMG_1.jpg", "a");
  Build(1, 1, 1);  // points the list at the temporary folder
  Build(1, 1, 0, shots.path());
  Build(1, 1, 7, shots.path());
  EXPECT_TRUE(Exists(shots / "IMG_1.jpg"));
  EXPECT_EQ(main().tempImages.Path(), tempDir.path());
}

TEST_F(EngineOptions, AFolderThatCannotBeListedDeletesNothing) {
  fake.environment.variables["TEMP"] = tempDir / "missing";
  Build(1, 0, 1);
  EXPECT_TRUE(main().tempImages.Failed());
  EXPECT_EQ(app.state().EngineOptions[4], "snapshot-path=" + tempDir / "missing");
}

TEST(FileList, ListsMatchingOrdinaryFilesInNameOrder) {
  TempDir dir;
  for (const char* name : {"IMG_00010.jpg", "IMG_00002.jpg", ".IMG_1.jpg", "IMG_.jpg", "x.jpg"}) {
    WriteFile(dir / name, "x");
  }
  FileList list("IMG_*.jpg");
  list.SetPath(dir.path());
  ASSERT_EQ(list.ListCount(), 3);
  EXPECT_EQ(list.List(0), "IMG_.jpg");
  EXPECT_EQ(list.List(1), "IMG_00002.jpg");
  EXPECT_EQ(list.List(2), "IMG_00010.jpg");
  EXPECT_TRUE(MatchesPattern("a.ini", "*.ini"));
  EXPECT_FALSE(MatchesPattern("a.ini.bak", "*.ini"));
  EXPECT_TRUE(MatchesPattern("IMG_a.b.jpg", "IMG_*.jpg"));
}

}  // namespace
}  // namespace tandrel
