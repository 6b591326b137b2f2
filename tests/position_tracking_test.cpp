#include <gtest/gtest.h>

#include <cmath>

#include "components/movie_variables.h"
#include "fakes/started_app.h"
#include "playback/position_text.h"

namespace tandrel {
namespace {

TEST(FormatTime, WritesHoursMinutesAndSecondsOfAtLeastTwoDigits) {
  const std::pair<int32_t, const char*> cases[] = {
      {0, "00:00:00"},     {59, "00:00:59"},      {3599, "00:59:59"},
      {3600, "01:00:00"},  {3661, "01:01:01"},    {7322, "02:02:02"},
      {86399, "23:59:59"}, {360000, "100:00:00"}, {2147483647, "596523:14:07"},
      {-1, "00:00:00"},
  };
  for (const auto& [seconds, text] : cases) {
    EXPECT_EQ(FormatTime(seconds), text) << seconds;
  }
}

TEST(KnobText, WritesSevenSignificantDigitsWithTheUsersSeparator) {
  const std::tuple<double, const char*, const char*> cases[] = {
      {0.5, ".", "50"},
      {0.123456, ".", "12.3456"},
      {0.123456, ",", "12,3456"},
      {1.0, ".", "100"},
      {0.0, ".", "0"},
      {1.0 / 3, ".", "33.33333"},
      {0.0000001, ".", "0"},
      {0.000002, ".", "0.0002"},
      {1.5, ".", "150"},
      {std::nan(""), ".", "0"},
  };
  for (const auto& [position, separator, text] : cases) {
    EXPECT_EQ(KnobText(position, separator), text) << position;
  }
}

TEST(ReadNumber, ReadsTheNumberATextBeginsWith) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"50", 50.0},
      {"150", 150.0},
      {"", 0.0},
      {"abc", 0.0},
      {"-5", -5.0},
      {"  42.5xyz", 42.5},
      {"4 2", 42.0},
      {"1e2", 100.0},
      {"1e", 1.0},
      {"2.5e-1x", 0.25},
      {".5", 0.5},
      {"1,5", 1.0},
      {"1e999", std::nullopt},
      {"1e-999", 0.0},
      {"+7", 7.0},
      {"--7", 0.0},
  };
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(ReadNumber(text), value) << text;
  }
}

class PositionTracking : public fakes::StartedApp {
 protected:
  void Playing(double position, int elapsed, int length) {
    fake.engine.queued = 1;
    fake.engine.playing = true;
    fake.engine.position = position;
    fake.engine.elapsed = elapsed;
    fake.engine.length = length;
  }
  void NothingOpen() {
    fake.engine.playing = false;
    fake.engine.position = -1;
  }
  std::string SkinTime() { return skin().variables[movievars::kTimeElapsed]; }
};

TEST_F(PositionTracking, TheTimerTicksEveryTenMilliseconds) {
  ASSERT_EQ(fake.timers.timers.size(), 1u);
  EXPECT_EQ(fake.timers.timers[0]->intervalMs, 10);
  EXPECT_TRUE(fake.timers.timers[0]->running);
}

TEST_F(PositionTracking, TheLoadingTextStaysUntilPlaybackIsSeen) {
  main().timeElapsed = "LOADING...";
  Tick();  // still nothing open
  EXPECT_EQ(main().timeElapsed, "LOADING...");
  EXPECT_TRUE(main().logoHideVisible);
  EXPECT_FALSE(main().playButton.enabled);

  Playing(0.25, 725, 7120);
  Tick();
  EXPECT_EQ(main().timeElapsed, "00:12:05/01:58:40");
  EXPECT_EQ(SkinTime(), "00:12:05/01:58:40");
  EXPECT_EQ(screen().variables[movievars::kKnobPosition], "25");
  EXPECT_FALSE(main().logoHideVisible);
  EXPECT_TRUE(main().playButton.enabled);
  EXPECT_TRUE(app.optionsDialog().menus.editMenu.enabled);
}

TEST_F(PositionTracking, WhilePausedEverythingStaysFrozen) {
  Playing(0.25, 725, 7120);
  Tick();
  fake.engine.playing = false;
  fake.engine.position = 0.3;
  fake.engine.elapsed = 900;
  fake.log.Clear();
  Tick();
  EXPECT_EQ(main().timeElapsed, "00:12:05/01:58:40");
  EXPECT_EQ(screen().variables[movievars::kKnobPosition], "25");
  EXPECT_TRUE(main().playButton.enabled);
  EXPECT_EQ(EngineCalls(), (std::vector<std::string>{"engine.PlaybackPosition", "engine.IsPlaying",
                                                     "engine.IsPlaying"}));
}

TEST_F(PositionTracking, AfterStoppingTheFirstTickClearsAndLaterOnesOnlyKeepTheCover) {
  Playing(0.5, 10, 20);
  Tick();
  NothingOpen();
  Tick();
  EXPECT_EQ(main().timeElapsed, "");
  EXPECT_EQ(SkinTime(), "");
  EXPECT_FALSE(main().playButton.enabled);
  EXPECT_TRUE(main().logoHideVisible);

  main().timeElapsed = "LOADING...";
  fake.log.Clear();
  Tick();
  EXPECT_EQ(main().timeElapsed, "LOADING...");
  EXPECT_FALSE(fake.log.Contains("gui.Set(_level0.pad.timeElapsed1.text=)"));
}

TEST_F(PositionTracking, AFailingEngineLosesOneTickOnly) {
  Playing(0.5, 10, 20);
  fake.engine.failOn = "ElapsedSeconds";
  Tick();
  EXPECT_EQ(main().timeElapsed, "");
  fake.engine.failOn.clear();
  Tick();
  EXPECT_EQ(main().timeElapsed, "00:00:10/00:00:20");
}

TEST_F(PositionTracking, TheKnobFollowsTheUsersSeparator) {
  fake.locale.separator = ",";
  Playing(0.123456, 1, 2);
  Tick();
  EXPECT_EQ(screen().variables[movievars::kKnobPosition], "12,3456");
}

struct KnobCase {
  const char* argument;
  std::optional<float> position;  // nothing: the position is left alone
};

TEST_F(PositionTracking, TheKnobSeeksUnclampedAndIgnoresWhatIsNoPosition) {
  const KnobCase cases[] = {
      {"50", 0.5F},   {"150", 1.5F},         {"abc", 0.0F},           {"", 0.0F},
      {"-5", -0.05F}, {"  42.5xyz", 0.425F}, {"1e999", std::nullopt}, {"1e300", std::nullopt},
  };
  for (const KnobCase& c : cases) {
    fake.engine.position = 0.75;
    screen().Send("IDC_FS_KnobReleased", c.argument);
    EXPECT_EQ(fake.engine.position, c.position ? static_cast<double>(*c.position) : 0.75)
        << c.argument;
    EXPECT_TRUE(std::isfinite(fake.engine.position));
  }
}

TEST_F(PositionTracking, TheKnobDoesNothingWhileNothingIsOpen) {
  NothingOpen();
  screen().Send("IDC_FS_KnobReleased", "50");
  EXPECT_EQ(fake.engine.position, -1);
  EXPECT_FALSE(fake.log.Contains("engine.SetPlaybackPosition"));
}

TEST_F(PositionTracking, TheScreenMovieDragsTheMainWindowOnly) {
  screen().Send("IDC_FS_drag");
  screen().Send("idc_fs_drag");
  ASSERT_EQ(fake.hooks.drags.size(), 1u);
  EXPECT_EQ(fake.hooks.drags[0], fake.windows["main"].handle);
}

}  // namespace
}  // namespace tandrel
