#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "fakes/call_log.h"
#include "fakes/fake_movie.h"
#include "fakes/fake_window_hooks.h"
#include "platform/window.h"

namespace tandrel::fakes {

// What happened to one window; outlives the window so that a test can look after it is gone.
struct WindowRecord {
  std::string name;
  bool visible = false;
  bool closed = false;
  int shows = 0;
  int repaints = 0;
  int refreshes = 0;
  Rect geometry;
  WindowState state = WindowState::Normal;
  NativeWindow handle = 0;
};

// What the user does while a modal window of a kind is up, by kind; each runs once.
using ModalActions = std::map<std::string, std::function<void()>>;

class FakeWindow : public MovieWindow {
 public:
  FakeWindow(CallLog& log, std::shared_ptr<WindowRecord> record, FakeMovie* movie,
             ModalActions& whileModal)
      : log_(log), record_(std::move(record)), movie_(movie), whileModal_(whileModal) {}

  void Show() override {
    Log("Show");
    record_->visible = true;
    ++record_->shows;
  }
  void ShowModal() override {
    Log("ShowModal");
    record_->visible = true;
    ++record_->shows;
    auto action = whileModal_.find(record_->name);
    if (action != whileModal_.end()) {
      auto user = std::move(action->second);
      whileModal_.erase(action);
      user();
    }
  }
  void Hide() override {
    Log("Hide");
    record_->visible = false;
  }
  void Close() override {
    Log("Close");
    record_->visible = false;
    record_->closed = true;
  }
  bool IsVisible() const override { return record_->visible; }
  void Repaint() override {
    Log("Repaint");
    ++record_->repaints;
  }
  void Refresh() override { ++record_->refreshes; }
  void Focus() override { Log("Focus"); }
  Rect Geometry() const override { return record_->geometry; }
  void SetGeometry(const Rect& rect) override {
    Log("SetGeometry(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
        std::to_string(rect.width) + "x" + std::to_string(rect.height) + ")");
    record_->geometry = rect;
  }
  WindowState State() const override { return record_->state; }
  void SetState(WindowState state) override {
    Log(state == WindowState::Minimized ? "Minimize" : "Restore");
    record_->state = state;
  }
  Movie& movie() override { return *movie_; }
  NativeWindow NativeHandle() const override { return record_->handle; }

 private:
  void Log(const std::string& what) { log_.Add(record_->name + "." + what); }

  CallLog& log_;
  std::shared_ptr<WindowRecord> record_;
  FakeMovie* movie_;
  ModalActions& whileModal_;
};

// Creates recording windows. The main window hosts `screenMovie`, the control bar `skinMovie`;
// both exist before the windows so that a test can set what the movies report. A window with a
// movie gets two children in `hooks`: a plain one, then the movie's view, whose class name is
// that of the Flash player's window.
class FakeWindows : public Windows {
 public:
  static constexpr const char* kMovieClass = "MacromediaFlashPlayerActiveX";

  FakeWindows(CallLog& log, FakeWindowHooks& hooks)
      : screenMovie(log, "player"), skinMovie(log, "gui"), log_(log), hooks_(hooks) {}

  FakeMovie screenMovie;
  FakeMovie skinMovie;
  ScreenSize screen{1024, 768};
  ModalActions whileModal;

  // The latest window of each kind: "splash", "main", "bar", "options", "about".
  std::map<std::string, std::shared_ptr<WindowRecord>> windows;
  std::map<std::string, int> created;

  WindowRecord& operator[](const std::string& name) { return *windows.at(name); }
  bool Has(const std::string& name) const { return windows.count(name) != 0; }

  std::unique_ptr<Window> CreateSplash() override { return Make("splash", nullptr); }
  std::unique_ptr<MovieWindow> CreateMainWindow(MainForm&) override {
    return Make("main", &screenMovie);
  }
  std::unique_ptr<MovieWindow> CreateControlBar(DvdBarForm&) override {
    return Make("bar", &skinMovie);
  }
  std::unique_ptr<Window> CreateOptionsWindow(OptionsDialog&) override {
    return Make("options", nullptr);
  }
  std::unique_ptr<Window> CreateAboutWindow(AboutForm&) override { return Make("about", nullptr); }
  void PopupMenu(OptionsDialog&, PopupMenuId menu) override {
    log_.Add(menu == PopupMenuId::Open ? "popup(openMenu)" : "popup(helpMenu)");
  }
  ScreenSize PrimaryScreen() const override { return screen; }

  // The movie view inside the latest window `name`.
  NativeWindow MovieView(const std::string& name) {
    return hooks_.Child(windows.at(name)->handle, kMovieClass);
  }

 private:
  std::unique_ptr<FakeWindow> Make(const std::string& name, FakeMovie* movie) {
    log_.Add("create " + name);
    auto record = std::make_shared<WindowRecord>();
    record->name = name;
    record->handle = nextHandle_++;
    if (movie != nullptr) {
      hooks_.AddChild(record->handle, "Static");
      hooks_.AddChild(record->handle, kMovieClass);
    }
    windows[name] = record;
    ++created[name];
    return std::make_unique<FakeWindow>(log_, record, movie, whileModal);
  }

  CallLog& log_;
  FakeWindowHooks& hooks_;
  NativeWindow nextHandle_ = 100;
};

}  // namespace tandrel::fakes
