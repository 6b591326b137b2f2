// The program with the real video engine on the demo disc: fake windows and movies, real libVLC,
// real files.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "app/application.h"
#include "backends/linux/linux_drives.h"
#include "backends/vlc/vlc_engine.h"
#include "components/movie_variables.h"
#include "fakes/fake_platform.h"
#include "fakes/program_folder.h"
#include "fakes/temp_dir.h"

namespace tandrel {
namespace {

namespace fs = std::filesystem;
using fakes::Exists;
using fakes::ReadFile;
using fakes::WriteFile;

const std::string kDemo = TANDREL_DEMO_DIR;

class NoScreenSaver : public ScreenSaver {
 public:
  int inhibits = 0;
  bool inhibited = false;
  void Inhibit() override {
    ++inhibits;
    inhibited = true;
  }
  void UnInhibit() override { inhibited = false; }
};

class NoFullScreen : public FullScreenControl {
 public:
  int toggles = 0;
  void ToggleFullScreen() override { ++toggles; }
};

class Playback : public testing::Test {
 protected:
  Playback() {
    fakes::LayOutProgramFolder(programDir.path(), "[Language Pack]\r\n");
    WriteFile(programDir / "Config.cfg",
              "English.ini\r\n" + shotsDir.path() + "\r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n");
    fake.environment.programFolder = programDir.path();
    fake.environment.variables["TEMP"] = tempDir.path();
    fake.desktop.desktop = shotsDir.path();
    fake.windows.screenMovie.answers = {{"_width", "457"}, {"_height", "378"}};
    app.Start();
  }

  MainForm& main() { return app.mainForm(); }
  fakes::FakeMovie& skin() { return fake.windows.skinMovie; }

  // Ticks the way the timer does until `done` holds or `seconds` have passed.
  bool TickUntil(const std::function<bool()>& done, double seconds = 10) {
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::milliseconds(static_cast<int>(seconds * 1000));
    while (std::chrono::steady_clock::now() < deadline) {
      main().movieTimer_Timer();
      if (done()) {
        return true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }
  void TickFor(double seconds) {
    TickUntil([] { return false; }, seconds);
  }
  int Elapsed() { return engine.ElapsedSeconds(); }

  // Opens `path` as the command line would and waits for the menu.
  void Open(const std::string& path) {
    drives.AddDiscPath(path);
    main().PlayDVD(path);
    ASSERT_TRUE(TickUntil([&] { return main().playButton.enabled; })) << main().timeElapsed;
  }
  // From the menu into the film. The menu takes its buttons a moment after it shows, and a
  // press before that does nothing, as on any player; so press until the film runs.
  void StartFilm() {
    bool started = false;
    for (int press = 0; press < 20 && !started; ++press) {
      skin().Send("enter");
      started = TickUntil([&] { return engine.LengthSeconds() >= 19 && Elapsed() >= 1; }, 1.5);
    }
    ASSERT_TRUE(started);
  }

  fakes::TempDir programDir;
  fakes::TempDir tempDir;
  fakes::TempDir shotsDir;
  fakes::TempDir emptySysfs;
  NoScreenSaver screenSaver;
  NoFullScreen fullScreen;
  VlcEngine engine{screenSaver, fullScreen, VlcEngine::Options{true}};
  LinuxDriveQuery drives{{}, emptySysfs.path(), "/dev"};
  fakes::FakePlatform fake;
  Platform platform = fake.With(engine, drives);
  Application app{platform};
};

TEST_F(Playback, TheDemoDiscOpensOnItsMenuAndEnterStartsTheFilm) {
  Open(kDemo + "/DVD");
  EXPECT_EQ(fake.engine.items.size(), 0u);
  EXPECT_EQ(skin().variables[movievars::kDvdName], "DVD (" + kDemo + "/DVD)");
  EXPECT_EQ(fake.windows.screenMovie.variables[movievars::kFileName], "DVD");
  EXPECT_FALSE(main().logoHideVisible);
  EXPECT_NE(main().timeElapsed, "LOADING...");
  StartFilm();
  ASSERT_TRUE(TickUntil([&] { return main().timeElapsed.find("/00:00:20") != std::string::npos; }));
  EXPECT_EQ(skin().variables[movievars::kTimeElapsed], main().timeElapsed);
  EXPECT_TRUE(engine.LatestFrame() != nullptr);
  EXPECT_EQ(engine.LatestFrame()->width, 720);
  EXPECT_GT(screenSaver.inhibits, 0);  // the settings ask for it
}

TEST_F(Playback, TheTransportDrivesTheEngine) {
  Open(kDemo + "/DVD");
  StartFilm();

  skin().Send("pause");
  TickFor(0.3);
  const std::string frozen = main().timeElapsed;
  const int at = Elapsed();
  TickFor(1.2);
  EXPECT_EQ(main().timeElapsed, frozen);
  EXPECT_EQ(Elapsed(), at);
  EXPECT_FALSE(screenSaver.inhibited);

  skin().Send("play");
  EXPECT_NE(main().timeElapsed, "LOADING...");
  ASSERT_TRUE(TickUntil([&] { return Elapsed() > at; }));

  fake.windows.screenMovie.Send("IDC_FS_KnobReleased", "50");
  ASSERT_TRUE(TickUntil([&] { return engine.PlaybackPosition() > 0.45; }));
  EXPECT_LT(engine.PlaybackPosition(), 0.65);

  const int beforeJump = Elapsed();
  skin().Send("rewind");
  ASSERT_TRUE(TickUntil([&] { return Elapsed() < beforeJump - 5; }));

  skin().Send("vol+");
  EXPECT_EQ(engine.Volume(), 51);
  skin().Send("mute");
  skin().Send("vol-");
  EXPECT_EQ(engine.Volume(), 50);
  EXPECT_EQ(main().muteStatus.caption, "U");

  skin().Send("stop");
  TickFor(0.2);
  EXPECT_EQ(main().timeElapsed, "");
  EXPECT_EQ(skin().variables[movievars::kTimeElapsed], "");
  EXPECT_FALSE(main().playButton.enabled);
  EXPECT_TRUE(main().logoHideVisible);
  EXPECT_EQ(engine.PlaybackPosition(), -1);
}

TEST_F(Playback, SnapshotsAreRealNumberedJpegs) {
  Open(kDemo + "/DVD");
  StartFilm();
  main().Snapshot();
  main().Snapshot();
  const std::string first = ReadFile(shotsDir / "IMG_00001.jpg");
  ASSERT_GE(first.size(), 1000u);
  EXPECT_EQ(first.substr(0, 2), "\xFF\xD8");
  EXPECT_TRUE(Exists(shotsDir / "IMG_00002.jpg"));
  EXPECT_FALSE(Exists(shotsDir / "IMG_00003.jpg"));
}

TEST_F(Playback, TheClipboardTargetHandsOverTheNewestImage) {
  Open(kDemo + "/DVD");
  StartFilm();
  app.state().settings.SnapshotTarget = 1;
  main().SaveOptions();
  // The disc takes the new option list when it is opened again.
  main().PlayDVD(kDemo + "/DVD");
  ASSERT_TRUE(TickUntil([&] { return main().playButton.enabled; }));
  WriteFile(programDir / "Config.cfg",
            "English.ini\r\n" + shotsDir.path() + "\r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n");
  main().PlayDVD(kDemo + "/DVD");
  ASSERT_TRUE(TickUntil([&] { return main().playButton.enabled && engine.LatestFrame(); }));
  main().Snapshot();
  ASSERT_TRUE(fake.pictures.clipboard.has_value());
  EXPECT_EQ(fake.pictures.clipboard->substr(0, 2), "\xFF\xD8");
  EXPECT_TRUE(fake.log.Contains("clipboard.SetPicture"));
  for (const auto& entry : fs::directory_iterator(tempDir.path())) {
    EXPECT_EQ(entry.path().filename().string().rfind("IMG_", 0), std::string::npos) << entry.path();
  }
}

TEST_F(Playback, TheImagePlaysLikeTheFolder) {
  Open(kDemo + "/demo.iso");
  EXPECT_EQ(skin().variables[movievars::kDvdName], "TANDREL_DEMO (" + kDemo + "/demo.iso)");
  StartFilm();
}

TEST_F(Playback, APathWithBlanksQuotesAndAccentsPlays) {
  const std::string odd = tempDir / "Demo disc 'n\" \xc3\xbc #1";
  fs::copy(kDemo + "/DVD", odd, fs::copy_options::recursive);
  Open(odd);
  StartFilm();
}

TEST_F(Playback, WhatIsNoDiscIsRefusedWithTheMessage) {
  const std::string noVideo = tempDir / "not a disc";
  fs::create_directories(noVideo + "/VIDEO_TS");
  WriteFile(noVideo + "/VIDEO_TS/README.txt", "nothing to see");
  WriteFile(tempDir / "empty.iso", "");
  const std::string iso = ReadFile(kDemo + "/demo.iso");
  WriteFile(tempDir / "truncated.iso", iso.substr(0, iso.size() / 50));
  for (const std::string& path : {noVideo, tempDir / "empty.iso", tempDir / "truncated.iso"}) {
    fake.messages.shown.clear();
    drives.AddDiscPath(path);
    main().PlayDVD(path);
    TickFor(0.5);
    const bool refused = fake.messages.shown.size() == 1 &&
                         fake.messages.shown[0].text == "Please insert a valid DVD.";
    const bool stopped = !engine.IsPlaying() && main().timeElapsed != "LOADING...";
    EXPECT_TRUE(refused || stopped) << path;
    EXPECT_NE(main().timeElapsed, "LOADING...") << path;
  }
}

TEST_F(Playback, TheDriveQueryReadsTheDemoLabels) {
  LinuxDriveQuery query{
      {kDemo + "/demo.iso", kDemo + "/DVD", kDemo + "/DVD/VIDEO_TS"}, emptySysfs.path(), "/dev"};
  EXPECT_EQ(query.LogicalDrives(), (std::vector<std::string>{kDemo + "/demo.iso", kDemo + "/DVD",
                                                             kDemo + "/DVD/VIDEO_TS"}));
  EXPECT_EQ(query.VolumeLabel(kDemo + "/demo.iso"), "TANDREL_DEMO");
  EXPECT_EQ(query.VolumeLabel(kDemo + "/DVD"), "DVD");
  EXPECT_EQ(query.VolumeLabel(kDemo + "/DVD/VIDEO_TS"), "DVD");
  EXPECT_EQ(query.GetDriveType(kDemo + "/demo.iso"), DriveQuery::kDriveCdRom);
  EXPECT_TRUE(IsDvdFolderOrImage(kDemo + "/DVD"));
  EXPECT_FALSE(IsDvdFolderOrImage(kDemo));
}

}  // namespace
}  // namespace tandrel
