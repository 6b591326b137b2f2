// The whole player in one process on Qt's offscreen platform, measured from outside the event
// loop:
//   frontend_bench launch   milliseconds from the start of main to the control bar shown
//   frontend_bench idle     CPU of an idle player over ten seconds, in % of one core
//   frontend_bench playing  CPU while the demo film plays, over ten seconds, in % of one core
//   frontend_bench engine   the same film decoded by the engine alone, with no windows: what
//                           libVLC itself costs with the same outputs
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "app/application.h"
#include "backends/linux/linux_disk_space.h"
#include "backends/linux/linux_drives.h"
#include "backends/linux/system_clock.h"
#include "backends/qt/qt_services.h"
#include "backends/qt/qt_views.h"
#include "backends/vlc/vlc_engine.h"
#include "fakes/fake_platform.h"
#include "fakes/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Runs the event loop as the player does, with nothing else waking it, for `ms`.
void RunFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

class Nothing : public tandrel::ScreenSaver {
 public:
  void Inhibit() override {}
  void UnInhibit() override {}
};

}  // namespace

int main(int argc, char** argv) {
  const auto started = Clock::now();
  const std::string mode = argc > 1 ? argv[1] : "launch";
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_QUICK_BACKEND", "software");
  QApplication qt(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);

  tandrel::fakes::TempDir programDir;
  tandrel::fakes::TempDir tempDir;
  tandrel::fakes::TempDir emptySysfs;
  fs::copy(std::string(TANDREL_APP_DIR) + "/Resources", programDir / "Resources",
           fs::copy_options::recursive);
  fs::copy(std::string(TANDREL_APP_DIR) + "/Lang", programDir / "Lang",
           fs::copy_options::recursive);
  tandrel::fakes::WriteFile(
      programDir / "Config.cfg",
      "English.ini\r\n" + tempDir.path() + "\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
  const std::string disc = std::string(TANDREL_DEMO_DIR) + "/DVD";

  Nothing screenSaver;
  tandrel::QtFullScreen fullScreen;
  tandrel::VlcEngine engine(screenSaver, fullScreen, tandrel::VlcEngine::Options{true});
  if (mode == "engine") {
    engine.QueueItem("dvd://" + disc, {"snapshot-path=" + tempDir.path()}, 2, 0);
    engine.StartPlayback();
    for (int press = 0; press < 40 && engine.LengthSeconds() < 19; ++press) {
      engine.SetEngineVariable("key-nav-activate", 'a');
      engine.SetEngineVariable("key-pressed", 'a');
      QTest::qWait(250);
    }
    const double cpuBefore = CpuSeconds();
    const auto wallBefore = Clock::now();
    RunFor(10000);
    const double cpu = CpuSeconds() - cpuBefore;
    const double wall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
    std::printf("engine_alone_cpu_percent_of_one_core %.2f\n", 100 * cpu / wall);
    engine.StopPlayback();
    return 0;
  }
  tandrel::QtWindows windows(engine, fullScreen, [](const std::exception&) {});
  tandrel::QtMessageBoxes messages;
  tandrel::SystemClock clock;
  tandrel::QtTimers timers;
  tandrel::QtWindowHooks hooks;
  tandrel::LinuxDriveQuery drives({disc}, emptySysfs.path(), "/dev");
  tandrel::LinuxDiskSpace disk;
  tandrel::QtPictures pictures;
  tandrel::QtShellOpener opener;
  tandrel::fakes::FakePlatform fake;
  fake.environment.programFolder = programDir.path();
  fake.environment.variables["TEMP"] = tempDir.path();
  fake.environment.commandLine = mode == "playing" ? disc : "";
  fake.desktop.desktop = tempDir.path();
  tandrel::Platform platform{engine,       windows,       messages,     clock,
                             fake.locale,  fake.instance, fake.process, fake.environment,
                             fake.desktop, timers,        hooks,        drives,
                             fake.tray,    disk,          pictures,     pictures,
                             opener,       fake.shell,    fake.shell};
  tandrel::Application app(platform);
  app.Start();
  while (windows.controlBar() == nullptr || !windows.controlBar()->isVisible()) {
    QCoreApplication::processEvents();
  }
  QCoreApplication::processEvents();
  const double launchMs = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
  if (mode == "launch") {
    std::printf("launch_to_control_bar_ms %.1f\n", launchMs);
    return 0;
  }
  if (mode == "playing") {
    // Out of the disc's menu and into the film.
    for (int press = 0; press < 40 && engine.LengthSeconds() < 19; ++press) {
      app.dvdBarForm().gui_FSCommand("enter", "");
      QTest::qWait(250);
    }
    if (engine.LengthSeconds() < 19) {
      std::fprintf(stderr, "the demo film did not start\n");
      return 1;
    }
  }
  const double cpuBefore = CpuSeconds();
  const auto wallBefore = Clock::now();
  RunFor(10000);
  const double cpu = CpuSeconds() - cpuBefore;
  const double wall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
  std::printf("%s_cpu_percent_of_one_core %.2f\n", mode.c_str(), 100 * cpu / wall);
  engine.StopPlayback();
  return 0;
}
