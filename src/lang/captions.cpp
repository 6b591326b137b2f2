#include "lang/captions.h"

#include "app/application.h"
#include "lang/keys.h"

namespace tandrel {

void ApplyCaptions(Application& app) {
  LanguageReader& lang = app.lang();
  const std::string ok = lang.SetCaptionfromINI(keys::kOK);
  const std::string cancel = lang.SetCaptionfromINI(keys::kCancel);

  struct MenuCaption {
    MenuItem HiddenMenus::*item;
    LangKey key;
  };
  static constexpr MenuCaption kMenuCaptions[] = {
      {&HiddenMenus::fileMenu, keys::kFileMenu},
      {&HiddenMenus::openMenu, keys::kOpenMenu},
      {&HiddenMenus::exitCommand, keys::kExitCommand},
      {&HiddenMenus::editMenu, keys::kEditMenu},
      {&HiddenMenus::toolsMenu, keys::kToolsMenu},
      {&HiddenMenus::optionsMenuCommand, keys::kOptionsMenuCommand},
      {&HiddenMenus::helpMenu, keys::kHelpMenu},
      {&HiddenMenus::howToUseMenu, keys::kHowToUseMenu},
      {&HiddenMenus::aboutMenu, keys::kAboutMenu},
  };
  for (const MenuCaption& entry : kMenuCaptions) {
    (app.optionsDialog().menus.*entry.item).caption = lang.SetCaptionfromINI(entry.key);
  }

  app.aboutForm().cmdOKCaption = ok;
  OptionsDialog& options = app.optionsDialog();
  options.okButtonCaption = ok;
  options.cancelButtonCaption = cancel;

  options.title = lang.SetCaptionfromINI(keys::kOptionsTitle);
  options.languageFrameCaption = lang.SetCaptionfromINI(keys::kLanguageFrame);
  options.languageLabelCaption = lang.SetCaptionfromINI(keys::kLanguageLabel);
  options.window().Refresh();
  app.aboutForm().window().Refresh();
}

}  // namespace tandrel
