#include <gtest/gtest.h>

#include "fakes/started_app.h"

namespace tandrel {
namespace {

using fakes::Exists;
using fakes::FakePictures;
using fakes::ReadFile;
using fakes::WriteFile;

class Snapshots : public fakes::StartedApp {
 protected:
  Snapshots() { fake.desktop.wallpaperFolder = wallpaperDir.path(); }

  void Target(int16_t target, int16_t style = 0) {
    app.state().settings.SnapshotTarget = target;
    app.state().settings.WallpaperStyle = style;
    main().SaveOptions();
  }
  bool HotKeySent() { return fake.log.Contains("engine.SetEngineVariable(key-snapshot,83)"); }

  fakes::TempDir wallpaperDir;
};

TEST_F(Snapshots, AFileTargetOnlyAsksTheEngine) {
  Target(0);
  fake.log.Clear();
  main().Snapshot();
  EXPECT_EQ(fake.log.calls(),
            (std::vector<std::string>{"engine.SetEngineVariable(key-snapshot,83)",
                                      "engine.SetEngineVariable(key-pressed,83)", "sleep(500)"}));
  EXPECT_EQ(fake.disk.queried, std::vector<std::string>{"/home/ann/Pictures"});
}

TEST_F(Snapshots, TheClipboardTakesTheNewImageAndTheFileGoes) {
  Target(1);
  WriteFile(tempDir / "IMG_00007.jpg", FakePictures::Jpeg("seven"));
  main().Snapshot();
  EXPECT_EQ(fake.pictures.clipboard, FakePictures::Jpeg("seven"));
  EXPECT_FALSE(Exists(tempDir / "IMG_00007.jpg"));
}

TEST_F(Snapshots, TheWallpaperIsMadeFromTheNewestImage) {
  Target(2, 1);
  WriteFile(wallpaperDir / "IMG_00007.jpg", FakePictures::Jpeg("seven"));
  WriteFile(wallpaperDir / "IMG_00008.jpg", FakePictures::Jpeg("eight"));
  main().Snapshot();
  const std::string bitmap = wallpaperDir / "Tandrel-Wallpaper.bmp";
  EXPECT_EQ(ReadFile(bitmap), "BM" + FakePictures::Jpeg("eight"));
  EXPECT_EQ(fake.desktop.wallpapers, (std::vector<std::pair<std::string, int16_t>>{{bitmap, 1}}));
  EXPECT_FALSE(Exists(wallpaperDir / "IMG_00008.jpg"));
  EXPECT_TRUE(Exists(wallpaperDir / "IMG_00007.jpg"));
}

TEST_F(Snapshots, NoImageAfterTheWaitDeliversNothing) {
  Target(1);
  main().Snapshot();
  EXPECT_TRUE(HotKeySent());
  EXPECT_FALSE(fake.pictures.clipboard);
}

TEST_F(Snapshots, AnImageThatCannotBeReadIsNeitherDeliveredNorDeleted) {
  for (const std::string& bytes :
       {std::string(), std::string("not a picture"), FakePictures::Jpeg("cut").substr(0, 6)}) {
    Target(1);
    fake.pictures.clipboard = "what the user copied";
    WriteFile(tempDir / "IMG_00001.jpg", bytes);
    main().Snapshot();
    EXPECT_EQ(fake.pictures.clipboard, "what the user copied");
    EXPECT_TRUE(Exists(tempDir / "IMG_00001.jpg"));

    Target(2);
    WriteFile(wallpaperDir / "IMG_00001.jpg", bytes);
    main().Snapshot();
    EXPECT_TRUE(fake.desktop.wallpapers.empty());
    EXPECT_FALSE(Exists(wallpaperDir / "Tandrel-Wallpaper.bmp"));
    EXPECT_TRUE(Exists(wallpaperDir / "IMG_00001.jpg"));
  }
  EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(Snapshots, ABusyClipboardOrAnUnwritableBitmapKeepsTheImage) {
  Target(1);
  fake.pictures.clipboardBusy = true;
  WriteFile(tempDir / "IMG_00001.jpg", FakePictures::Jpeg("one"));
  main().Snapshot();
  EXPECT_TRUE(Exists(tempDir / "IMG_00001.jpg"));

  Target(2);
  fake.pictures.failSave = true;
  WriteFile(wallpaperDir / "IMG_00001.jpg", FakePictures::Jpeg("one"));
  main().Snapshot();
  EXPECT_TRUE(Exists(wallpaperDir / "IMG_00001.jpg"));
  EXPECT_TRUE(fake.desktop.wallpapers.empty());
}

TEST_F(Snapshots, TenThousandTwoHundredAndFortyBytesAreEnough) {
  fake.disk.available = 10240;
  main().Snapshot();
  EXPECT_TRUE(HotKeySent());
  EXPECT_TRUE(fake.messages.shown.empty());

  fake.log.Clear();
  fake.disk.available = 10239;
  main().Snapshot();
  EXPECT_FALSE(HotKeySent());
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0].text, "Insufficient disk space.");
  EXPECT_EQ(fake.messages.shown[0].title, "Error");
  EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Critical);
}

TEST_F(Snapshots, AFailedQueryKeepsTheLastFigure) {
  fake.disk.available = std::nullopt;  // before any query worked: 0
  main().Snapshot();
  EXPECT_EQ(fake.messages.shown.size(), 1u);
  fake.disk.available = 50000;
  main().Snapshot();
  fake.disk.available = std::nullopt;
  fake.log.Clear();
  main().Snapshot();
  EXPECT_TRUE(HotKeySent());
  EXPECT_EQ(fake.messages.shown.size(), 1u);
}

TEST_F(Snapshots, TheMessageFollowsTheLanguagePack) {
  WriteFile(programDir / "Lang/English.ini",
            "[Language Pack]\r\n036=Kein Platz.\r\n010=Fehler\r\n");
  fake.disk.available = 0;
  main().Snapshot();
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0].text, "Kein Platz.");
  EXPECT_EQ(fake.messages.shown[0].title, "Fehler");
}

TEST_F(Snapshots, TheSkinsSnapshotButtonTakesOne) {
  skin().Send("snapshot");
  EXPECT_TRUE(HotKeySent());
}

}  // namespace
}  // namespace tandrel
