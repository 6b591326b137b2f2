#include <gtest/gtest.h>

#include <filesystem>

#include "app/application.h"
#include "app/configuration.h"
#include "fakes/fake_platform.h"
#include "fakes/program_folder.h"
#include "fakes/temp_dir.h"

namespace tandrel {
namespace {

using fakes::Exists;
using fakes::ReadFile;
using fakes::TempDir;
using fakes::WriteFile;

const std::string kConfig =
    "English.ini\r\n/home/ann/Pictures\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n";
const std::string kRecoveryText =
    "No configuration file was found.\rA new one was created with the defaults.";

class StartupTest : public testing::Test {
 protected:
  StartupTest() {
    fakes::LayOutProgramFolder(programDir.path(), "[Language Pack]\r\n");
    fake.environment.programFolder = programDir.path();
    fake.environment.variables["TEMP"] = tempDir.path();
    fake.environment.systemTemp = systemTempDir.path();
    fake.desktop.desktop = "/home/ann/Desktop";
    fake.windows.screenMovie.answers = {{"_width", "640"}, {"_height", "400"}};
  }

  std::string Config() const { return programDir / "Config.cfg"; }
  std::string SkinFile() const { return tempDir / "~tandrel.tmp"; }

  // Starts the program; false when it ended the process.
  bool Start() {
    try {
      app.Start();
      return true;
    } catch (const fakes::FakeProcess::Ended&) {
      return false;
    }
  }

  TempDir programDir;
  TempDir tempDir;
  TempDir systemTempDir;
  fakes::FakePlatform fake;
  Application app{fake.platform};
};

TEST_F(StartupTest, RunsItsStepsInOrder) {
  WriteFile(Config(), kConfig);
  ASSERT_TRUE(Start());
  const std::string steps[] = {
      "create main",
      "main.SetGeometry(0,0,457x378)",
      "create splash",
      "splash.Show",
      "splash.Repaint",
      "instance.PreviousInstanceRunning",
      "instance.CreateMarker(BrimwellTandrel)",
      "player.MoviePath=" + programDir.path() + "/Resources/Player.swf",
      "player.SetSize(457x378)",
      "create options",
      "engine.Volume",
      "player.Get(_width)",
      "player.Get(_height)",
      "main.SetGeometry(0,0,640x400)",
      "player.SetSize(640x400)",
      "create bar",
      "gui.MoviePath=" + SkinFile(),
      "gui.SetSize(618x265)",
      "bar.SetGeometry(203,473,618x265)",
      "gui.Set(_level0.pad.volumeText1.text=Volume 50)",
      "main.SetGeometry(192,73,640x400)",
      "player.Set(_root.filename=Tandrel)",
      "gui.Set(_level0.pad.timeElapsed1.text=)",
      "create about",
      "splash.Close",
      "bar.Show",
      "main.Show",
  };
  int previous = -1;
  for (const std::string& step : steps) {
    const int at = fake.log.IndexOf(step);
    EXPECT_GT(at, previous) << step;
    previous = std::max(previous, at);
  }
  EXPECT_TRUE(fake.messages.shown.empty());
  EXPECT_EQ(app.state().settings.SnapshotFolder, "/home/ann/Pictures");
  EXPECT_EQ(app.mainForm().volumeSlider, 50);
}

TEST_F(StartupTest, ATickBeforeTheBarIsLoadedLeavesItAlone) {
  WriteFile(Config(), kConfig);
  app.mainForm().Initialize();
  fake.engine.volume = 65;
  fake.timers.Fire(10);  // the toolkit let a tick through before start-up placed the bar
  EXPECT_FALSE(fake.windows.Has("bar"));
  app.mainForm().Form_Load();
  EXPECT_EQ(fake.windows.skinMovie.variables["_level0.pad.volumeText1.text"], "Volume 65");
  EXPECT_EQ(fake.windows.created["bar"], 1);
}

TEST_F(StartupTest, AnEmptyCommandLineLeavesThePlayerIdle) {
  WriteFile(Config(), kConfig);
  ASSERT_TRUE(Start());
  MainForm& main = app.mainForm();
  for (const HiddenButton* button : {&main.playButton, &main.stopButton, &main.pauseButton,
                                     &main.rewindButton, &main.ffButton}) {
    EXPECT_FALSE(button->enabled);
  }
  EXPECT_FALSE(app.optionsDialog().menus.editMenu.enabled);
  EXPECT_TRUE(main.muteStatus.enabled);
  EXPECT_FALSE(fake.log.Contains("engine.QueueItem(dvd://)"));
  EXPECT_TRUE(fake.engine.items.empty());
}

TEST_F(StartupTest, AssemblesTheSkinFromItsTwoHalves) {
  WriteFile(Config(), kConfig);
  WriteFile(SkinFile(), std::string(5000, 'o'));  // last run's skin is replaced
  ASSERT_TRUE(Start());
  EXPECT_EQ(ReadFile(SkinFile()), fakes::SkinHeaderBytes().substr(8, 100) + "the rest of the skin");
}

TEST_F(StartupTest, ABodyOfExactlyTenBytesGivesTheHundredHeaderBytes) {
  WriteFile(Config(), kConfig);
  WriteFile(programDir / "Resources/gui.bdy", "0123456789");
  ASSERT_TRUE(Start());
  EXPECT_EQ(ReadFile(SkinFile()), fakes::SkinHeaderBytes().substr(8, 100));
}

TEST_F(StartupTest, WithoutTempTheSkinGoesToTheSystemTemporaryFolder) {
  WriteFile(Config(), kConfig);
  fake.environment.variables.erase("TEMP");
  ASSERT_TRUE(Start());
  const std::string skin = systemTempDir / "~tandrel.tmp";
  EXPECT_TRUE(Exists(skin));
  EXPECT_EQ(fake.windows.skinMovie.path, skin);
}

TEST_F(StartupTest, ASecondInstanceWarnsAndEndsTouchingNothing) {
  fake.instance.anotherRunning = true;
  ASSERT_TRUE(Start());
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0].text, "The application is already running.");
  EXPECT_EQ(fake.messages.shown[0].title, "Warning");
  EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Warning);
  EXPECT_EQ(fake.messages.shown[0].buttons, MessageButtons::Ok);
  EXPECT_TRUE(fake.windows["splash"].closed);
  EXPECT_TRUE(fake.windows["main"].closed);
  EXPECT_EQ(fake.windows["main"].shows, 0);
  EXPECT_TRUE(fake.instance.markers.empty());
  EXPECT_TRUE(fake.windows.screenMovie.path.empty());
  EXPECT_FALSE(fake.windows.Has("bar"));
  EXPECT_FALSE(Exists(SkinFile()));
  EXPECT_FALSE(Exists(Config()));
}

struct BadResource {
  const char* name;
  std::string file;
  std::optional<std::string> content;  // nothing: the file is missing
};

class StartupResources : public StartupTest, public testing::WithParamInterface<BadResource> {};

TEST_P(StartupResources, AMissingOrShortFileIsNamedAndEndsStartup) {
  const std::string path = programDir / ("Resources/" + GetParam().file);
  if (GetParam().content) {
    WriteFile(path, *GetParam().content);
  } else {
    std::filesystem::remove(path);
  }
  EXPECT_FALSE(Start());
  EXPECT_EQ(fake.process.endedWith, 1);
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_NE(fake.messages.shown[0].text.find(path), std::string::npos);
  EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Critical);
  EXPECT_EQ(fake.messages.shown[0].title, "Tandrel");
  EXPECT_TRUE(fake.windows["splash"].closed);
  EXPECT_TRUE(fake.instance.markers.empty());
  EXPECT_FALSE(Exists(SkinFile()));
  EXPECT_FALSE(Exists(Config()));
  EXPECT_FALSE(Exists(programDir / "errorlog.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupResources,
    testing::Values(BadResource{"ScreenMovieMissing", "Player.swf", std::nullopt},
                    BadResource{"HeaderMissing", "gui.hdr", std::nullopt},
                    BadResource{"HeaderShort", "gui.hdr", std::string(107, 'h')},
                    BadResource{"BodyMissing", "gui.bdy", std::nullopt},
                    BadResource{"BodyShort", "gui.bdy", std::string(9, 'b')}),
    [](const testing::TestParamInfo<BadResource>& info) { return info.param.name; });

struct Unreadable {
  const char* name;
  std::optional<std::string> content;
};

class StartupRecovery : public StartupTest, public testing::WithParamInterface<Unreadable> {};

TEST_P(StartupRecovery, WritesTheDefaultsAndSaysSo) {
  if (GetParam().content) {
    WriteFile(Config(), *GetParam().content);
  }
  fake.engine.volume = 35;
  ASSERT_TRUE(Start());
  EXPECT_EQ(ReadFile(Config()), FormatConfiguration(DefaultSettings("/home/ann/Desktop")));
  EXPECT_EQ(app.state().settings, DefaultSettings("/home/ann/Desktop"));
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0].text, kRecoveryText);
  EXPECT_EQ(fake.messages.shown[0].title, "Tandrel");
  EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Information);
  // The captions are in place and the splash gone before the message; the bar shows after it.
  EXPECT_LT(fake.log.IndexOf("create about"), fake.log.IndexOf("message(" + kRecoveryText + ")"));
  EXPECT_LT(fake.log.IndexOf("splash.Close"), fake.log.IndexOf("message(" + kRecoveryText + ")"));
  EXPECT_GT(fake.log.IndexOf("bar.Show"), fake.log.IndexOf("message(" + kRecoveryText + ")"));
  EXPECT_EQ(fake.windows["main"].shows, 1);

  // The next start reads the new file without a word.
  fakes::FakePlatform again;
  again.environment = fake.environment;
  again.desktop.desktop = "/elsewhere";
  Application second(again.platform);
  second.Start();
  EXPECT_TRUE(again.messages.shown.empty());
  EXPECT_EQ(second.state().settings, DefaultSettings("/home/ann/Desktop"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupRecovery,
    testing::Values(Unreadable{"Missing", std::nullopt}, Unreadable{"Empty", ""},
                    Unreadable{"ThreeLines", "English.ini\r\n/p\r\n 1 \r\n"},
                    Unreadable{"SixLines", "English.ini\r\n/p\r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n"},
                    Unreadable{"NumberTooLarge",
                               "English.ini\r\n/p\r\n 32768 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n"}),
    [](const testing::TestParamInfo<Unreadable>& info) { return info.param.name; });

TEST_F(StartupTest, RecoveryThatCannotWriteSaysSoAndRunsWithTheDefaults) {
  WriteFile(Config(), "broken");
  std::filesystem::create_directory(Config() + ".new");
  WriteFile(Config() + ".new/x", "x");
  ASSERT_TRUE(Start());
  EXPECT_EQ(ReadFile(Config()), "broken");
  EXPECT_EQ(app.state().settings, DefaultSettings("/home/ann/Desktop"));
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0].text.rfind("No configuration file was found.\r", 0), 0u);
  EXPECT_NE(fake.messages.shown[0].text.find("could not be saved to " + Config()),
            std::string::npos);
}

TEST_F(StartupTest, NineLinesAreReadWithoutRecovery) {
  WriteFile(Config(), kConfig + " 5 \r\n 6 \r\n");
  ASSERT_TRUE(Start());
  EXPECT_TRUE(fake.messages.shown.empty());
  EXPECT_EQ(ReadFile(Config()), kConfig + " 5 \r\n 6 \r\n");
}

TEST_F(StartupTest, EmptyFolderAndLanguageAreFilledInMemoryOnly) {
  const std::string config = "  \r\n\r\n 1 \r\n 0 \r\n 2 \r\n 0 \r\n 0 \r\n";
  WriteFile(Config(), config);
  ASSERT_TRUE(Start());
  EXPECT_EQ(app.state().settings.SnapshotFolder, "/home/ann/Desktop");
  EXPECT_EQ(app.state().settings.LanguageFile, "English.ini");
  EXPECT_EQ(app.state().settings.SnapshotTarget, 2);
  EXPECT_EQ(ReadFile(Config()), config);
}

TEST_F(StartupTest, AMovieWithoutANumericSizeKeepsTheDesignedSize) {
  WriteFile(Config(), kConfig);
  fake.windows.screenMovie.answers = {{"_width", "wide"}, {"_height", "400"}};
  ASSERT_TRUE(Start());
  EXPECT_EQ(fake.windows["main"].geometry, (Rect{283, 473 - 378, 457, 378}));
  EXPECT_EQ(fake.windows.screenMovie.width, 457);
}

TEST_F(StartupTest, TheCaptionsFollowTheConfiguredPack) {
  WriteFile(Config(), "Deutsch.ini\r\n/p\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
  WriteFile(programDir / "Lang/Deutsch.ini", "[Language Pack]\r\n10=&Datei\r\n");
  ASSERT_TRUE(Start());
  EXPECT_EQ(app.optionsDialog().menus.fileMenu.caption, "&Datei");
}

class ShutdownTest : public StartupTest {
 protected:
  void SetUp() override {
    WriteFile(Config(), kConfig);
    ASSERT_TRUE(Start());
  }
};

TEST_F(ShutdownTest, ClosingWhileADiscLoadsIsRefusedYetClosesTheOtherWindows) {
  app.mainForm().timeElapsed = "LOADING...";
  EXPECT_FALSE(app.mainForm().QueryClose());
  EXPECT_FALSE(app.mainForm().IsClosed());
  EXPECT_TRUE(fake.windows["about"].closed);
  EXPECT_TRUE(fake.windows["options"].closed);
  EXPECT_TRUE(fake.windows["bar"].closed);
  EXPECT_FALSE(fake.windows["main"].closed);
}

TEST_F(ShutdownTest, ClosingWhenIdleClosesEverything) {
  app.mainForm().timeElapsed = "00:00:01/00:10:00";
  EXPECT_TRUE(app.mainForm().QueryClose());
  EXPECT_TRUE(fake.windows["main"].closed);
  EXPECT_TRUE(fake.windows["bar"].closed);
  // Repeating the unload handling is harmless.
  int cancel = 0;
  app.mainForm().Form_Unload(cancel);
  EXPECT_EQ(cancel, 0);
}

TEST_F(ShutdownTest, ClosingTheBarRunsTheMainUnloadButLeavesTheMainWindow) {
  app.mainForm().timeElapsed = "LOADING...";
  app.dvdBarForm_Unload();
  EXPECT_TRUE(fake.windows["bar"].closed);
  EXPECT_TRUE(fake.windows["about"].closed);
  EXPECT_TRUE(fake.windows["options"].closed);
  EXPECT_FALSE(fake.windows["main"].closed);
  EXPECT_EQ(fake.windows.created["bar"], 1);
}

}  // namespace
}  // namespace tandrel
