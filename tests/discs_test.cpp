#include <gtest/gtest.h>

#include "components/movie_variables.h"
#include "discs/drive_enumerator.h"
#include "discs/mci_tray.h"
#include "fakes/started_app.h"

namespace tandrel {
namespace {

using Drive = fakes::FakeDriveQuery::Drive;
using Strings = std::vector<std::string>;

class Discs : public fakes::StartedApp {
 protected:
  void Drives(std::vector<Drive> drives) { fake.drives.drives = std::move(drives); }
  int Scan() { return EnumerateDVDDrives(app, app.state().DriveList); }
  Strings MenuCaptions() {
    Strings captions;
    for (const MenuItem& item : app.optionsDialog().menus.dvdsList) {
      captions.push_back(item.caption);
    }
    return captions;
  }
  Strings EngineAndSleeps() {
    Strings calls;
    for (const std::string& call : fake.log.calls()) {
      if (call.rfind("engine.", 0) == 0 || call.rfind("sleep", 0) == 0) {
        calls.push_back(call);
      }
    }
    return calls;
  }
  ModMain& state() { return app.state(); }
};

TEST_F(Discs, KeepsOpticalDrivesWithTheirLabels) {
  Drives({{"C:", 3, "SYSTEM"}, {"D:", 5, "MOVIE"}, {"E:", 5, std::nullopt}});
  EXPECT_EQ(Scan(), 2);
  EXPECT_EQ(state().DriveList, (Strings{"MOVIE (D:)", "<Please insert a DVD> (E:)"}));
  EXPECT_EQ(state().DriveRoots, (Strings{"D:", "E:"}));
}

TEST_F(Discs, WritesEveryLabelAsItStands) {
  Drives({{"D:", 5, ""},
          {"E:", 5, std::string(32, ' ')},
          {"F:", 5, "MY (SPECIAL) MOVIE"},
          {"G:", 5, std::string("AB\0CD", 5)},
          {"H:", 5, "Caf\xc3\xa9 \xff"}});
  EXPECT_EQ(Scan(), 5);
  EXPECT_EQ(state().DriveList,
            (Strings{" (D:)", std::string(32, ' ') + " (E:)", "MY (SPECIAL) MOVIE (F:)", "AB (G:)",
                     "Caf\xc3\xa9 \xff (H:)"}));
}

TEST_F(Discs, TheNoDiscTextComesFromTheLanguagePack) {
  fakes::WriteFile(programDir / "Lang/English.ini", "[Language Pack]\r\n06=<Keine DVD>\r\n");
  Drives({{"/dev/sr0", 5, std::nullopt}});
  Scan();
  EXPECT_EQ(state().DriveList, Strings{"<Keine DVD> (/dev/sr0)"});
}

TEST_F(Discs, ALaterScanWithFewerDrivesShrinksTheListsAndTheMenu) {
  Drives({{"D:", 5, "A"}, {"E:", 5, "B"}, {"F:", 5, "C"}});
  app.optionsDialog().fileMenu_Click();
  EXPECT_EQ(MenuCaptions(), (Strings{"A (D:)", "B (E:)", "C (F:)"}));
  Drives({{"E:", 5, "B"}});
  app.optionsDialog().fileMenu_Click();
  EXPECT_EQ(state().DriveList, Strings{"B (E:)"});
  EXPECT_EQ(state().DriveRoots, Strings{"E:"});
  EXPECT_EQ(MenuCaptions(), Strings{"B (E:)"});
}

TEST_F(Discs, AScanWithoutDrivesKeepsTheLastRoots) {
  Drives({{"D:", 5, "A"}, {"E:", 5, "B"}});
  app.optionsDialog().fileMenu_Click();
  Drives({{"C:", 3, "SYSTEM"}});
  app.optionsDialog().fileMenu_Click();
  EXPECT_TRUE(state().DriveList.empty());
  EXPECT_EQ(state().DriveRoots, (Strings{"D:", "E:"}));
  EXPECT_EQ(MenuCaptions(), Strings{"<No DVD drives were found>"});
}

TEST_F(Discs, TwentySixDrivesAreAllListed) {
  std::vector<Drive> drives;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    drives.push_back({std::string(1, letter) + ":", 5, std::string("L") + letter});
  }
  Drives(drives);
  app.optionsDialog().fileMenu_Click();
  EXPECT_EQ(MenuCaptions().size(), 26u);
  EXPECT_EQ(MenuCaptions().back(), "LZ (Z:)");
}

class OpeningDiscs : public Discs {
 protected:
  void SetUp() override {
    Drives({{"D:", 5, "MOVIE"}, {"E:", 5, "SECOND"}, {"F:", 5, std::nullopt}});
    app.optionsDialog().fileMenu_Click();
    main().SetLogoHideVisible(false);
    fake.log.Clear();
  }
};

TEST_F(OpeningDiscs, PickingAnEntryStopsQueuesAndPlaysItsDisc) {
  app.optionsDialog().dvdsList_Click(1);
  EXPECT_EQ(state().CurrentTarget, "E:");
  EXPECT_EQ(skin().variables[movievars::kDvdName], "SECOND (E:)");
  EXPECT_EQ(screen().variables[movievars::kFileName], "SECOND");
  EXPECT_EQ(EngineAndSleeps(),
            (Strings{"engine.PlaybackPosition", "engine.ClearQueue", "sleep(500)",
                     "engine.QueueItem(dvd://E:)", "sleep(500)", "engine.QueuedItemCount",
                     "engine.IsPlaying", "engine.StartPlayback", "sleep(500)"}));
  ASSERT_EQ(fake.engine.items.size(), 1u);
  EXPECT_EQ(fake.engine.items[0].options, state().EngineOptions);
  EXPECT_EQ(fake.engine.items[0].options.size(), 10u);
  EXPECT_EQ(fake.engine.items[0].mode, 2);
  EXPECT_EQ(fake.engine.items[0].position, 0);
  EXPECT_TRUE(main().logoHideVisible);
  EXPECT_EQ(main().timeElapsed, "LOADING...");
}

TEST_F(OpeningDiscs, AnEmptyDriveIsShownButNotPlayed) {
  app.optionsDialog().dvdsList_Click(2);
  EXPECT_EQ(state().CurrentTarget, "F:");
  EXPECT_EQ(skin().variables[movievars::kDvdName], "<Please insert a DVD> (F:)");
  EXPECT_TRUE(fake.engine.items.empty());
  EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(OpeningDiscs, AFailureAfterTheChecksClearsTheLoadingTextAndSaysSo) {
  fake.engine.failOn = "QueueItem";
  app.optionsDialog().dvdsList_Click(0);
  EXPECT_EQ(main().timeElapsed, "");
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0].text, "Please insert a valid DVD.");
  EXPECT_EQ(fake.messages.shown[0].title, "Tandrel");
  EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Critical);
  EXPECT_EQ(state().CurrentTarget, "D:");
}

TEST_F(OpeningDiscs, AStaleEntryIsIgnored) {
  for (int index : {3, 200, -1}) {
    app.optionsDialog().dvdsList_Click(index);
  }
  EXPECT_TRUE(fake.engine.items.empty());
  EXPECT_EQ(state().CurrentTarget, "");
}

TEST_F(OpeningDiscs, EveryPickReReadsTheConfigurationFirst) {
  fakes::WriteFile(programDir / "Config.cfg",
                   "English.ini\r\n/new/folder\r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n");
  Drives({});
  app.optionsDialog().fileMenu_Click();  // the no-drive entry
  app.optionsDialog().dvdsList_Click(0);
  EXPECT_EQ(state().settings.SnapshotFolder, "/new/folder");
  EXPECT_EQ(state().EngineOptions[1], "no-overlay");
  EXPECT_TRUE(fake.engine.items.empty());
}

TEST_F(OpeningDiscs, AnUnreadableConfigurationKeepsTheSettingsInForce) {
  const Settings before = state().settings;
  fakes::WriteFile(programDir / "Config.cfg", "English.ini\r\n/broken\r\n");
  app.optionsDialog().dvdsList_Click(0);
  EXPECT_EQ(state().settings, before);
  EXPECT_EQ(fake.engine.items.size(), 1u);
  EXPECT_EQ(fakes::ReadFile(programDir / "Config.cfg"), "English.ini\r\n/broken\r\n");
}

TEST_F(OpeningDiscs, LabelsWithParenthesesAndEmptyLabels) {
  Drives({{"D:", 5, "MY (SPECIAL) MOVIE"}, {"E:", 5, ""}});
  app.optionsDialog().fileMenu_Click();
  app.optionsDialog().dvdsList_Click(0);
  EXPECT_EQ(screen().variables[movievars::kFileName], "MY (SPECIAL) MOVIE");
  EXPECT_EQ(skin().variables[movievars::kDvdName], "MY (SPECIAL) MOVIE (D:)");
  app.optionsDialog().dvdsList_Click(1);
  EXPECT_EQ(screen().variables[movievars::kFileName], "");
  EXPECT_EQ(fake.engine.items.back().mediaLocator, "dvd://E:");
}

TEST_F(OpeningDiscs, AnEmptyNoDiscTextRefusesNothing) {
  fakes::WriteFile(programDir / "Lang/English.ini", "[Language Pack]\r\n06=\r\n");
  app.optionsDialog().dvdsList_Click(0);
  EXPECT_EQ(fake.engine.items.size(), 1u);
}

struct CommandLineCase {
  const char* name;
  bool posixRoots;
  std::vector<Drive> drives;
  std::string argument;
  std::optional<std::string> opened;
};

class CommandLine : public Discs, public testing::WithParamInterface<CommandLineCase> {};

TEST_P(CommandLine, OpensTheDriveItNamesExactly) {
  fake.drives.posixRoots = GetParam().posixRoots;
  Drives(GetParam().drives);
  main().PlayDVD(GetParam().argument);
  if (GetParam().opened) {
    ASSERT_EQ(fake.engine.items.size(), 1u);
    EXPECT_EQ(fake.engine.items[0].mediaLocator, *GetParam().opened);
  } else {
    EXPECT_TRUE(fake.engine.items.empty());
  }
}

const std::vector<Drive> kWindowsDrives = {{"C:", 3, "SYS"}, {"D:", 5, "A"}, {"E:", 5, "B"}};
const std::vector<Drive> kLinuxDrives = {{"/dev/sr0", 5, "A"}, {"/dev/sr1", 5, "B"}};

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLine,
    testing::Values(
        CommandLineCase{"WindowsRoot", false, kWindowsDrives, "D:\\", "dvd://D:"},
        CommandLineCase{"WindowsSecond", false, kWindowsDrives, "E:\\", "dvd://E:"},
        CommandLineCase{"WindowsLowerCase", false, kWindowsDrives, "d:\\", std::nullopt},
        CommandLineCase{"WindowsNoBackslash", false, kWindowsDrives, "D:", std::nullopt},
        CommandLineCase{"WindowsFixedDrive", false, kWindowsDrives, "C:\\", std::nullopt},
        CommandLineCase{"LinuxDevice", true, kLinuxDrives, "/dev/sr1", "dvd:///dev/sr1"},
        CommandLineCase{"LinuxWithBackslash", true, kLinuxDrives, "/dev/sr1\\", std::nullopt},
        CommandLineCase{"NoDrives", true, {}, "/dev/sr0", std::nullopt},
        CommandLineCase{"Empty", false, kWindowsDrives, "", std::nullopt}),
    [](const testing::TestParamInfo<CommandLineCase>& info) { return info.param.name; });

TEST_F(Discs, ExitEndsTheProgramEvenWhileLoading) {
  main().timeElapsed = "LOADING...";
  EXPECT_THROW(app.optionsDialog().exitCommand_Click(), fakes::FakeProcess::Ended);
  EXPECT_EQ(fake.process.endedWith, 0);
  EXPECT_TRUE(fake.windows["bar"].closed);
}

TEST_F(Discs, TheSkinsOpenCommandMovesTheTrayOfTheCurrentDrive) {
  skin().Send("open");  // no drive chosen yet
  Drives({{"D:", 5, "A"}});
  app.optionsDialog().fileMenu_Click();
  app.optionsDialog().dvdsList_Click(0);
  skin().Send("open");
  EXPECT_EQ(fake.tray.moves,
            (std::vector<std::pair<std::string, bool>>{{"", true}, {"D:", false}}));
}

struct TrayCase {
  const char* name;
  std::string drive;
  bool open;
  std::vector<uint32_t> failing;
  Strings calls;
};

class TrayMoves : public testing::TestWithParam<TrayCase> {};

TEST_P(TrayMoves, FollowTheMediaControlSequence) {
  fakes::FakeMci mci;
  mci.failing = GetParam().failing;
  MciTray tray(mci);
  tray.SetDoor(GetParam().drive, GetParam().open);
  EXPECT_EQ(mci.calls, GetParam().calls);
}

const std::string kOpenE = "open(0x2300,cdaudio,E:,null)";

INSTANTIATE_TEST_SUITE_P(
    Cases, TrayMoves,
    testing::Values(
        TrayCase{"Eject",
                 "E:\\",
                 true,
                 {},
                 {kOpenE, "command(8,0x080D,0x0100,none)", "command(8,0x0804,0x0000,generic)"}},
        TrayCase{"Close",
                 "E:\\",
                 false,
                 {},
                 {kOpenE, "command(8,0x080D,0x0200,none)", "command(8,0x0804,0x0000,generic)"}},
        TrayCase{"OneLetter",
                 "E",
                 true,
                 {},
                 {kOpenE, "command(8,0x080D,0x0100,none)", "command(8,0x0804,0x0000,generic)"}},
        TrayCase{"Empty", "", true, {}, {"open(0x2300,cdaudio,:,null)"}},
        TrayCase{"DoorFails",
                 "E:",
                 true,
                 {0x080D},
                 {kOpenE, "command(8,0x080D,0x0100,none)", "command(8,0x0804,0x0000,generic)"}}),
    [](const testing::TestParamInfo<TrayCase>& info) { return info.param.name; });

}  // namespace
}  // namespace tandrel
