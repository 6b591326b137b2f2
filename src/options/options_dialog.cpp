#include "options/options_dialog.h"

#include "app/application.h"

namespace tandrel {

OptionsDialog::OptionsDialog(Application& app) : app_(app) {}

void OptionsDialog::Load() {
  if (IsLoaded()) {
    return;
  }
  menus = HiddenMenus{};
  title = "Options";
  languageFrameCaption = "Language";
  languageLabelCaption = "Select Language";
  okButtonCaption = "OK";
  cancelButtonCaption = "Cancel";
  window_ = app_.platform().windows.CreateOptionsWindow(*this);
  Form_Load();
}

void OptionsDialog::Unload() {
  if (!IsLoaded()) {
    return;
  }
  window_->Close();
  window_.reset();
}

void OptionsDialog::Form_Load() {
  // The dialog's controls arrive with the settings dialog itself; until then there is nothing
  // to fill.
}

}  // namespace tandrel
