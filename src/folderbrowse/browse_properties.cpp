#include "folderbrowse/browse_properties.h"

#include <stdexcept>

namespace tandrel {

BrowseProperties::BrowseProperties()
    : checkBoxes{
          {"chkIncludeFiles", "IncludeFiles", "Include All Files", 3000, 2160, 2700, 285, 0},
          {"chkBrowseForPrinter", "BrowseForPrinter", "Browse For Printer", 3000, 1800, 2700, 285, 0},
          {"chkBrowseForComputer", "BrowseForComputer", "Browse For Computer", 3000, 1440, 2700,
           285, 0},
          {"chkUseNewUI", "UseNewUI", "Use New UI", 120, 2880, 2700, 285, 0},
          {"chkValidateSelection", "ValidateSelection", "Validate Selection", 120, 2520, 2700, 285, 0},
          {"chkAllowEditBox", "AllowEditBox", "Allow Edit Box", 120, 2160, 2700, 285, 0},
          {"chkDontGoBelowDomain", "DontGoBelowDomain", "Dont Go Below Domain", 90, 1800, 2700,
           285, 0},
          {"chkOnlyFileSystemDirectories", "OnlyFileSystemDirectories",
           "Only File System Directories", 90, 1440, 2700, 285, 0},
          {"chkEnabled", "Enabled", "Enabled", 120, 840, 2700, 285, 0},
      },
      textBoxes{
          {"txtCaption", "Caption", "Caption:", 90, 225, 90, 465, 2700, 330, ""},
          {"txtStartDirectory", "StartDirectory", "StartDirectory:", 2970, 165, 2970, 420, 2700,
           330, ""},
      } {}

BrowseProperties::CheckBox& BrowseProperties::Check(const std::string& control) {
  for (CheckBox& box : checkBoxes) {
    if (control == box.control) {
      return box;
    }
  }
  throw std::invalid_argument("no check box " + control);
}

BrowseProperties::TextBox& BrowseProperties::Text(const std::string& control) {
  for (TextBox& box : textBoxes) {
    if (control == box.control) {
      return box;
    }
  }
  throw std::invalid_argument("no text box " + control);
}

void BrowseProperties::LoadFromSelection() {
  if (SelectedControls.empty()) {
    return;
  }
  const PropertyObject& control = *SelectedControls.front();
  // The eight flags, then the two texts, then Enabled.
  for (size_t i = 0; i + 1 < checkBoxes.size(); ++i) {
    checkBoxes[i].value = std::get<bool>(control.GetProperty(checkBoxes[i].property)) ? 1 : 0;
  }
  for (TextBox& box : textBoxes) {
    box.text = std::get<std::string>(control.GetProperty(box.property));
  }
  checkBoxes.back().value = std::get<bool>(control.GetProperty(checkBoxes.back().property)) ? 1 : 0;
}

void BrowseProperties::ApplyToSelection() {
  if (SelectedControls.empty()) {
    return;
  }
  PropertyObject& control = *SelectedControls.front();
  for (size_t i = 0; i + 1 < checkBoxes.size(); ++i) {
    control.SetProperty(checkBoxes[i].property, checkBoxes[i].value == 1);
  }
  for (const TextBox& box : textBoxes) {
    control.SetProperty(box.property, box.text);
  }
  control.SetProperty(checkBoxes.back().property, checkBoxes.back().value == 1);
  Changed = false;
}

}  // namespace tandrel
