#pragma once

#include <string>

#include "platform/registry.h"
#include "platform/shell.h"

namespace tandrel {

// The AutoPlay registration as Windows keeps it: an event handler for DVD movies, a class whose
// Play verb starts the program with the drive, and a verb on the DVD class that becomes its
// default.
class RegistryAutoPlay : public AutoPlayRegistration {
 public:
  // `programFolder`: the Windows folder that holds Tandrel.exe.
  RegistryAutoPlay(Registry& registry, std::string programFolder);

  void RegisterAutoPlay(int16_t autoPlay) override;

  // "<folder>\Tandrel %1" and the quoted "<folder>\Tandrel.exe".
  std::string CommandValue() const;
  std::string IconValue() const;

 private:
  void Register();
  void Unregister();
  void SetString(RegKey key, const std::string& name, const std::string& text);
  // Creates the key, sets its unnamed value when `text` is given, and releases it.
  void CreateKey(RegKey root, const std::string& path, const std::string* text = nullptr);

  Registry& registry_;
  std::string programFolder_;
};

}  // namespace tandrel
