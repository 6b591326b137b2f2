#pragma once

#include <string>
#include <vector>

#include "folderbrowse/folder_browse.h"

namespace tandrel {

// The folder browse control's property page: its eleven settable properties as check boxes and
// text boxes. It reaches the properties by name, so it edits any object that has them.
class BrowseProperties {
 public:
  static constexpr const char* kCaption = "BrowseProperties";
  // The page's size, in 1/1440 inch.
  static constexpr int kWidth = 6105;
  static constexpr int kHeight = 3345;

  struct CheckBox {
    const char* control;
    const char* property;
    const char* caption;
    int left, top, width, height;
    int value = 0;  // 0 cleared, 1 ticked
  };
  struct TextBox {
    const char* control;
    const char* property;
    const char* label;
    int labelLeft, labelTop, left, top, width, height;
    std::string text;
  };

  BrowseProperties();

  // Shows the first selected object's properties.
  void LoadFromSelection();
  // Writes the page to the first selected object, through its setters.
  void ApplyToSelection();
  // A check box was clicked or a text box changed: the page has something to apply.
  void MarkChanged() { Changed = true; }

  CheckBox& Check(const std::string& control);
  TextBox& Text(const std::string& control);

  // The eight flag boxes in the order they are loaded and applied, then Enabled.
  std::vector<CheckBox> checkBoxes;
  std::vector<TextBox> textBoxes;
  std::vector<PropertyObject*> SelectedControls;
  bool Changed = false;
};

}  // namespace tandrel
