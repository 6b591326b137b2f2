#pragma once

#include <cstdint>
#include <string>

#include "platform/window_hooks.h"

namespace tandrel {

// Hands files, web addresses and mail addresses ("mailto:...") to the desktop's own opener.
class ShellOpener {
 public:
  virtual ~ShellOpener() = default;
  // Opens `target` with its default action; `maximized` asks for a maximised window. False when
  // the desktop reports that it could not.
  virtual bool Open(const std::string& target, bool maximized) = 0;
};

// Makes the program the desktop's AutoPlay handler for DVD movies, or takes that away.
class AutoPlayRegistration {
 public:
  virtual ~AutoPlayRegistration() = default;
  // 0 unregisters, any other value registers. Failures are not reported.
  virtual void RegisterAutoPlay(int16_t autoPlay) = 0;
};

// The shell's request for its folder dialog.
struct BrowseInfo {
  NativeWindow owner = 0;
  // The folder the dialog is confined to; empty for the top of the shell's namespace.
  std::string root;
  // Its text is in UTF-16 on the NT family, in the ANSI code page otherwise.
  bool wideRoot = false;
  int displayNameChars = 260;
  std::string title;
  uint32_t flags = 0;
};

class FolderDialogs {
 public:
  virtual ~FolderDialogs() = default;
  // Shows the folder dialog modally; the chosen item's file-system path, or the empty string
  // when the user cancelled or chose something without one.
  virtual std::string BrowseForFolder(BrowseInfo& info) = 0;
  virtual bool IsWindowsNT() = 0;
};

}  // namespace tandrel
