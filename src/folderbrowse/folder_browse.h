#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "platform/shell.h"

namespace tandrel {

using PropertyValue = std::variant<bool, std::string>;

// An object whose properties can be reached by their names, as a property page reaches them.
class PropertyObject {
 public:
  virtual ~PropertyObject() = default;
  virtual PropertyValue GetProperty(const std::string& name) const = 0;
  virtual void SetProperty(const std::string& name, const PropertyValue& value) = 0;
};

// Properties saved with a window: values by name.
class PropertyBag {
 public:
  PropertyValue Read(const std::string& name, const PropertyValue& defaultValue) const;
  // A value equal to its default need not be stored, and is not.
  void Write(const std::string& name, const PropertyValue& value,
             const PropertyValue& defaultValue);
  bool Has(const std::string& name) const { return values_.count(name) != 0; }

 private:
  std::map<std::string, PropertyValue> values_;
};

// An assignment the control refuses, with the control error number.
class ControlError : public std::runtime_error {
 public:
  ControlError(int number, const std::string& what) : std::runtime_error(what), number(number) {}
  int number;
};

// Setting not permitted (a read-only property, at design time).
inline constexpr int kErrorSetNotPermitted = 387;
// Setting not supported at run time (a read-only property, in use).
inline constexpr int kErrorSetNotSupportedAtRuntime = 382;

struct FolderBrowseProperty {
  const char* name;
  PropertyValue defaultValue;
  bool readOnly;
  uint32_t flag;  // its bit in the folder dialog's flags, 0 for none
  const char* description;
};

// A control around the shell's folder dialog: its properties choose the dialog's title, root
// folder and flags, and Browse leaves the chosen item's path in FullName.
class FolderBrowse : public PropertyObject {
 public:
  // The control keeps this size on its window, in 1/1440 inch.
  static constexpr int kSide = 390;
  static const std::vector<FolderBrowseProperty>& Properties();

  explicit FolderBrowse(FolderDialogs& dialogs);

  // Host events: a new instance, properties loaded and saved with the window, a resize.
  void InitProperties();
  void ReadProperties(const PropertyBag& bag);
  void WriteProperties(PropertyBag& bag) const;
  void Resize(int& width, int& height) const;

  // Shows the folder dialog; true when it left a path in FullName.
  bool Browse();
  // The flag bits of every flag property that is true.
  uint32_t GetBrowseFlags() const;

  PropertyValue GetProperty(const std::string& name) const override;
  // Stores the value and tells the host; a read-only property throws ControlError instead.
  void SetProperty(const std::string& name, const PropertyValue& value) override;

  bool Flag(const std::string& name) const { return std::get<bool>(GetProperty(name)); }
  std::string Text(const std::string& name) const {
    return std::get<std::string>(GetProperty(name));
  }
  std::string FullName() const { return Text("FullName"); }

  // The host is running the program rather than designing it.
  bool userMode = true;
  // The window that owns the dialog.
  NativeWindow owner = 0;
  // Told the name of each property that changed, so that the host saves it.
  std::function<void(const std::string&)> propertyChanged;

 private:
  const FolderBrowseProperty& Find(const std::string& name) const;

  FolderDialogs& dialogs_;
  std::map<std::string, PropertyValue> values_;
};

}  // namespace tandrel
