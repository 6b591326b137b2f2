#include "controlbar/dvd_bar_form.h"

#include <exception>

#include "app/application.h"
#include "app/main_form.h"
#include "app/paths.h"
#include "components/hot_keys.h"
#include "components/movie_variables.h"
#include "controlbar/hooking.h"

namespace tandrel {

DvdBarForm::DvdBarForm(Application& app) : app_(app) {}

void DvdBarForm::Load() {
  if (IsLoaded()) {
    return;
  }
  Platform& platform = app_.platform();
  window_ = platform.windows.CreateControlBar(*this);
  gui().SetCommandHandler([this](const std::string& command, const std::string& args) {
    gui_FSCommand(command, args);
  });

  StartHook();
  gui().SetMoviePath(SkinFilePath(platform.environment));
  gui().SetSize(kWidth, kHeight);
  const ScreenSize screen = platform.windows.PrimaryScreen();
  window_->SetGeometry(
      Rect{(screen.width - kWidth) / 2, screen.height - kHeight - kBottomGap, kWidth, kHeight});
  gui().SetMovieVariable(movievars::kVolumeText, app_.mainForm().VolumeText());
  DoorOpen = false;
}

void DvdBarForm::Form_Unload() {
  if (!IsLoaded() || closing_) {
    return;
  }
  closing_ = true;
  // The main window's unload handling asks the bar to close again; `closing_` makes that a
  // no-op. Its refusal (a disc loading) does not keep the bar open.
  int cancel = 0;
  app_.mainForm().Form_Unload(cancel);
  StopHook();
  window_->Close();
  window_.reset();
  closing_ = false;
}

void DvdBarForm::Form_Paint() {
  MainForm& main = app_.mainForm();
  if (!main.IsClosed() && !main.window().IsVisible()) {
    main.window().Show();
  }
}

void DvdBarForm::Form_Resize() {
  MainForm& main = app_.mainForm();
  if (!main.IsClosed() && !main.window().IsVisible() && IsLoaded() &&
      window_->State() != WindowState::Minimized) {
    main.window().Show();
  }
}

void DvdBarForm::gui_FSCommand(const std::string& command, const std::string&) {
  Platform& platform = app_.platform();
  MainForm& main = app_.mainForm();
  if (command == "IDC_FS_drag") {
    DragWindow(platform.hooks, window_->NativeHandle());
  } else if (command == "power") {
    platform.process.EndProcess(0);
  } else if (command == "drivers") {
    OptionsDialog& options = app_.optionsDialog();
    options.fileMenu_Click();
    platform.windows.PopupMenu(options, PopupMenuId::Open);
  } else if (command == "vol+") {
    VolumeStep(+1);
  } else if (command == "vol-") {
    VolumeStep(-1);
  } else if (command == "play") {
    main.playButton_Click();
  } else if (command == "rewind") {
    main.rewindButton_Click();
  } else if (command == "minimize") {
    window_->SetState(WindowState::Minimized);
    if (!main.IsClosed()) {
      main.window().Hide();
    }
  } else if (command == "ff") {
    main.ffButton_Click();
  } else if (command == "stop") {
    main.stopButton_Click();
  } else if (command == "pause") {
    main.pauseButton_Click();
  } else if (command == "mute") {
    main.muteStatus_Click();
  } else if (command == "help") {
    platform.windows.PopupMenu(app_.optionsDialog(), PopupMenuId::Help);
  } else if (command == "options") {
    app_.optionsDialog().Form_Load();
    main.optionsMenuCommand_Click();
  } else if (command == "snapshot") {
    main.Snapshot();
  } else if (command == "open") {
    gui().SetMovieVariable(movievars::kDvdName, kNoDriveSelected);
    // Straight to the engine: none of the stop button's guards or waits.
    platform.engine.StopPlayback();
    // Inverted whatever the tray then does, so a failed attempt is followed by the opposite.
    DoorOpen = !DoorOpen;
    SetDoor(app_.state().CurrentTarget, DoorOpen);
  } else if (command == "fullscreen") {
    main.FullScreen();
  } else if (command == "navup") {
    SendHotKey(platform.engine, hotkeys::kNavUp, 'u');
  } else if (command == "navdown") {
    SendHotKey(platform.engine, hotkeys::kNavDown, 'd');
  } else if (command == "navright") {
    SendHotKey(platform.engine, hotkeys::kNavRight, 'r');
  } else if (command == "navleft") {
    SendHotKey(platform.engine, hotkeys::kNavLeft, 'l');
  } else if (command == "enter") {
    SendHotKey(platform.engine, hotkeys::kNavActivate, 'a');
  }
}

void DvdBarForm::VolumeStep(int step) {
  MainForm& main = app_.mainForm();
  if ((step > 0 && main.volumeSlider >= 100) || (step < 0 && main.volumeSlider <= 0)) {
    return;
  }
  main.volumeSlider += step;
  main.volumeSlider_MouseMove(1, 0, 0, 0);
  gui().SetMovieVariable(movievars::kVolumeText, main.VolumeText());
}

void DvdBarForm::StartHook() {
  app_.hooking().HookFormMovie(window_->NativeHandle(), Hooking::MovieKind::Skin, true);
}

void DvdBarForm::StopHook() {
  app_.hooking().HookFormMovie(window_->NativeHandle(), Hooking::MovieKind::Skin, false);
}

void DvdBarForm::Eject(const std::string& drive) {
  SetDoor(drive, true);
}

void DvdBarForm::CloseDoor(const std::string& drive) {
  SetDoor(drive, false);
}

void DvdBarForm::SetDoor(const std::string& drive, bool open) {
  app_.platform().tray.SetDoor(drive, open);
}

}  // namespace tandrel
