#pragma once

#include <string>

#include "platform/environment.h"

namespace tandrel {

class LinuxEnvironment : public Environment {
 public:
  LinuxEnvironment(int argc, const char* const* argv);

  std::optional<std::string> Variable(const std::string& name) const override;
  std::string SystemTempFolder() const override;
  std::string ProgramFolder() const override { return programFolder_; }
  std::string CommandLine() const override { return commandLine_; }
  // What the desktop handed over, once it has been made into a drive the player knows.
  void SetCommandLine(std::string commandLine) { commandLine_ = std::move(commandLine); }

 private:
  std::string programFolder_;
  std::string commandLine_;
};

}  // namespace tandrel
