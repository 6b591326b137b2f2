#pragma once

#include <string>
#include <vector>

#include "platform/instance_guard.h"

namespace tandrel {

// Instances of the program see each other through advisory locks on files in one folder, the
// user's runtime folder by default. A lock goes with its process, however that process ends.
class LinuxInstanceGuard : public InstanceGuard {
 public:
  // `folder` empty: $XDG_RUNTIME_DIR, else the system's temporary folder.
  explicit LinuxInstanceGuard(std::string folder = {});
  ~LinuxInstanceGuard() override;

  LinuxInstanceGuard(const LinuxInstanceGuard&) = delete;
  LinuxInstanceGuard& operator=(const LinuxInstanceGuard&) = delete;

  bool PreviousInstanceRunning() override;
  void CreateSingleInstanceMarker(const std::string& name) override;

 private:
  std::string folder_;
  std::vector<int> held_;
};

}  // namespace tandrel
