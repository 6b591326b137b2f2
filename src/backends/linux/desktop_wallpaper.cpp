#include "backends/linux/desktop_wallpaper.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <vector>

namespace tandrel {
namespace {

enum class Desktop { kGnome, kCinnamon, kMate, kKde, kXfce };

enum class Layout { kCentred, kTiled, kStretched };

Layout LayoutOf(int16_t style) {
  switch (style) {
    case 1:
      return Layout::kTiled;
    case 2:
      return Layout::kStretched;
    default:
      return Layout::kCentred;
  }
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::optional<Desktop> DesktopNamed(const std::string& name) {
  const std::string lower = Lower(name);
  if (lower == "gnome" || lower == "unity" || lower == "budgie" || lower == "pantheon" ||
      lower == "gnome-classic" || lower == "gnome-flashback") {
    return Desktop::kGnome;
  }
  if (lower == "x-cinnamon" || lower == "cinnamon") {
    return Desktop::kCinnamon;
  }
  if (lower == "mate") {
    return Desktop::kMate;
  }
  // DESKTOP_SESSION calls Plasma sessions plasma, plasmawayland or plasmax11.
  if (lower == "kde" || lower.rfind("plasma", 0) == 0) {
    return Desktop::kKde;
  }
  if (lower == "xfce") {
    return Desktop::kXfce;
  }
  return std::nullopt;
}

std::vector<Desktop> NamedDesktops(const Environment& environment) {
  std::vector<Desktop> desktops;
  for (const char* variable : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION"}) {
    const std::string names = environment.Variable(variable).value_or("");
    size_t start = 0;
    while (start <= names.size()) {
      size_t end = names.find(':', start);
      if (end == std::string::npos) {
        end = names.size();
      }
      const std::optional<Desktop> desktop = DesktopNamed(names.substr(start, end - start));
      if (desktop && std::find(desktops.begin(), desktops.end(), *desktop) == desktops.end()) {
        desktops.push_back(*desktop);
      }
      start = end + 1;
    }
    if (!desktops.empty()) {
      break;  // the session's name only stands in when the desktop names none we know
    }
  }
  return desktops;
}

std::string Trimmed(const std::string& text) {
  const size_t begin = text.find_first_not_of(" \t\r\n");
  if (begin == std::string::npos) {
    return {};
  }
  return text.substr(begin, text.find_last_not_of(" \t\r\n") - begin + 1);
}

// gsettings on GNOME, Cinnamon and MATE: the three share the picture-options names.
bool ApplyWithGSettings(CommandRunner& runner, const std::string& schema,
                        const std::vector<std::string>& pictureKeys, const std::string& picture,
                        Layout layout) {
  const CommandResult writable = runner.Run({"gsettings", "writable", schema, pictureKeys[0]});
  if (!writable.Succeeded() || Trimmed(writable.output) != "true") {
    return false;
  }
  const char* options = layout == Layout::kTiled       ? "wallpaper"
                        : layout == Layout::kStretched ? "stretched"
                                                       : "centered";
  // The layout first, so that the new picture is not shown once in the old one.
  runner.Run({"gsettings", "set", schema, "picture-options", GVariantString(options)});
  bool set =
      runner.Run({"gsettings", "set", schema, pictureKeys[0], GVariantString(picture)}).Succeeded();
  for (size_t i = 1; set && i < pictureKeys.size(); ++i) {
    // Only on releases that know the key; older ones refuse, which changes nothing.
    runner.Run({"gsettings", "set", schema, pictureKeys[i], GVariantString(picture)});
  }
  return set;
}

// Every desktop (one per screen and activity) of Plasma's shell gets the image wallpaper. The
// fill modes are those of a Qt Quick Image: Pad shows the picture centred, Tile tiles it,
// Stretch stretches it.
bool ApplyOnPlasma(CommandRunner& runner, const std::string& uri, Layout layout) {
  const char* fillMode = layout == Layout::kTiled ? "3" : layout == Layout::kStretched ? "0" : "6";
  const std::string script =
      "var all = desktops();\n"
      "for (var i = 0; i < all.length; i++) {\n"
      "  var d = all[i];\n"
      "  d.wallpaperPlugin = \"org.kde.image\";\n"
      "  d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];\n"
      "  d.writeConfig(\"FillMode\", " +
      std::string(fillMode) +
      ");\n"
      "  d.writeConfig(\"Image\", " +
      QuotedLiteral(uri, '"') +
      ");\n"
      "}\n";
  // --print-reply makes dbus-send wait for the shell's answer and fail when it refuses.
  if (runner
          .Run({"dbus-send", "--session", "--print-reply", "--reply-timeout=5000",
                "--dest=org.kde.plasmashell", "/PlasmaShell", "org.kde.PlasmaShell.evaluateScript",
                "string:" + script})
          .Succeeded()) {
    return true;
  }
  return runner
      .Run({"qdbus", "org.kde.plasmashell", "/PlasmaShell", "org.kde.PlasmaShell.evaluateScript",
            script})
      .Succeeded();
}

bool IsXfceBackdrop(const std::string& property) {
  // /backdrop/screen0/monitorHDMI-1/workspace0/last-image
  static const char* const kSteps[] = {"screen", "monitor", "workspace"};
  if (property.rfind("/backdrop/", 0) != 0) {
    return false;
  }
  size_t at = 10;
  for (const char* step : kSteps) {
    const size_t length = std::char_traits<char>::length(step);
    const size_t end = property.find('/', at);
    if (end == std::string::npos || property.compare(at, length, step) != 0 || end == at + length) {
      return false;
    }
    at = end + 1;
  }
  return property.compare(at, std::string::npos, "last-image") == 0;
}

// Xfce keeps one backdrop per screen, monitor and workspace; each one that exists gets it.
bool ApplyOnXfce(CommandRunner& runner, const std::string& path, Layout layout) {
  const CommandResult listed = runner.Run({"xfconf-query", "-c", "xfce4-desktop", "-l"});
  if (!listed.Succeeded()) {
    return false;
  }
  const char* style = layout == Layout::kTiled ? "2" : layout == Layout::kStretched ? "3" : "1";
  bool set = false;
  size_t start = 0;
  while (start < listed.output.size()) {
    size_t end = listed.output.find('\n', start);
    if (end == std::string::npos) {
      end = listed.output.size();
    }
    const std::string property = Trimmed(listed.output.substr(start, end - start));
    start = end + 1;
    if (!IsXfceBackdrop(property)) {
      continue;
    }
    const std::string backdrop = property.substr(0, property.size() - 11);
    runner.Run({"xfconf-query", "-c", "xfce4-desktop", "-p", backdrop + "/image-style", "-n", "-t",
                "int", "-s", style});
    set = runner.Run({"xfconf-query", "-c", "xfce4-desktop", "-p", property, "-s", path})
              .Succeeded() ||
          set;
  }
  return set;
}

}  // namespace

std::string FileUri(const std::string& path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string uri = "file://";
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalnum(byte) != 0 && byte < 0x80) {
      uri += c;
    } else if (c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
      uri += c;
    } else {
      uri += '%';
      uri += kHex[byte >> 4];
      uri += kHex[byte & 0x0F];
    }
  }
  return uri;
}

bool ApplyDesktopWallpaper(const Environment& environment, CommandRunner& runner,
                           const std::string& bitmapPath, int16_t style) {
  if (bitmapPath.empty()) {
    return false;
  }
  std::error_code ec;
  const std::string path = std::filesystem::absolute(bitmapPath, ec).string();
  if (ec) {
    return false;
  }
  const Layout layout = LayoutOf(style);
  for (const Desktop desktop : NamedDesktops(environment)) {
    bool applied = false;
    switch (desktop) {
      case Desktop::kGnome:
        // GNOME 42 and later show picture-uri-dark in the dark style.
        applied = ApplyWithGSettings(runner, "org.gnome.desktop.background",
                                     {"picture-uri", "picture-uri-dark"}, FileUri(path), layout);
        break;
      case Desktop::kCinnamon:
        applied = ApplyWithGSettings(runner, "org.cinnamon.desktop.background", {"picture-uri"},
                                     FileUri(path), layout);
        break;
      case Desktop::kMate:
        applied =
            ApplyWithGSettings(runner, "org.mate.background", {"picture-filename"}, path, layout);
        break;
      case Desktop::kKde:
        applied = ApplyOnPlasma(runner, FileUri(path), layout);
        break;
      case Desktop::kXfce:
        applied = ApplyOnXfce(runner, path, layout);
        break;
    }
    if (applied) {
      return true;
    }
  }
  return false;
}

}  // namespace tandrel
