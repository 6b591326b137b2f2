#pragma once

#include <memory>
#include <string>

#include "platform/window.h"

namespace tandrel {

class Application;

// The About box.
class AboutForm {
 public:
  static constexpr int kMajor = 1;
  static constexpr int kMinor = 0;
  static constexpr int kRevision = 0;

  explicit AboutForm(Application& app);

  // Creates the window with the design state, then computes the captions.
  void Load();
  void Unload();
  bool IsLoaded() const { return window_ != nullptr; }
  Window& window() { return *window_; }

  std::string caption;
  std::string lblTitle;
  std::string lblVersion;
  std::string lblDescription;
  std::string cmdOKCaption = "OK";

 private:
  void Form_Load();

  Application& app_;
  std::unique_ptr<Window> window_;
};

}  // namespace tandrel
