// The commands of the hidden Edit, Tools and Help menus, and running the options dialog.
#include "app/application.h"
#include "app/paths.h"
#include "components/movie_variables.h"
#include "lang/keys.h"

namespace tandrel {

void OptionsDialog::fullScreenMenu_Click() {
  app_.mainForm().FullScreen();
}

void OptionsDialog::howToUseMenu_Click() {
  Platform& platform = app_.platform();
  LanguageReader& lang = app_.lang();
  // Every language pack has a help file of its own name beside the executable.
  const std::string& pack = app_.state().settings.LanguageFile;
  bool opened = false;
  if (pack.size() >= 4) {
    const std::string help =
        ProgramFile(platform.environment, pack.substr(0, pack.size() - 4)) + kHelpExtension;
    opened = platform.opener.Open(help, true);
  }
  if (!opened) {
    platform.messages.Show(lang.SetCaptionfromINI(keys::kHelpFileMissing),
                           lang.SetCaptionfromINI(keys::kErrorTitle), MessageIcon::Critical,
                           MessageButtons::Ok);
  }
}

void OptionsDialog::aboutMenu_Click() {
  app_.aboutForm().window().ShowModal();
}

void MainForm::optionsMenuCommand_Click() {
  // Returns once OK has hidden the dialog or Cancel has destroyed it.
  app_.optionsDialog().window().ShowModal();
  app_.aboutForm_Unload();
  // A newly chosen language shows at once; this loads the About box again, hidden.
  ApplyCaptions();
  app_.dvdBarForm().gui().SetMovieVariable(movievars::kVolumeText, VolumeText());
}

}  // namespace tandrel
