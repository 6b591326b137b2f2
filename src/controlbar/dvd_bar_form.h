#pragma once

#include <memory>

#include "platform/window.h"

namespace tandrel {

class Application;

// The control bar: a borderless window filled by the skin movie, the program's taskbar entry.
class DvdBarForm {
 public:
  static constexpr int kWidth = 618;
  static constexpr int kHeight = 265;
  // Between the bar's bottom edge and the bottom of the whole screen.
  static constexpr int kBottomGap = 30;

  explicit DvdBarForm(Application& app);

  // Creates the window and runs the load steps. The bar is not shown.
  void Load();
  // The bar is being closed: runs the main window's unload handling, then removes the bar's
  // hook and destroys the window. Harmless when not loaded or already closing.
  void Form_Unload();
  bool IsLoaded() const { return window_ != nullptr; }

  void StartHook();
  void StopHook();

  MovieWindow& window() { return *window_; }
  Movie& gui() { return window_->movie(); }

  // The skin's "open" command toggles it; true when the tray was last told to open.
  bool DoorOpen = false;

 private:
  Application& app_;
  std::unique_ptr<MovieWindow> window_;
  bool closing_ = false;
};

}  // namespace tandrel
