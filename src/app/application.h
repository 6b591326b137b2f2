#pragma once

#include <memory>

#include "about/about_form.h"
#include "app/main_form.h"
#include "app/mod_main.h"
#include "controlbar/dvd_bar_form.h"
#include "controlbar/hooking.h"
#include "lang/language_reader.h"
#include "options/options_dialog.h"
#include "platform/platform.h"

namespace tandrel {

// The running program: the program-wide state, the language lookup and the forms. A form is
// loaded the first time it is used, as the forms have always been; unloading destroys its window
// and the next use loads it afresh.
class Application {
 public:
  explicit Application(Platform& platform);

  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Creates the main window (which shows the splash) and runs its start-up; the main window is
  // then shown unless start-up closed it.
  void Start();

  Platform& platform() { return platform_; }
  ModMain& state() { return state_; }
  LanguageReader& lang() { return lang_; }
  Hooking& hooking() { return hooking_; }

  MainForm& mainForm() { return mainForm_; }
  DvdBarForm& dvdBarForm();
  // The control bar if it is loaded, without loading it.
  DvdBarForm* loadedDvdBarForm() { return dvdBarForm_.IsLoaded() ? &dvdBarForm_ : nullptr; }
  OptionsDialog& optionsDialog();
  AboutForm& aboutForm();

  // Unloading a form that is not loaded is skipped.
  void dvdBarForm_Unload() { dvdBarForm_.Form_Unload(); }
  void optionsDialog_Unload() { optionsDialog_.Unload(); }
  void aboutForm_Unload() { aboutForm_.Unload(); }

 private:
  Platform& platform_;
  ModMain state_;
  LanguageReader lang_;
  Hooking hooking_;
  MainForm mainForm_;
  DvdBarForm dvdBarForm_;
  OptionsDialog optionsDialog_;
  AboutForm aboutForm_;
};

}  // namespace tandrel
