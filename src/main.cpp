// Tandrel: wires the real backends into the program and runs it.
#include <QApplication>
#include <filesystem>
#include <memory>

#include "app/application.h"
#include "backends/linux/disc_argument.h"
#include "backends/linux/linux_disk_space.h"
#include "backends/linux/linux_drives.h"
#include "backends/linux/linux_environment.h"
#include "backends/linux/linux_instance_guard.h"
#include "backends/linux/linux_process.h"
#include "backends/linux/run_command.h"
#include "backends/linux/system_clock.h"
#include "backends/linux/system_locale.h"
#include "backends/linux/xdg_autoplay.h"
#include "backends/linux/xdg_desktop_settings.h"
#include "backends/qt/qt_dbus.h"
#include "backends/qt/qt_services.h"
#include "backends/qt/qt_views.h"
#include "backends/vlc/vlc_engine.h"
#include "lang/language_reader.h"

int main(int argc, char** argv) {
  // The interface's movies are small; the software renderer draws them anywhere, with or without
  // a graphics driver.
  if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")) {
    qputenv("QT_QUICK_BACKEND", "software");
  }
  QApplication qt(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tandrel"));
  QApplication::setWindowIcon(tandrel::ProgramIcon());
  // The program ends by its own rules: the power button, Exit, or both windows closed.
  QApplication::setQuitOnLastWindowClosed(false);

  tandrel::LinuxEnvironment environment(argc, argv);
  // A mounted disc becomes its drive; a DVD folder or image is offered as one more drive.
  const tandrel::DiscArgument disc = tandrel::ResolveDiscArgument(environment.CommandLine());
  environment.SetCommandLine(disc.text);
  std::vector<std::string> discPaths;
  if (disc.folderOrImage) {
    discPaths.push_back(disc.text);
  }

  // Before the engine, which hands back what it inhibited when it goes.
  tandrel::DBusScreenSaver screenSaver;
  tandrel::QtFullScreen fullScreen;
  std::unique_ptr<tandrel::VlcEngine> engine;
  try {
    tandrel::VlcEngine::Options options;
    options.silent = qEnvironmentVariable("TANDREL_AUDIO") == QLatin1String("none");
    engine = std::make_unique<tandrel::VlcEngine>(screenSaver, fullScreen, options);
  } catch (const std::exception& failure) {
    tandrel::QtMessageBoxes().Show(
        std::string("Tandrel cannot start its video engine.\r") + failure.what(), "Tandrel",
        tandrel::MessageIcon::Critical, tandrel::MessageButtons::Ok);
    return 1;
  }

  tandrel::Application* running = nullptr;
  auto failures = [&running](const std::exception& failure) {
    if (running != nullptr) {
      running->lang().WriteErrorLog(tandrel::DescribeFailure(failure, "MovieCommand"));
    }
  };
  tandrel::QtWindows windows(*engine, fullScreen, failures);
  tandrel::QtMessageBoxes messages;
  tandrel::SystemClock clock;
  tandrel::SystemLocale locale;
  tandrel::LinuxInstanceGuard instance;
  tandrel::LinuxProcess process;
  tandrel::SpawnCommandRunner runner;
  tandrel::XdgDesktopSettings desktop(environment, &runner);
  tandrel::QtTimers timers;
  tandrel::QtWindowHooks hooks;
  tandrel::LinuxDriveQuery drives(discPaths);
  tandrel::LinuxTray tray;
  tandrel::LinuxDiskSpace disk;
  tandrel::QtPictures pictures;
  tandrel::QtShellOpener opener;
  std::error_code ec;
  const std::string executable = std::filesystem::read_symlink("/proc/self/exe", ec).string();
  tandrel::XdgAutoPlay autoPlay(executable, environment, runner);
  tandrel::QtFolderDialogs folderDialogs;

  tandrel::Platform platform{*engine,  windows, messages,    clock,        locale,
                             instance, process, environment, desktop,      timers,
                             hooks,    drives,  tray,        disk,         pictures,
                             pictures, opener,  autoPlay,    folderDialogs};
  tandrel::Application app(platform);
  running = &app;
  app.Start();
  int status = 0;
  if (!app.mainForm().IsClosed()) {
    // On the desktop's media controls while the player runs.
    tandrel::MprisService mpris(app, QDBusConnection::sessionBus());
    status = QApplication::exec();
  }
  running = nullptr;
  engine->StopPlayback();
  return status;
}
