#pragma once

#include <memory>
#include <string>

#include "options/options_dialog.h"
#include "platform/window.h"

namespace tandrel {

class Application;

// Where the product is found on the web, and where its users write to.
inline constexpr const char* kProductWebAddress = "https://brimwell.com";
inline constexpr const char* kSupportAddress = "support@brimwell.com";

namespace aboutlayout {
// In 1/1440 inch.
inline constexpr int kWidth = 5730;
inline constexpr int kHeight = 3555;
inline constexpr Rgb kBackground{75, 85, 87};
inline constexpr Rgb kText{255, 255, 255};
inline constexpr Rgb kLink{128, 128, 255};
inline constexpr Rgb kButton{255, 192, 255};
inline constexpr DialogControl kControls[] = {
    {"picIcon", DialogControl::Label, nullptr, 240, 240, 540, 540},
    {"lblTitle", DialogControl::Label, nullptr, 1080, 240, 4095, 255},
    {"lblVersion", DialogControl::Label, nullptr, 1080, 720, 3975, 255},
    {"lblDescription", DialogControl::Label, nullptr, 1080, 1200, 3975, 1215},
    {"SCLabel1", DialogControl::Label, nullptr, 1080, 2520, 2295, 255},
    {"SCLabel2", DialogControl::Label, nullptr, 1080, 2760, 2175, 255},
    {"cmdOK", DialogControl::Button, nullptr, 4245, 3120, 1260, 345},
};
}  // namespace aboutlayout

// The About box's texts, as the window first shows them.
struct AboutFormState {
  std::string caption;
  std::string lblTitle;
  std::string lblVersion;
  std::string lblDescription;
  std::string SCLabel1 = kProductWebAddress;
  std::string SCLabel2 = kSupportAddress;
  std::string cmdOKCaption = "OK";
};

// The About box: title, version, description and the maker's two links.
class AboutForm : public AboutFormState {
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

  // OK, Enter and Esc: closes and discards the box.
  void cmdOK_Click();
  // Opens the web address; opens a new mail to the support address.
  void SCLabel1_Click();
  void SCLabel2_Click();

 private:
  void Form_Load();

  Application& app_;
  std::unique_ptr<Window> window_;
  // A window closed from within its own handlers lives on until the next load.
  std::unique_ptr<Window> closedWindow_;
};

}  // namespace tandrel
