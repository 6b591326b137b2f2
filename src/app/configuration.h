#pragma once

#include <string>

#include "app/mod_main.h"

namespace tandrel {

struct ConfigReadResult {
  // The file was opened; stays true when a later field fails.
  bool opened = false;
  // The file could not be opened, ended before the seventh field, or a number overflowed.
  bool failed = false;
};

// Reads the seven fields of Config.cfg into `settings`, in file order. On a failure the fields
// read before it keep their new values.
ConfigReadResult LoadConfigurations(const std::string& path, Settings& settings);

// The exact bytes of a Config.cfg holding `settings`: seven CR LF lines.
std::string FormatConfiguration(const Settings& settings);

// Replaces Config.cfg with one holding `settings`. The new file is written beside the old one
// and renamed over it, so the old settings survive a crash or a full disk. False when the file
// could not be written; the old file is then left as it was.
bool WriteConfiguration(const std::string& path, const Settings& settings);

// The settings a new Config.cfg is written with, and put in force with it.
Settings DefaultSettings(const std::string& desktopFolder);

inline constexpr const char* kDefaultLanguageFile = "English.ini";

}  // namespace tandrel
