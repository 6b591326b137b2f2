// The drive menu, opening a disc, the disc named on the command line, and Exit.
#include <exception>

#include "app/application.h"
#include "app/configuration.h"
#include "app/paths.h"
#include "components/movie_variables.h"
#include "discs/drive_enumerator.h"
#include "lang/keys.h"

namespace tandrel {
namespace {

constexpr int kQueueMode = 2;
constexpr int kQueuePosition = 0;

}  // namespace

void OptionsDialog::fileMenu_Click() {
  ModMain& state = app_.state();
  if (EnumerateDVDDrives(app_, state.DriveList) == 0) {
    return;
  }
  menus.dvdsList.at(0).caption = state.DriveList.at(0);
  for (size_t i = 1; i < state.DriveList.size(); ++i) {
    menus.dvdsList.push_back(MenuItem{state.DriveList[i]});
  }
  window().Refresh();
}

void OptionsDialog::dvdsList_Click(int index) {
  Platform& platform = app_.platform();
  ModMain& state = app_.state();
  LanguageReader& lang = app_.lang();
  MainForm& main = app_.mainForm();

  // A file that has become unreadable since start-up changes nothing: the settings in force stay.
  Settings reread = state.settings;
  if (!LoadConfigurations(ProgramFile(platform.environment, kConfigFileName), reread).failed) {
    state.settings = reread;
  }
  main.SaveOptions();

  if (menus.dvdsList.at(0).caption == lang.SetCaptionfromINI(keys::kNoDrives)) {
    return;
  }
  const std::string noDisc = lang.SetCaptionfromINI(keys::kInsertDisc);
  // A pick from a menu older than the last scan can name an entry that is gone.
  if (index < 0 || static_cast<size_t>(index) >= state.DriveRoots.size() ||
      static_cast<size_t>(index) >= menus.dvdsList.size()) {
    return;
  }
  const std::string caption = menus.dvdsList[static_cast<size_t>(index)].caption;
  state.CurrentTarget = state.DriveRoots[static_cast<size_t>(index)];

  app_.dvdBarForm().gui().SetMovieVariable(movievars::kDvdName, caption);
  const size_t labelEnd = caption.rfind(" (");
  main.player().SetMovieVariable(movievars::kFileName, caption.substr(0, labelEnd));
  // An empty no-disc text would match every entry and refuse every disc.
  if (!noDisc.empty() && caption.compare(0, noDisc.size(), noDisc) == 0) {
    return;
  }

  try {
    main.stopButton_Click();
    platform.engine.ClearQueue();
    main.SetLogoHideVisible(true);
    platform.clock.Sleep(MainForm::kEngineWaitMs);
    main.timeElapsed = main.LoadingText();
    platform.engine.QueueItem("dvd://" + state.CurrentTarget, state.EngineOptions, kQueueMode,
                              kQueuePosition);
    platform.clock.Sleep(MainForm::kEngineWaitMs);
    main.playButton_Click();
  } catch (const std::exception&) {
    main.timeElapsed.clear();
    platform.messages.Show(lang.SetCaptionfromINI(keys::kInvalidDisc), std::string(kAppTitle),
                           MessageIcon::Critical, MessageButtons::Ok);
  }
}

void OptionsDialog::exitCommand_Click() {
  int cancel = 0;
  app_.mainForm().Form_Unload(cancel);
  app_.platform().process.EndProcess(0);
}

void MainForm::PlayDVD(const std::string& drive) {
  if (drive.empty()) {
    return;
  }
  app_.optionsDialog().fileMenu_Click();
  const std::vector<std::string>& roots = app_.state().DriveRoots;
  for (size_t i = 0; i < roots.size(); ++i) {
    if (app_.platform().drives.CommandLineRoot(roots[i]) == drive) {
      app_.optionsDialog().dvdsList_Click(static_cast<int>(i));
      return;
    }
  }
}

}  // namespace tandrel
