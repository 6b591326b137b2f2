#include <gtest/gtest.h>

#include "fakes/started_app.h"

namespace tandrel {
namespace {

using Calls = std::vector<std::string>;

// The engine's state and the panel's state before an operation.
struct Before {
  int queued = 0;
  bool playing = false;
  double position = -1;
  bool transportEnabled = false;
  std::string timeElapsed;
};

struct TransportCase {
  const char* name;
  void (MainForm::*operation)();
  Before before;
  Calls engineCalls;
  std::string timeElapsedAfter;
};

class Transport : public fakes::StartedApp, public testing::WithParamInterface<TransportCase> {};

TEST_P(Transport, ChecksTheEngineFirstAndActsOnlyWhenTheGuardPasses) {
  const TransportCase& c = GetParam();
  fake.engine.queued = c.before.queued;
  fake.engine.playing = c.before.playing;
  fake.engine.position = c.before.position;
  main().EnableTransport(c.before.transportEnabled);
  main().timeElapsed = c.before.timeElapsed;
  (main().*c.operation)();
  EXPECT_EQ(EngineCalls(), c.engineCalls);
  EXPECT_EQ(main().timeElapsed, c.timeElapsedAfter);
}

const Calls kPlayGuards = {"engine.QueuedItemCount", "engine.IsPlaying"};

INSTANTIATE_TEST_SUITE_P(
    Cases, Transport,
    testing::Values(TransportCase{"PlayNothingQueued",
                                  &MainForm::playButton_Click,
                                  {0, false, -1, false, ""},
                                  {"engine.QueuedItemCount"},
                                  ""},
                    TransportCase{"PlayWhilePlaying",
                                  &MainForm::playButton_Click,
                                  {1, true, 0.2, true, "t"},
                                  kPlayGuards,
                                  "t"},
                    TransportCase{"PlayFreshDisc",
                                  &MainForm::playButton_Click,
                                  {1, false, -1, false, ""},
                                  {"engine.QueuedItemCount", "engine.IsPlaying",
                                   "engine.StartPlayback", "sleep(500)"},
                                  "LOADING..."},
                    TransportCase{"PlayResumes",
                                  &MainForm::playButton_Click,
                                  {1, false, 0.4, true, "t"},
                                  {"engine.QueuedItemCount", "engine.IsPlaying",
                                   "engine.StartPlayback", "sleep(500)"},
                                  "t"},
                    TransportCase{
                        "PauseWhilePlaying",
                        &MainForm::pauseButton_Click,
                        {1, true, 0.4, true, ""},
                        {"engine.PlaybackPosition", "engine.IsPlaying", "engine.PausePlayback"},
                        ""},
                    TransportCase{"PauseWhilePaused",
                                  &MainForm::pauseButton_Click,
                                  {1, false, 0.4, true, ""},
                                  {"engine.PlaybackPosition", "engine.IsPlaying"},
                                  ""},
                    TransportCase{"PauseNothingOpen",
                                  &MainForm::pauseButton_Click,
                                  {0, true, -1, false, ""},
                                  {"engine.PlaybackPosition", "engine.IsPlaying"},
                                  ""},
                    TransportCase{"StopWhileLoading",
                                  &MainForm::stopButton_Click,
                                  {1, true, 0.1, false, "LOADING..."},
                                  {},
                                  "LOADING..."},
                    TransportCase{"StopNothingOpen",
                                  &MainForm::stopButton_Click,
                                  {0, false, -1, false, "t"},
                                  {"engine.PlaybackPosition"},
                                  ""},
                    TransportCase{"StopPlaying",
                                  &MainForm::stopButton_Click,
                                  {1, true, 0.5, true, "t"},
                                  {"engine.PlaybackPosition", "engine.StopPlayback", "sleep(500)"},
                                  ""},
                    TransportCase{"ForwardOpen",
                                  &MainForm::ffButton_Click,
                                  {1, false, 0.5, true, ""},
                                  {"engine.PlaybackPosition", "engine.JumpBy(1)"},
                                  ""},
                    TransportCase{"ForwardNothingOpen",
                                  &MainForm::ffButton_Click,
                                  {0, false, -1, false, ""},
                                  {"engine.PlaybackPosition"},
                                  ""},
                    TransportCase{"BackOpen",
                                  &MainForm::rewindButton_Click,
                                  {1, true, 0.5, true, ""},
                                  {"engine.PlaybackPosition", "engine.JumpBy(-1)"},
                                  ""},
                    TransportCase{"BackNothingOpen",
                                  &MainForm::rewindButton_Click,
                                  {0, false, -1, false, ""},
                                  {"engine.PlaybackPosition"},
                                  ""},
                    TransportCase{"FullScreen",
                                  &MainForm::FullScreen,
                                  {0, false, -1, false, ""},
                                  {"engine.SetEngineVariable(key-fullscreen,102)",
                                   "engine.SetEngineVariable(key-pressed,102)"},
                                  ""}),
    [](const testing::TestParamInfo<TransportCase>& info) { return info.param.name; });

class TransportState : public fakes::StartedApp {};

TEST_F(TransportState, TwoMuteTogglesRestoreTheGlyphAndTheSound) {
  main().muteStatus_Click();
  EXPECT_EQ(main().muteStatus.caption, "V");
  EXPECT_TRUE(fake.engine.muted);
  main().muteStatus_Click();
  EXPECT_EQ(main().muteStatus.caption, "U");
  EXPECT_FALSE(fake.engine.muted);
}

TEST_F(TransportState, AVolumeChangeUnmutesFirst) {
  main().muteStatus_Click();
  fake.log.Clear();
  main().volumeSlider = 70;
  main().volumeSlider_MouseMove(1, 0, 0, 0);
  EXPECT_EQ(EngineCalls(), (Calls{"engine.ToggleAudioMute", "engine.SetVolume(70)"}));
  EXPECT_EQ(main().muteStatus.caption, "U");
}

TEST_F(TransportState, TheVolumeIgnoresOtherButtons) {
  main().muteStatus_Click();
  fake.log.Clear();
  main().volumeSlider = 70;
  main().volumeSlider_MouseMove(0, 0, 0, 0);
  main().volumeSlider_MouseMove(2, 0, 0, 0);
  EXPECT_TRUE(EngineCalls().empty());
  EXPECT_EQ(main().muteStatus.caption, "V");
}

TEST_F(TransportState, EngineFailuresPassToTheCaller) {
  fake.engine.queued = 1;
  fake.engine.failOn = "StartPlayback";
  EXPECT_THROW(main().playButton_Click(), std::runtime_error);
}

}  // namespace
}  // namespace tandrel
