#include <gtest/gtest.h>

#include "components/movie_variables.h"
#include "fakes/started_app.h"

namespace tandrel {
namespace {

using Calls = std::vector<std::string>;

class ControlBar : public fakes::StartedApp {};

TEST_F(ControlBar, StandsCentredThirtyPixelsAboveTheBottomOfTheScreen) {
  EXPECT_EQ(fake.windows["bar"].geometry, (Rect{203, 473, 618, 265}));
  EXPECT_EQ(skin().width, 618);
  EXPECT_EQ(skin().height, 265);
  EXPECT_EQ(skin().path, tempDir / "~tandrel.tmp");
  EXPECT_EQ(skin().variables[movievars::kVolumeText], "Volume 50");
  EXPECT_FALSE(bar().DoorOpen);
}

struct CommandCase {
  const char* command;
  Calls calls;  // engine calls, sleeps and popups, in order
};

class SkinCommands : public ControlBar, public testing::WithParamInterface<CommandCase> {};

TEST_P(SkinCommands, ReachTheirActions) {
  fake.engine.queued = 1;
  fake.engine.position = 0.5;
  fake.engine.playing = true;
  skin().Send(GetParam().command, "ignored argument");
  Calls calls;
  for (const std::string& call : fake.log.calls()) {
    if (call.rfind("engine.", 0) == 0 || call.rfind("sleep", 0) == 0 ||
        call.rfind("popup", 0) == 0 || call.rfind("hooks.BeginDrag", 0) == 0) {
      calls.push_back(call);
    }
  }
  EXPECT_EQ(calls, GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SkinCommands,
    testing::Values(
        CommandCase{"play", {"engine.QueuedItemCount", "engine.IsPlaying"}},
        CommandCase{"pause",
                    {"engine.PlaybackPosition", "engine.IsPlaying", "engine.PausePlayback"}},
        CommandCase{"stop", {"engine.PlaybackPosition", "engine.StopPlayback", "sleep(500)"}},
        CommandCase{"rewind", {"engine.PlaybackPosition", "engine.JumpBy(-1)"}},
        CommandCase{"ff", {"engine.PlaybackPosition", "engine.JumpBy(1)"}},
        CommandCase{"mute", {"engine.ToggleAudioMute"}},
        CommandCase{"vol+", {"engine.SetVolume(51)"}},
        CommandCase{"vol-", {"engine.SetVolume(49)"}},
        CommandCase{"fullscreen",
                    {"engine.SetEngineVariable(key-fullscreen,102)",
                     "engine.SetEngineVariable(key-pressed,102)"}},
        CommandCase{"navup",
                    {"engine.SetEngineVariable(key-nav-up,117)",
                     "engine.SetEngineVariable(key-pressed,117)"}},
        CommandCase{"navdown",
                    {"engine.SetEngineVariable(key-nav-down,100)",
                     "engine.SetEngineVariable(key-pressed,100)"}},
        CommandCase{"navright",
                    {"engine.SetEngineVariable(key-nav-right,114)",
                     "engine.SetEngineVariable(key-pressed,114)"}},
        CommandCase{"navleft",
                    {"engine.SetEngineVariable(key-nav-left,108)",
                     "engine.SetEngineVariable(key-pressed,108)"}},
        CommandCase{"enter",
                    {"engine.SetEngineVariable(key-nav-activate,97)",
                     "engine.SetEngineVariable(key-pressed,97)"}},
        CommandCase{"drivers", {"popup(openMenu)"}}, CommandCase{"help", {"popup(helpMenu)"}},
        CommandCase{"open", {"engine.StopPlayback"}},
        // Names are compared whole and with case.
        CommandCase{"Play", {}}, CommandCase{"play ", {}}, CommandCase{" play", {}},
        CommandCase{"", {}}, CommandCase{"POWER", {}}, CommandCase{"vol +", {}},
        CommandCase{"idc_fs_drag", {}}),
    [](const testing::TestParamInfo<CommandCase>& info) {
      std::string name;
      for (char c : std::string(info.param.command)) {
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      }
      return name.empty() ? std::string("empty") : name + "_" + std::to_string(info.index);
    });

TEST_F(ControlBar, TheSkinDragsTheBarOnly) {
  skin().Send("IDC_FS_drag");
  EXPECT_EQ(fake.hooks.drags, std::vector<NativeWindow>{fake.windows["bar"].handle});
}

TEST_F(ControlBar, AVeryLongUnknownCommandIsIgnored) {
  skin().Send(std::string(10000, 'p'));
  EXPECT_TRUE(fake.log.calls().empty());
}

TEST_F(ControlBar, VolumeStepsStopAtTheirLimits) {
  main().volumeSlider = 100;
  skin().Send("vol+");
  main().volumeSlider = 0;
  skin().Send("vol-");
  EXPECT_TRUE(fake.log.calls().empty());

  main().volumeSlider = 99;
  skin().Send("vol+");
  EXPECT_EQ(main().volumeSlider, 100);
  EXPECT_EQ(skin().variables[movievars::kVolumeText], "Volume 100");
}

TEST_F(ControlBar, RaisingTheVolumeWhileMutedUnmutes) {
  skin().Send("mute");
  skin().Send("vol+");
  EXPECT_EQ(main().muteStatus.caption, "U");
  EXPECT_FALSE(fake.engine.muted);
  EXPECT_EQ(fake.engine.volume, 51);
}

TEST_F(ControlBar, TheVolumeTextFollowsTheLanguage) {
  fakes::WriteFile(programDir / "Lang/English.ini", "[Language Pack]\r\n032=Lautst\xc3\xa4rke\r\n");
  skin().Send("vol-");
  EXPECT_EQ(skin().variables[movievars::kVolumeText], "Lautst\xc3\xa4rke 49");
}

TEST_F(ControlBar, OpenTogglesTheDoorAndStopsStraightAway) {
  skin().variables[movievars::kDvdName] = "MOVIE (/dev/sr0)";
  main().timeElapsed = "LOADING...";
  skin().Send("open");
  EXPECT_TRUE(bar().DoorOpen);
  EXPECT_EQ(skin().variables[movievars::kDvdName], "<No DVD drive is selected>");
  EXPECT_EQ(main().timeElapsed, "LOADING...");  // none of the stop button's rules
  EXPECT_TRUE(fake.clock.sleeps.empty());
  skin().Send("open");
  EXPECT_FALSE(bar().DoorOpen);
  EXPECT_EQ(fake.engine.variables.size(), 0u);
}

TEST_F(ControlBar, PowerEndsAtOnceWithoutUnhooking) {
  EXPECT_THROW(skin().Send("power"), fakes::FakeProcess::Ended);
  EXPECT_EQ(fake.process.endedWith, 0);
  EXPECT_FALSE(fake.log.Contains("hooks.Restore(MacromediaFlashPlayerActiveX)"));
  EXPECT_FALSE(fake.windows["bar"].closed);
}

TEST_F(ControlBar, MinimizeHidesTheMainWindowUntilTheBarIsRestored) {
  skin().Send("minimize");
  EXPECT_EQ(fake.windows["bar"].state, WindowState::Minimized);
  EXPECT_FALSE(fake.windows["main"].visible);
  bar().Form_Resize();  // still minimised
  EXPECT_FALSE(fake.windows["main"].visible);
  fake.windows["bar"].state = WindowState::Normal;
  bar().Form_Resize();
  EXPECT_TRUE(fake.windows["main"].visible);

  skin().Send("minimize");
  fake.windows["bar"].state = WindowState::Normal;
  bar().Form_Paint();
  EXPECT_TRUE(fake.windows["main"].visible);
}

TEST_F(ControlBar, OptionsRefillsTheDialogBeforeRunningIt) {
  skin().Send("options");
  EXPECT_FALSE(fake.windows["options"].closed);
}

TEST_F(ControlBar, ClosingWhileADiscLoadsStillClosesAndUnhooksBoth) {
  main().timeElapsed = "LOADING...";
  bar().Form_Unload();
  EXPECT_TRUE(fake.windows["bar"].closed);
  EXPECT_TRUE(fake.log.Contains("hooks.Restore(MacromediaFlashPlayerActiveX)"));
  EXPECT_EQ(fake.hooks.Current(fake.windows.MovieView("main")),
            fakes::FakeWindowHooks::Own(fake.windows.MovieView("main")));
  EXPECT_EQ(fake.hooks.Current(fake.windows.MovieView("bar")),
            fakes::FakeWindowHooks::Own(fake.windows.MovieView("bar")));
  EXPECT_FALSE(fake.windows["main"].closed);
}

TEST_F(ControlBar, AFailingActionPassesOutOfTheCommand) {
  fake.engine.queued = 1;
  fake.engine.failOn = "StartPlayback";
  EXPECT_THROW(skin().Send("play"), std::runtime_error);
}

}  // namespace
}  // namespace tandrel
