#pragma once

#include "fakes/call_log.h"
#include "fakes/fake_discs.h"
#include "fakes/fake_services.h"
#include "fakes/fake_video_engine.h"
#include "fakes/fake_window_hooks.h"
#include "fakes/fake_windows.h"
#include "platform/platform.h"

namespace tandrel::fakes {

// Every port as a recording fake, all writing to one call log.
struct FakePlatform {
  CallLog log;
  FakeVideoEngine engine{log};
  FakeWindowHooks hooks{log};
  FakeWindows windows{log, hooks};
  FakeMessageBoxes messages{log};
  FakeClock clock{log};
  FakeLocale locale;
  FakeInstanceGuard instance{log};
  FakeProcess process{log};
  FakeEnvironment environment;
  FakeDesktopSettings desktop{log};
  FakeTimers timers;
  FakeDriveQuery drives;
  FakeTray tray{log};
  FakeDiskSpace disk;
  FakePictures pictures{log};
  FakeShell shell{log};

  // The same fakes around another engine and drive query, such as the real ones.
  Platform With(VideoEngine& realEngine, DriveQuery& realDrives) {
    return Platform{realEngine,  windows,  messages, clock, locale,     instance, process,
                    environment, desktop,  timers,   hooks, realDrives, tray,     disk,
                    pictures,    pictures, shell,    shell, shell};
  }

  Platform platform = With(engine, drives);
};

}  // namespace tandrel::fakes
