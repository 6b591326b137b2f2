#include "folderbrowse/folder_browse.h"

namespace tandrel {

PropertyValue PropertyBag::Read(const std::string& name, const PropertyValue& defaultValue) const {
  auto it = values_.find(name);
  // A stored value of the wrong kind is no value at all.
  if (it == values_.end() || it->second.index() != defaultValue.index()) {
    return defaultValue;
  }
  return it->second;
}

void PropertyBag::Write(const std::string& name, const PropertyValue& value,
                        const PropertyValue& defaultValue) {
  if (value == defaultValue) {
    values_.erase(name);
  } else {
    values_[name] = value;
  }
}

const std::vector<FolderBrowseProperty>& FolderBrowse::Properties() {
  static const std::vector<FolderBrowseProperty> properties = {
      {"Enabled", true, false, 0,
       "Returns/sets a value that determines whether an object can respond to user-generated "
       "events."},
      {"FolderName", std::string(), true, 0, "The folder (directory name)"},
      {"FileName", std::string(), true, 0, "The File name (if browsing for a file)"},
      {"FullName", std::string(), true, 0, "The full path and file name to the file/folder"},
      {"DisplayName", std::string(), true, 0, "File/Folders display name"},
      {"FileReadOnly", false, true, 0, "Is the file read only"},
      {"FileHidden", false, true, 0, "Is the file a hidden file"},
      {"FileSystem", false, true, 0, "Is the file a system file"},
      {"FileCompressed", false, true, 0, "Is the file compressed"},
      {"FileArchived", false, true, 0, "Is the file archived"},
      {"StartDirectory", std::string(), false, 0, "The directory to start browsing from"},
      {"Caption", std::string("Folder Browser"), false, 0,
       "Sets the caption of the Folder/File Browser"},
      {"OnlyFileSystemDirectories", false, false, 0x0001, "Only file system directories"},
      {"DontGoBelowDomain", true, false, 0x0002, "No network folders below domain level"},
      {"AllowEditBox", false, false, 0x0010, "Allows user to rename selection"},
      {"ValidateSelection", true, false, 0x0020, "Insist on valid edit box result (or CANCEL)"},
      {"UseNewUI", false, false, 0x0040,
       "Setting this flag provides the user with a larger dialog box that can be resized.  It "
       "has several new capabilities including: dialog box, reordering, context menus, new "
       "folders, drag and drop capability within the delete, and other context menu commands."},
      {"BrowseForComputer", false, false, 0x1000, "Only returns computers"},
      {"BrowseForPrinter", false, false, 0x2000, "Only returns printers"},
      {"IncludeFiles", false, false, 0x4000, "Browse for Everything"},
  };
  return properties;
}

FolderBrowse::FolderBrowse(FolderDialogs& dialogs) : dialogs_(dialogs) {
  InitProperties();
}

void FolderBrowse::InitProperties() {
  values_.clear();
  for (const FolderBrowseProperty& property : Properties()) {
    values_[property.name] = property.defaultValue;
  }
}

void FolderBrowse::ReadProperties(const PropertyBag& bag) {
  for (const FolderBrowseProperty& property : Properties()) {
    values_[property.name] = bag.Read(property.name, property.defaultValue);
  }
}

void FolderBrowse::WriteProperties(PropertyBag& bag) const {
  for (const FolderBrowseProperty& property : Properties()) {
    bag.Write(property.name, values_.at(property.name), property.defaultValue);
  }
}

void FolderBrowse::Resize(int& width, int& height) const {
  width = kSide;
  height = kSide;
}

uint32_t FolderBrowse::GetBrowseFlags() const {
  uint32_t flags = 0;
  for (const FolderBrowseProperty& property : Properties()) {
    if (property.flag != 0 && std::get<bool>(values_.at(property.name))) {
      flags |= property.flag;
    }
  }
  return flags;
}

bool FolderBrowse::Browse() {
  BrowseInfo info;
  info.owner = owner;
  info.root = Text("StartDirectory");
  if (!info.root.empty()) {
    info.wideRoot = dialogs_.IsWindowsNT();
  }
  info.title = Text("Caption");
  info.flags = GetBrowseFlags();
  values_["FullName"] = dialogs_.BrowseForFolder(info);
  return !FullName().empty();
}

const FolderBrowseProperty& FolderBrowse::Find(const std::string& name) const {
  for (const FolderBrowseProperty& property : Properties()) {
    if (name == property.name) {
      return property;
    }
  }
  throw std::invalid_argument("FolderBrowse has no property " + name);
}

PropertyValue FolderBrowse::GetProperty(const std::string& name) const {
  return values_.at(Find(name).name);
}

void FolderBrowse::SetProperty(const std::string& name, const PropertyValue& value) {
  const FolderBrowseProperty& property = Find(name);
  if (property.readOnly) {
    throw userMode
        ? ControlError(kErrorSetNotSupportedAtRuntime, "Setting not supported at run time: " + name)
        : ControlError(kErrorSetNotPermitted, "Setting not permitted: " + name);
  }
  if (value.index() != property.defaultValue.index()) {
    throw std::invalid_argument("Wrong kind of value for " + name);
  }
  values_[property.name] = value;
  if (propertyChanged) {
    propertyChanged(property.name);
  }
}

}  // namespace tandrel
