// The transport operations of the main window.
#include "app/application.h"
#include "app/main_form.h"
#include "components/hot_keys.h"

namespace tandrel {
namespace {

constexpr int kFullScreenKey = 'f';
// The mute button's glyphs.
const std::string kSoundOn = "U";
const std::string kMuted = "V";

}  // namespace

void MainForm::playButton_Click() {
  VideoEngine& engine = app_.platform().engine;
  if (engine.QueuedItemCount() <= 0) {
    return;
  }
  if (engine.IsPlaying()) {
    return;
  }
  // A disabled play button means nothing has played since the display was cleared: a disc is
  // starting, not resuming.
  if (!playButton.enabled) {
    timeElapsed = LoadingText();
  }
  engine.StartPlayback();
  app_.platform().clock.Sleep(kEngineWaitMs);
}

void MainForm::pauseButton_Click() {
  VideoEngine& engine = app_.platform().engine;
  const bool open = engine.PlaybackPosition() >= 0;
  const bool playing = engine.IsPlaying();
  if (open && playing) {
    engine.PausePlayback();
  }
}

void MainForm::stopButton_Click() {
  if (timeElapsed == LoadingText()) {
    return;
  }
  timeElapsed.clear();
  VideoEngine& engine = app_.platform().engine;
  if (engine.PlaybackPosition() < 0) {
    return;
  }
  engine.StopPlayback();
  app_.platform().clock.Sleep(kEngineWaitMs);
}

void MainForm::ffButton_Click() {
  VideoEngine& engine = app_.platform().engine;
  if (engine.PlaybackPosition() >= 0) {
    engine.JumpBy(+1);
  }
}

void MainForm::rewindButton_Click() {
  VideoEngine& engine = app_.platform().engine;
  if (engine.PlaybackPosition() >= 0) {
    engine.JumpBy(-1);
  }
}

void MainForm::muteStatus_Click() {
  app_.platform().engine.ToggleAudioMute();
  const bool wasOn = muteStatus.caption == kSoundOn;
  muteStatus.caption = wasOn ? kMuted : kSoundOn;
}

void MainForm::volumeSlider_MouseMove(int button, int, int, int) {
  if (button != 1) {
    return;
  }
  if (muteStatus.caption == kMuted) {
    muteStatus_Click();
  }
  app_.platform().engine.SetVolume(volumeSlider);
}

void MainForm::FullScreen() {
  SendHotKey(app_.platform().engine, hotkeys::kFullscreen, kFullScreenKey);
}

}  // namespace tandrel
