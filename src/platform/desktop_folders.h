#pragma once

#include <string>

namespace tandrel {

class DesktopFolders {
 public:
  virtual ~DesktopFolders() = default;
  // The user's desktop folder, or the empty string when it cannot be found.
  virtual std::string DesktopFolder() const = 0;
};

}  // namespace tandrel
