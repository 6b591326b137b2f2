#pragma once

#include "components/video_engine.h"
#include "platform/clock.h"
#include "platform/desktop_settings.h"
#include "platform/drive_query.h"
#include "platform/environment.h"
#include "platform/instance_guard.h"
#include "platform/locale.h"
#include "platform/message_boxes.h"
#include "platform/pictures.h"
#include "platform/process.h"
#include "platform/shell.h"
#include "platform/timer.h"
#include "platform/tray.h"
#include "platform/window.h"
#include "platform/window_hooks.h"

namespace tandrel {

// Everything outside the program that it drives, handed in by main.cpp (or by a test).
struct Platform {
  VideoEngine& engine;
  Windows& windows;
  MessageBoxes& messages;
  Clock& clock;
  Locale& locale;
  InstanceGuard& instance;
  Process& process;
  Environment& environment;
  DesktopSettings& desktop;
  Timers& timers;
  WindowHooks& hooks;
  DriveQuery& drives;
  Tray& tray;
  DiskSpace& disk;
  Pictures& pictures;
  Clipboard& clipboard;
  ShellOpener& opener;
  AutoPlayRegistration& autoPlay;
  FolderDialogs& folderDialogs;
};

}  // namespace tandrel
