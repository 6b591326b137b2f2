#include "controlbar/dvd_bar_form.h"

#include "app/application.h"
#include "app/main_form.h"
#include "app/paths.h"
#include "components/movie_variables.h"

namespace tandrel {

DvdBarForm::DvdBarForm(Application& app) : app_(app) {}

void DvdBarForm::Load() {
  if (IsLoaded()) {
    return;
  }
  Platform& platform = app_.platform();
  window_ = platform.windows.CreateControlBar(*this);

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

void DvdBarForm::StartHook() {
  // The skin's view filters the right button and the menu key once the hooks exist.
}

void DvdBarForm::StopHook() {}

}  // namespace tandrel
