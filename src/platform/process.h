#pragma once

namespace tandrel {

class Process {
 public:
  virtual ~Process() = default;
  // Ends the process at once with `status`; no window's close handling runs. Does not return.
  virtual void EndProcess(int status) = 0;
};

}  // namespace tandrel
