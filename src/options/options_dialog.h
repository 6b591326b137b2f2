#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/window.h"

namespace tandrel {

class Application;

struct MenuItem {
  std::string caption;
  bool enabled = true;
  bool visible = true;
};

// The program's hidden menus, which the skin pops up; they belong to the options dialog's
// window. Captions are the window's own until the language texts are applied.
struct HiddenMenus {
  MenuItem fileMenu{"&File"};
  MenuItem openMenu{"&Open DVD"};
  // The drive entries; item 0 always exists.
  std::vector<MenuItem> dvdsList{MenuItem{"<No DVD drives were found>"}};
  MenuItem separator1{"-", true, false};
  MenuItem exitCommand{"E&xit"};
  MenuItem editMenu{"&Edit", false};
  MenuItem fullScreenMenu{"Full Screen"};
  MenuItem toolsMenu{"&Tools"};
  MenuItem optionsMenuCommand{"&Options"};
  MenuItem helpMenu{"&Help"};
  MenuItem howToUseMenu{"&How to use?"};
  MenuItem checkForUpdatesMenu{"&Check For Updates", true, false};
  MenuItem separator3{"-"};
  MenuItem aboutMenu{"&About"};
};

// The options dialog's form: the dialog's controls and the program's hidden menus.
class OptionsDialog {
 public:
  explicit OptionsDialog(Application& app);

  // Creates the window with the design state, then fills the controls.
  void Load();
  // Destroys the window and discards its state. Harmless when not loaded.
  void Unload();
  bool IsLoaded() const { return window_ != nullptr; }
  Window& window() { return *window_; }

  // Fills the controls from the settings record.
  void Form_Load();

  // Builds the drive menu from a fresh scan of the drives.
  void fileMenu_Click();
  // Opens the disc of drive entry `index`. A failure to open it is shown to the user.
  void dvdsList_Click(int index);
  // Runs the main window's unload handling, then ends the program at once.
  void exitCommand_Click();

  HiddenMenus menus;
  std::string title = "Options";
  std::string languageFrameCaption = "Language";
  std::string languageLabelCaption = "Select Language";
  std::string okButtonCaption = "OK";
  std::string cancelButtonCaption = "Cancel";

 private:
  Application& app_;
  std::unique_ptr<Window> window_;
};

}  // namespace tandrel
