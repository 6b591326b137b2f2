#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fakes/call_log.h"
#include "platform/clock.h"
#include "platform/desktop_settings.h"
#include "platform/environment.h"
#include "platform/instance_guard.h"
#include "platform/locale.h"
#include "platform/message_boxes.h"
#include "platform/process.h"
#include "platform/timer.h"

namespace tandrel::fakes {

struct ShownMessage {
  std::string text;
  std::string title;
  MessageIcon icon;
  MessageButtons buttons;
};

class FakeMessageBoxes : public MessageBoxes {
 public:
  explicit FakeMessageBoxes(CallLog& log) : log_(log) {}

  std::vector<ShownMessage> shown;
  // Given to a Yes/No box.
  MessageAnswer answer = MessageAnswer::Yes;

  MessageAnswer Show(const std::string& text, const std::string& title, MessageIcon icon,
                     MessageButtons buttons) override {
    log_.Add("message(" + text + ")");
    shown.push_back({text, title, icon, buttons});
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : answer;
  }

 private:
  CallLog& log_;
};

// Sleeps take no time; they are recorded.
class FakeClock : public Clock {
 public:
  explicit FakeClock(CallLog& log) : log_(log) {
    now.tm_year = 2026 - 1900;
    now.tm_mon = 11;
    now.tm_mday = 11;
    now.tm_hour = 9;
    now.tm_min = 5;
    now.tm_sec = 7;
  }

  std::tm now{};
  std::vector<int> sleeps;

  void Sleep(int milliseconds) override {
    log_.Add("sleep(" + std::to_string(milliseconds) + ")");
    sleeps.push_back(milliseconds);
  }
  std::tm LocalNow() override { return now; }

 private:
  CallLog& log_;
};

// Dates as day.month.year, times as hours:minutes:seconds, the separator as set.
class FakeLocale : public Locale {
 public:
  std::string separator = ".";

  std::string ShortDate(const std::tm& time) const override {
    return std::to_string(time.tm_mday) + "." + std::to_string(time.tm_mon + 1) + "." +
           std::to_string(time.tm_year + 1900);
  }
  std::string LongTime(const std::tm& time) const override {
    auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    return two(time.tm_hour) + ":" + two(time.tm_min) + ":" + two(time.tm_sec);
  }
  std::string DecimalSeparator() const override { return separator; }
};

class FakeInstanceGuard : public InstanceGuard {
 public:
  explicit FakeInstanceGuard(CallLog& log) : log_(log) {}

  bool anotherRunning = false;
  std::vector<std::string> markers;

  bool PreviousInstanceRunning() override {
    log_.Add("instance.PreviousInstanceRunning");
    return anotherRunning;
  }
  void CreateSingleInstanceMarker(const std::string& name) override {
    log_.Add("instance.CreateMarker(" + name + ")");
    markers.push_back(name);
  }

 private:
  CallLog& log_;
};

// Ending the process throws `Ended`, so that nothing after the call runs in a test either.
class FakeProcess : public Process {
 public:
  struct Ended {
    int status;
  };

  explicit FakeProcess(CallLog& log) : log_(log) {}

  std::optional<int> endedWith;

  void EndProcess(int status) override {
    log_.Add("process.End(" + std::to_string(status) + ")");
    endedWith = status;
    throw Ended{status};
  }

 private:
  CallLog& log_;
};

class FakeEnvironment : public Environment {
 public:
  std::map<std::string, std::string> variables;
  std::string systemTemp;
  std::string programFolder;
  std::string commandLine;

  std::optional<std::string> Variable(const std::string& name) const override {
    auto it = variables.find(name);
    return it == variables.end() ? std::nullopt : std::optional<std::string>(it->second);
  }
  std::string SystemTempFolder() const override { return systemTemp; }
  std::string ProgramFolder() const override { return programFolder; }
  std::string CommandLine() const override { return commandLine; }
};

class FakeDesktopSettings : public DesktopSettings {
 public:
  explicit FakeDesktopSettings(CallLog& log) : log_(log) {}

  std::string desktop;
  std::string wallpaperFolder;
  std::vector<std::pair<std::string, int16_t>> wallpapers;

  std::string GetDesktopFolder() override { return desktop; }
  std::string GetWallpaperFolder() override { return wallpaperFolder; }
  void SetWallpaper(const std::string& bitmapPath, int16_t style) override {
    log_.Add("desktop.SetWallpaper(" + bitmapPath + "," + std::to_string(style) + ")");
    wallpapers.emplace_back(bitmapPath, style);
  }

 private:
  CallLog& log_;
};

// Timers that tick only when a test fires them.
class FakeTimers : public Timers {
 public:
  struct Entry {
    int intervalMs;
    std::function<void()> tick;
    bool running = false;
  };

  class FakeTimer : public Timer {
   public:
    explicit FakeTimer(Entry& entry) : entry_(entry) {}
    void Start() override { entry_.running = true; }
    void Stop() override { entry_.running = false; }

   private:
    Entry& entry_;
  };

  std::vector<std::unique_ptr<Entry>> timers;

  std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> tick) override {
    timers.push_back(std::make_unique<Entry>(Entry{intervalMs, std::move(tick)}));
    return std::make_unique<FakeTimer>(*timers.back());
  }

  // Ticks every running timer of `intervalMs` once.
  void Fire(int intervalMs) {
    for (auto& timer : timers) {
      if (timer->running && timer->intervalMs == intervalMs) {
        timer->tick();
      }
    }
  }
};

}  // namespace tandrel::fakes

#include "platform/shell.h"

namespace tandrel::fakes {

class FakeShell : public ShellOpener, public AutoPlayRegistration, public FolderDialogs {
 public:
  explicit FakeShell(CallLog& log) : log_(log) {}

  // Targets that open; anything else fails.
  std::vector<std::string> openable;
  std::vector<std::string> opened;
  std::vector<int16_t> registrations;
  // What successive folder dialogs return; empty when the list runs out (cancelled).
  std::vector<std::string> folderChoices;
  std::vector<BrowseInfo> browses;
  bool windowsNT = true;

  bool Open(const std::string& target, bool maximized) override {
    log_.Add("shell.Open(" + target + (maximized ? ",max" : "") + ")");
    if (std::find(openable.begin(), openable.end(), target) == openable.end()) {
      return false;
    }
    opened.push_back(target);
    return true;
  }
  void RegisterAutoPlay(int16_t autoPlay) override {
    log_.Add("autoplay.Register(" + std::to_string(autoPlay) + ")");
    registrations.push_back(autoPlay);
  }
  // Runs while the folder dialog is up.
  std::function<void()> duringBrowse;

  std::string BrowseForFolder(BrowseInfo& info) override {
    log_.Add("shell.BrowseForFolder");
    browses.push_back(info);
    if (duringBrowse) {
      duringBrowse();
    }
    if (folderChoices.empty()) {
      return {};
    }
    std::string choice = folderChoices.front();
    folderChoices.erase(folderChoices.begin());
    return choice;
  }
  bool IsWindowsNT() override { return windowsNT; }

 private:
  CallLog& log_;
};

}  // namespace tandrel::fakes
