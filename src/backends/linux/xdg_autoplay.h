#pragma once

#include <optional>
#include <string>
#include <vector>

#include "backends/linux/run_command.h"
#include "platform/environment.h"
#include "platform/shell.h"

namespace tandrel {

// The player as the desktop's handler for inserted DVD movies, through every convention a
// desktop might follow:
//  - a hidden desktop entry, $XDG_DATA_HOME/applications/tandrel-autoplay.desktop, for the
//    content type x-content/video-dvd, made the default for that type in
//    $XDG_CONFIG_HOME/mimeapps.list;
//  - GNOME's list of content types that start their default application
//    (org.gnome.desktop.media-handling autorun-x-content-start-app), where the schema exists;
//  - a KDE Solid device action, $XDG_DATA_HOME/solid/actions/tandrel-play-dvd.desktop.
// Unregistering takes back only what registering put there; other programs' entries, and
// whatever the user had chosen before, stay.
class XdgAutoPlay : public AutoPlayRegistration {
 public:
  // `executable` is the player's absolute path, as the desktop is to start it.
  XdgAutoPlay(std::string executable, const Environment& environment, CommandRunner& runner);

  void RegisterAutoPlay(int16_t autoPlay) override;

  static constexpr const char* kDesktopId = "tandrel-autoplay.desktop";
  static constexpr const char* kContentType = "x-content/video-dvd";

 private:
  struct Files {
    std::string entry;     // the desktop entry
    std::string mimeapps;  // mimeapps.list
    std::string action;    // the Solid action
  };

  std::optional<Files> Locate() const;
  void Register(const Files& files);
  void Unregister(const Files& files);
  // GNOME's start-app list, or nothing when there is no such setting to change.
  std::optional<std::vector<std::string>> GnomeStartApps();
  bool SetGnomeStartApps(const std::vector<std::string>& types);

  std::string executable_;
  const Environment& environment_;
  CommandRunner& runner_;
};

}  // namespace tandrel
