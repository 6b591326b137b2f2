// The main window's timer tick and the screen movie's commands.
#include <cmath>
#include <exception>

#include "app/application.h"
#include "app/main_form.h"
#include "components/movie_variables.h"
#include "controlbar/hooking.h"
#include "playback/position_text.h"

namespace tandrel {

void MainForm::movieTimer_Timer() {
  if (IsClosed()) {
    return;
  }
  Platform& platform = app_.platform();
  VideoEngine& engine = platform.engine;
  try {
    const double position = engine.PlaybackPosition();
    const bool playing = engine.IsPlaying();
    if (position < 0 && !playing) {
      // Nothing open.
      if (playButton.enabled) {
        EnableTransport(false);
        timeElapsed.clear();
        SetSkinTime("");
      }
      SetLogoHideVisible(true);
      return;
    }
    if (!engine.IsPlaying()) {
      return;  // open but paused: everything stays as it is
    }
    const int elapsed = engine.ElapsedSeconds();
    const int length = engine.LengthSeconds();
    timeElapsed = FormatTime(elapsed) + "/" + FormatTime(length);
    SetSkinTime(timeElapsed);
    player().SetMovieVariable(
        movievars::kKnobPosition,
        KnobText(engine.PlaybackPosition(), platform.locale.DecimalSeparator()));
    SetLogoHideVisible(false);
    if (!playButton.enabled) {
      EnableTransport(true);
    }
  } catch (const std::exception&) {
    // Only this tick is lost; the next one starts afresh.
  }
}

void MainForm::SetSkinTime(const std::string& text) {
  // A tick never loads the bar: one that comes while start-up is still under way would load it
  // before the volume is known, and one after the bar was closed would bring it back.
  if (DvdBarForm* bar = app_.loadedDvdBarForm()) {
    bar->gui().SetMovieVariable(movievars::kTimeElapsed, text);
  }
}

void MainForm::SetLogoHideVisible(bool visible) {
  if (logoHideVisible != visible) {
    logoHideVisible = visible;
    window_->Refresh();
  }
}

void MainForm::player_FSCommand(const std::string& command, const std::string& args) {
  Platform& platform = app_.platform();
  if (command == "IDC_FS_drag") {
    if (!IsClosed()) {
      DragWindow(platform.hooks, window_->NativeHandle());
    }
  } else if (command == "IDC_FS_KnobReleased") {
    if (platform.engine.PlaybackPosition() < 0) {
      return;
    }
    const std::optional<double> knob = ReadNumber(args);
    if (!knob) {
      return;
    }
    // The knob's 0 to 100, as the engine's 0 to 1 in single precision. A number beyond what
    // that can hold is no position at all, and is not passed on.
    const float position = static_cast<float>(*knob) / 100.0F;
    if (!std::isfinite(position)) {
      return;
    }
    platform.engine.SetPlaybackPosition(position);
  }
}

}  // namespace tandrel
