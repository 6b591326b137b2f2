#pragma once

#include <string>

namespace tandrel {

class InstanceGuard {
 public:
  virtual ~InstanceGuard() = default;
  // True when another instance of the program is already running. Makes this process the one
  // that later instances see, so it is asked once, before anything else is created.
  virtual bool PreviousInstanceRunning() = 0;
  // Creates the named single-instance marker and holds it until the process ends. The outcome
  // is not reported.
  virtual void CreateSingleInstanceMarker(const std::string& name) = 0;
};

}  // namespace tandrel
