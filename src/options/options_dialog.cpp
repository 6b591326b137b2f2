#include "options/options_dialog.h"

#include "app/application.h"
#include "app/configuration.h"
#include "app/paths.h"
#include "lang/keys.h"

namespace tandrel {

OptionsDialog::OptionsDialog(Application& app)
    : FolderBrowse1(app.platform().folderDialogs), app_(app) {}

void OptionsDialog::Reset() {
  static_cast<OptionsDialogState&>(*this) = OptionsDialogState{};
  FolderBrowse1.InitProperties();
}

void OptionsDialog::Load() {
  if (IsLoaded()) {
    return;
  }
  Reset();
  closedWindow_.reset();
  window_ = app_.platform().windows.CreateOptionsWindow(*this);
  FolderBrowse1.owner = window_->NativeHandle();
  Form_Load();
}

void OptionsDialog::Unload() {
  if (!IsLoaded()) {
    return;
  }
  window_->Close();
  closedWindow_ = std::move(window_);
}

void OptionsDialog::LoadLanguageList() {
  Settings& settings = app_.state().settings;
  File1.SetPath(ProgramFile(app_.platform().environment, kLangFolder));
  availableLanguages.clear();
  int selected = 0;  // numbered from 1; 0 for none
  for (int i = 0; i < File1.ListCount(); ++i) {
    const std::string& name = File1.List(i);
    if (name == settings.LanguageFile) {
      selected = i + 1;
    }
    availableLanguages.push_back(name.substr(0, name.size() >= 4 ? name.size() - 4 : 0));
  }
  if (selected == 0) {
    settings.LanguageFile = kDefaultLanguageFile;
    for (int i = 0; i < File1.ListCount(); ++i) {
      if (File1.List(i) == settings.LanguageFile) {
        selected = i + 1;
      }
    }
    if (selected == 0) {
      selected = 1;
    }
  }
  availableLanguagesIndex =
      selected <= static_cast<int>(availableLanguages.size()) ? selected - 1 : -1;
}

void OptionsDialog::Form_Load() {
  Settings& settings = app_.state().settings;
  LoadLanguageList();
  if (settings.SnapshotFolder.empty()) {
    settings.SnapshotFolder = app_.mainForm().GetDesktopFolder();
  }
  snapshotPath = settings.SnapshotFolder;
  // A check box holds 0 or 1; the settings count any other value as the one it stands for.
  chkOverlay = settings.UseOverlay != 0 ? 1 : 0;
  chkScreenSaver = settings.DisableScreenSaver == 1 ? 1 : 0;
  chkAutoPlay = settings.AutoPlay != 0 ? 1 : 0;
  const int style = settings.WallpaperStyle;
  cmbWallpaperTypeIndex =
      style >= 0 && style < static_cast<int>(cmbWallpaperTypeItems.size()) ? style : -1;
  if (settings.SnapshotTarget == 0) {
    optToFile_Click();
  } else if (settings.SnapshotTarget == 1) {
    optToClipboard_Click();
  } else {
    optToDesktop_Click();
  }
}

void OptionsDialog::EnableSnapshotControls(bool path, bool browse, bool wallpaper) {
  snapshotPathEnabled = path;
  snapshotsBrowseEnabled = browse;
  cmbWallpaperTypeEnabled = wallpaper;
  if (IsLoaded()) {
    window_->Refresh();
  }
}

void OptionsDialog::optToFile_Click() {
  optToFile = true;
  optToClipboard = optToDesktop = false;
  EnableSnapshotControls(true, true, false);
}

void OptionsDialog::optToClipboard_Click() {
  optToClipboard = true;
  optToFile = optToDesktop = false;
  EnableSnapshotControls(false, false, false);
}

void OptionsDialog::optToDesktop_Click() {
  optToDesktop = true;
  optToFile = optToClipboard = false;
  EnableSnapshotControls(false, false, true);
}

void OptionsDialog::snapshotsBrowse_Click() {
  enabled = false;
  window_->Refresh();
  if (FolderBrowse1.Browse()) {
    snapshotPath = FolderBrowse1.FullName();
  }
  enabled = true;
  window_->Refresh();
  window_->Focus();
}

void OptionsDialog::OKButton_Click() {
  Platform& platform = app_.platform();
  ModMain& state = app_.state();
  LanguageReader& lang = app_.lang();

  Settings chosen;
  chosen.LanguageFile =
      (availableLanguagesIndex >= 0 &&
               availableLanguagesIndex < static_cast<int>(availableLanguages.size())
           ? availableLanguages[static_cast<size_t>(availableLanguagesIndex)]
           : std::string()) +
      ".ini";
  chosen.SnapshotFolder = snapshotPath;
  chosen.DisableScreenSaver = static_cast<int16_t>(chkScreenSaver);
  chosen.UseOverlay = static_cast<int16_t>(chkOverlay);
  chosen.WallpaperStyle = static_cast<int16_t>(cmbWallpaperTypeIndex);
  chosen.AutoPlay = static_cast<int16_t>(chkAutoPlay);
  chosen.SnapshotTarget = optToFile ? 0 : optToClipboard ? 1 : 2;

  const Settings& current = state.settings;
  const bool restart = chosen.SnapshotFolder != current.SnapshotFolder ||
                       chosen.DisableScreenSaver != current.DisableScreenSaver ||
                       chosen.UseOverlay != current.UseOverlay ||
                       chosen.SnapshotTarget != current.SnapshotTarget;

  const std::string config = ProgramFile(platform.environment, kConfigFileName);
  if (!WriteConfiguration(config, chosen)) {
    // The old file stays as it was; the choices still hold until the player closes.
    platform.messages.Show(
        "The options could not be saved to " + config + ". They apply until Tandrel is closed.",
        std::string(kAppTitle), MessageIcon::Critical, MessageButtons::Ok);
  }
  // The option list still follows the settings from before the dialog.
  app_.mainForm().SaveOptions();
  platform.autoPlay.RegisterAutoPlay(chosen.AutoPlay);
  window_->Hide();

  if (restart && platform.engine.IsPlaying()) {
    const MessageAnswer answer =
        platform.messages.Show(lang.SetCaptionfromINI(keys::kRestartVideo), std::string(kAppTitle),
                               MessageIcon::Question, MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes) {
      // Opening the disc reads the new settings from the file.
      app_.mainForm().PlayDVD(platform.drives.CommandLineRoot(state.CurrentTarget));
    }
    return;
  }
  state.settings = chosen;
}

void OptionsDialog::CancelButton_Click() {
  Unload();
}

}  // namespace tandrel
