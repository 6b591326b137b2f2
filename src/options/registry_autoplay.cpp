#include "options/registry_autoplay.h"

namespace tandrel {
namespace {

constexpr const char* kAutoPlayKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\AutoPlayHandlers\\EventHandlers\\"
    "PlayDVDMovieOnArrival";
constexpr const char* kHandlerKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\AutoPlayHandlers\\Handlers\\"
    "TandrelDVDMovieOnArrival";
constexpr const char* kHandlerName = "TandrelDVDMovieOnArrival";
constexpr const char* kProgId = "PlayWithKorvTandrel";
constexpr const char* kDvdVerb = "PlayWithTandrel";
constexpr const char* kDvdShell = "DVD\\shell";

}  // namespace

RegistryAutoPlay::RegistryAutoPlay(Registry& registry, std::string programFolder)
    : registry_(registry), programFolder_(std::move(programFolder)) {}

std::string RegistryAutoPlay::CommandValue() const {
  return programFolder_ + "\\Tandrel %1";
}

std::string RegistryAutoPlay::IconValue() const {
  return "\"" + programFolder_ + "\\Tandrel.exe\"";
}

void RegistryAutoPlay::RegisterAutoPlay(int16_t autoPlay) {
  if (autoPlay != 0) {
    Register();
  } else {
    Unregister();
  }
}

void RegistryAutoPlay::SetString(RegKey key, const std::string& name, const std::string& text) {
  registry_.RegSetValueEx(key, name, reg::kSz, text.c_str(),
                          static_cast<uint32_t>(text.size() + 1));
}

void RegistryAutoPlay::CreateKey(RegKey root, const std::string& path, const std::string* text) {
  RegKey key = 0;
  registry_.RegCreateKey(root, path, &key);
  if (text != nullptr) {
    SetString(key, "", *text);
  }
  registry_.RegCloseKey(key);
}

void RegistryAutoPlay::Register() {
  RegKey autoPlay = 0;
  if (registry_.RegOpenKey(reg::kLocalMachine, kAutoPlayKey, &autoPlay) != reg::kSuccess) {
    return;  // no AutoPlay on this system: nothing is written
  }
  SetString(autoPlay, kHandlerName, "");
  registry_.RegCloseKey(autoPlay);

  RegKey handler = 0;
  registry_.RegCreateKey(reg::kLocalMachine, kHandlerKey, &handler);
  SetString(handler, "Action", "Play DVD");
  SetString(handler, "DefaultIcon", IconValue());
  SetString(handler, "InvokeProgID", kProgId);
  SetString(handler, "InvokeVerb", "Play");
  SetString(handler, "Provider", "Brimwell Tandrel");
  registry_.RegCloseKey(handler);

  const std::string command = CommandValue();
  const std::string playWith = "Play With Tandrel";
  CreateKey(reg::kClassesRoot, kProgId);
  CreateKey(reg::kClassesRoot, std::string(kProgId) + "\\shell");
  CreateKey(reg::kClassesRoot, std::string(kProgId) + "\\shell\\Play");
  CreateKey(reg::kClassesRoot, std::string(kProgId) + "\\shell\\Play\\command", &command);
  CreateKey(reg::kClassesRoot, std::string(kDvdShell) + "\\" + kDvdVerb, &playWith);
  CreateKey(reg::kClassesRoot, std::string(kDvdShell) + "\\" + kDvdVerb + "\\command", &command);

  RegKey dvdShell = 0;
  if (registry_.RegOpenKey(reg::kClassesRoot, kDvdShell, &dvdShell) != reg::kSuccess) {
    return;
  }
  SetString(dvdShell, "", kDvdVerb);
  registry_.RegCloseKey(dvdShell);
}

void RegistryAutoPlay::Unregister() {
  // Children first: a key that still has subkeys cannot be deleted. Every step is tried.
  const std::string progId = kProgId;
  registry_.RegDeleteKey(reg::kClassesRoot, progId + "\\shell\\Play\\command");
  registry_.RegDeleteKey(reg::kClassesRoot, progId + "\\shell\\Play");
  registry_.RegDeleteKey(reg::kClassesRoot, progId + "\\shell");
  registry_.RegDeleteKey(reg::kClassesRoot, progId);
  registry_.RegDeleteKey(reg::kLocalMachine, kHandlerKey);
  registry_.RegDeleteKey(reg::kClassesRoot, std::string(kDvdShell) + "\\" + kDvdVerb + "\\command");
  registry_.RegDeleteKey(reg::kClassesRoot, std::string(kDvdShell) + "\\" + kDvdVerb);

  RegKey autoPlay = 0;
  registry_.RegCreateKey(reg::kLocalMachine, kAutoPlayKey, &autoPlay);
  registry_.RegDeleteValue(autoPlay, kHandlerName);
  registry_.RegCloseKey(autoPlay);

  RegKey dvdShell = 0;
  if (registry_.RegOpenKey(reg::kClassesRoot, kDvdShell, &dvdShell) != reg::kSuccess) {
    return;
  }
  SetString(dvdShell, "", "play");
  registry_.RegCloseKey(dvdShell);
}

}  // namespace tandrel
