#pragma once

#include <memory>
#include <string>

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
  // The bar repaints, or its size or window state changed (a restore from the taskbar among
  // them): either brings back a main window that "minimize" hid.
  void Form_Paint();
  void Form_Resize();

  // The skin's commands. Names are compared whole and with case; an unknown name is ignored.
  // Failures of the actions pass to the caller.
  void gui_FSCommand(const std::string& command, const std::string& args);

  void StartHook();
  void StopHook();

  // The tray of the drive whose first character `drive` holds.
  void Eject(const std::string& drive);
  void CloseDoor(const std::string& drive);
  void SetDoor(const std::string& drive, bool open);

  MovieWindow& window() { return *window_; }
  Movie& gui() { return window_->movie(); }

  // The skin's "open" command toggles it; true when the tray was last told to open.
  bool DoorOpen = false;

  static constexpr const char* kNoDriveSelected = "<No DVD drive is selected>";

 private:
  void VolumeStep(int step);

  Application& app_;
  std::unique_ptr<MovieWindow> window_;
  bool closing_ = false;
};

}  // namespace tandrel
