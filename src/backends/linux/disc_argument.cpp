#include "backends/linux/disc_argument.h"

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "backends/linux/linux_drives.h"

namespace tandrel {
namespace {

namespace fs = std::filesystem;

// The SCSI CD-ROM driver's block major: every /dev/srN.
constexpr unsigned kOpticalMajor = 11;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

bool HasScheme(const std::string& text, const char* scheme) {
  const size_t length = std::char_traits<char>::length(scheme);
  return text.size() >= length && strncasecmp(text.c_str(), scheme, length) == 0;
}

// The local path of a file: URI, or nothing when it names another host or is malformed.
std::optional<std::string> PathOfFileUri(const std::string& uri) {
  std::string rest = uri.substr(5);
  if (rest.rfind("//", 0) == 0) {
    const size_t slash = rest.find('/', 2);
    if (slash == std::string::npos) {
      return std::nullopt;
    }
    const std::string host = rest.substr(2, slash - 2);
    if (!host.empty() && strcasecmp(host.c_str(), "localhost") != 0) {
      return std::nullopt;
    }
    rest = rest.substr(slash);
  }
  rest = rest.substr(0, rest.find_first_of("?#"));
  if (rest.empty() || rest.front() != '/') {
    return std::nullopt;
  }
  std::string path;
  for (size_t i = 0; i < rest.size(); ++i) {
    if (rest[i] != '%') {
      path += rest[i];
      continue;
    }
    const int high = i + 2 < rest.size() ? HexDigit(rest[i + 1]) : -1;
    const int low = high >= 0 ? HexDigit(rest[i + 2]) : -1;
    if (low < 0 || (high == 0 && low == 0)) {
      return std::nullopt;
    }
    path += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return path;
}

// A mountinfo field with its octal escapes (\040 for a blank, \134 for a backslash) undone.
std::string Unescaped(const std::string& field) {
  auto octal = [&](size_t at) { return at < field.size() && field[at] >= '0' && field[at] <= '7'; };
  std::string text;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && octal(i + 1) && octal(i + 2) && octal(i + 3)) {
      text += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                (field[i + 3] - '0'));
      i += 3;
    } else {
      text += field[i];
    }
  }
  return text;
}

bool IsOpticalSource(const std::string& source, const std::string& majorMinor) {
  if (source.rfind("/dev/sr", 0) == 0 && source.size() > 7 &&
      source.find_first_not_of("0123456789", 7) == std::string::npos) {
    return true;
  }
  unsigned major = 0;
  return source.rfind("/dev/", 0) == 0 && std::sscanf(majorMinor.c_str(), "%u:", &major) == 1 &&
         major == kOpticalMajor;
}

// The device of the optical disc mounted on one of `paths`, or the empty string. Of several
// mounts on one point the last listed is the one on top.
std::string OpticalDeviceAt(const std::vector<fs::path>& paths, const std::string& mountinfo) {
  std::ifstream in(mountinfo);
  std::string line;
  std::string device;
  while (std::getline(in, line)) {
    // ID, parent ID, major:minor, root, mount point, options, optional fields, "-", file system
    // type, source, super options.
    std::istringstream fields(line);
    std::string id, parent, majorMinor, root, mountPoint, field;
    if (!(fields >> id >> parent >> majorMinor >> root >> mountPoint)) {
      continue;
    }
    while (fields >> field && field != "-") {
    }
    std::string type, source;
    if (field != "-" || !(fields >> type >> source)) {
      continue;
    }
    const fs::path point = Unescaped(mountPoint);
    if (std::find(paths.begin(), paths.end(), point) != paths.end()) {
      source = Unescaped(source);
      device = IsOpticalSource(source, majorMinor) ? source : std::string();
    }
  }
  return device;
}

// `path` absolute and without "." and ".." steps or a separator at the end.
fs::path Normal(const std::string& path) {
  std::error_code ec;
  fs::path normal = fs::absolute(path, ec).lexically_normal();
  if (!normal.has_filename() && normal.has_parent_path() && normal != normal.root_path()) {
    normal = normal.parent_path();
  }
  return normal;
}

}  // namespace

DiscArgument ResolveDiscArgument(const std::string& argument, const std::string& mountinfo) {
  const DiscArgument unchanged{argument, false};
  std::string path = argument;
  if (HasScheme(argument, "file:")) {
    const std::optional<std::string> local = PathOfFileUri(argument);
    if (!local) {
      return unchanged;
    }
    path = *local;
  } else if (argument.find("://") != std::string::npos) {
    return unchanged;  // dvd://, http:// and the like are for the engine to judge
  }
  if (path.empty()) {
    return unchanged;
  }

  const fs::path normal = Normal(path);
  // The mount table names points with their links resolved; the desktop may not have.
  std::vector<fs::path> points{normal};
  std::error_code ec;
  if (const fs::path real = fs::canonical(normal, ec); !ec && real != normal) {
    points.push_back(real);
  }
  // The VIDEO_TS folder of a mounted disc stands for the disc.
  for (size_t i = 0, count = points.size(); i < count; ++i) {
    if (points[i].filename() == "VIDEO_TS") {
      points.push_back(points[i].parent_path());
    }
  }
  if (std::string device = OpticalDeviceAt(points, mountinfo); !device.empty()) {
    return {device, false};
  }
  if (IsDvdFolderOrImage(normal.string())) {
    return {normal.string(), true};
  }
  return unchanged;
}

}  // namespace tandrel
