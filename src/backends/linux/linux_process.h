#pragma once

#include "platform/process.h"

namespace tandrel {

class LinuxProcess : public Process {
 public:
  [[noreturn]] void EndProcess(int status) override;
};

}  // namespace tandrel
