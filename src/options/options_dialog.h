#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/file_list.h"
#include "folderbrowse/folder_browse.h"
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

struct Rgb {
  int red, green, blue;
};

// Where each control of the dialog stands, in 1/1440 inch, relative to the window or, for the
// controls of a frame, to that frame.
struct DialogControl {
  const char* name;
  enum Kind { Frame, Label, DropDownList, OptionButton, TextBox, Button, CheckBox } kind;
  const char* frame;  // nullptr: on the window itself
  int left, top, width, height;
};

namespace optionslayout {
inline constexpr int kClientWidth = 6015;
inline constexpr int kClientHeight = 6255;
// Window, frames, labels, check boxes and option buttons; their text is white.
inline constexpr Rgb kBackground{75, 85, 87};
inline constexpr Rgb kText{255, 255, 255};
// OK, Cancel and Browse.
inline constexpr Rgb kButton{255, 192, 255};

inline constexpr DialogControl kControls[] = {
    {"languageFrame", DialogControl::Frame, nullptr, 120, 120, 5775, 855},
    {"languageLabel", DialogControl::Label, "languageFrame", 120, 420, 1695, 195},
    {"availableLanguages", DialogControl::DropDownList, "languageFrame", 2160, 360, 1815, 315},
    {"snapshotsFrame", DialogControl::Frame, nullptr, 120, 1080, 5775, 2415},
    {"optToFile", DialogControl::OptionButton, "snapshotsFrame", 240, 360, 5415, 255},
    {"snapshotPath", DialogControl::TextBox, "snapshotsFrame", 480, 675, 3855, 285},
    {"snapshotsBrowse", DialogControl::Button, "snapshotsFrame", 4440, 675, 1215, 285},
    {"optToClipboard", DialogControl::OptionButton, "snapshotsFrame", 240, 1080, 5415, 255},
    {"optToDesktop", DialogControl::OptionButton, "snapshotsFrame", 240, 1440, 5415, 255},
    {"cmbWallpaperType", DialogControl::DropDownList, "snapshotsFrame", 600, 1800, 2535, 315},
    {"frameVideo", DialogControl::Frame, nullptr, 120, 3600, 5775, 855},
    {"chkOverlay", DialogControl::CheckBox, "frameVideo", 240, 360, 5295, 255},
    {"frameMiscellaneous", DialogControl::Frame, nullptr, 120, 4560, 5775, 1095},
    {"chkScreenSaver", DialogControl::CheckBox, "frameMiscellaneous", 240, 360, 5415, 255},
    {"chkAutoPlay", DialogControl::CheckBox, "frameMiscellaneous", 240, 720, 5415, 255},
    {"OKButton", DialogControl::Button, nullptr, 3360, 5760, 1215, 375},
    {"CancelButton", DialogControl::Button, nullptr, 4680, 5760, 1215, 375},
};

// Captions that no language pack changes.
inline constexpr const char* kSnapshotsFrame = "Snapshots";
inline constexpr const char* kVideoFrame = "Video";
inline constexpr const char* kMiscellaneousFrame = "Miscellaneous";
inline constexpr const char* kToFile = "Save to file:";
inline constexpr const char* kToClipboard = "Save to Clipboard.";
inline constexpr const char* kToDesktop = "Save as wallpaper:";
inline constexpr const char* kBrowse = "&Browse...";
inline constexpr const char* kOverlay = "Use hardware acceleration";
inline constexpr const char* kScreenSaver = "Disable screen saver";
inline constexpr const char* kAutoPlay = "Auto Play";
}  // namespace optionslayout

// The state of the dialog's controls and of the hidden menus, as the window first shows them.
struct OptionsDialogState {
  HiddenMenus menus;

  // The dialog's face.
  std::string title = "Options";
  bool enabled = true;
  std::string languageFrameCaption = "Language";
  std::string languageLabelCaption = "Select Language";
  std::vector<std::string> availableLanguages;
  int availableLanguagesIndex = -1;  // -1: nothing selected
  bool optToFile = true;
  bool optToClipboard = false;
  bool optToDesktop = false;
  std::string snapshotPath;
  bool snapshotPathEnabled = true;
  bool snapshotsBrowseEnabled = true;
  std::vector<std::string> cmbWallpaperTypeItems{"Center", "Tile", "Stretch"};
  int cmbWallpaperTypeIndex = -1;
  bool cmbWallpaperTypeEnabled = false;
  int chkOverlay = 0;  // 0 cleared, 1 ticked
  int chkScreenSaver = 0;
  int chkAutoPlay = 0;
  std::string okButtonCaption = "OK";
  std::string cancelButtonCaption = "Cancel";
};

// The options dialog: the settings as controls, and the program's hidden menus.
class OptionsDialog : public OptionsDialogState {
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

  // The snapshot target buttons, each enabling the controls that go with it.
  void optToFile_Click();
  void optToClipboard_Click();
  void optToDesktop_Click();
  // Lets the user choose the snapshot folder with the folder dialog.
  void snapshotsBrowse_Click();
  // Saves the settings and applies them, offering to restart a playing disc when needed.
  void OKButton_Click();
  void CancelButton_Click();

  // Builds the drive menu from a fresh scan of the drives.
  void fileMenu_Click();
  // Opens the disc of drive entry `index`. A failure to open it is shown to the user.
  void dvdsList_Click(int index);
  // Runs the main window's unload handling, then ends the program at once.
  void exitCommand_Click();
  void fullScreenMenu_Click();
  // Opens the active language pack's help file.
  void howToUseMenu_Click();
  void aboutMenu_Click();

  // The language packs ("*.ini" in the Lang folder).
  FileList File1{"*.ini"};
  FolderBrowse FolderBrowse1;

 private:
  void LoadLanguageList();
  void EnableSnapshotControls(bool path, bool browse, bool wallpaper);
  void Reset();

  Application& app_;
  std::unique_ptr<Window> window_;
  // A window closed from within its own handlers lives on until the next load.
  std::unique_ptr<Window> closedWindow_;
};

}  // namespace tandrel
