#pragma once

#include <optional>
#include <string>

namespace tandrel {

class Environment {
 public:
  virtual ~Environment() = default;
  // The value of an environment variable, or nothing when it is not set.
  virtual std::optional<std::string> Variable(const std::string& name) const = 0;
  // The system's temporary folder, used when "TEMP" is not set.
  virtual std::string SystemTempFolder() const = 0;
  // The folder that holds the executable, without a separator at the end.
  virtual std::string ProgramFolder() const = 0;
  // The program's arguments as one string, without the program's own path.
  virtual std::string CommandLine() const = 0;
};

}  // namespace tandrel
