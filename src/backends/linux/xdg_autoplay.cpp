#include "backends/linux/xdg_autoplay.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tandrel {
namespace {

namespace fs = std::filesystem;

constexpr const char* kMediaSchema = "org.gnome.desktop.media-handling";
constexpr const char* kStartAppKey = "autorun-x-content-start-app";
constexpr const char* kDefaultsGroup = "Default Applications";
// Kept in our own desktop entry: the content type was put in GNOME's start-app list by us, so
// unregistering may take it out again. Without it the type was the user's choice already.
constexpr const char* kAddedMark = "X-Tandrel-Added-To-Start-Apps=true";

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string Trimmed(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) {
    ++begin;
  }
  while (end > begin && IsBlank(text[end - 1])) {
    --end;
  }
  return text.substr(begin, end - begin);
}

// An XDG base directory: the variable when it holds an absolute path, else the place under HOME.
std::string BaseDirectory(const Environment& environment, const char* variable,
                          const char* underHome) {
  const std::optional<std::string> value = environment.Variable(variable);
  if (value && !value->empty() && value->front() == '/') {
    return *value;
  }
  const std::optional<std::string> home = environment.Variable("HOME");
  if (home && !home->empty()) {
    return *home + underHome;
  }
  return {};
}

std::optional<std::string> ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Replaces the file in one step, so that a desktop reading it meanwhile sees the old text or the
// new one, never half of it. The mode of a file being replaced is kept.
void WriteAtomically(const std::string& requested, const std::string& text) {
  std::error_code ec;
  fs::path path = requested;
  // A list that a dotfile manager keeps elsewhere is written where it lives, link left alone.
  if (fs::is_symlink(path, ec)) {
    fs::path target = fs::canonical(path, ec);
    if (ec) {
      return;
    }
    path = target;
  }
  fs::create_directories(path.parent_path(), ec);
  std::string temporary = path.string() + ".tandrel-XXXXXX";
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) {
    return;
  }
  struct stat existing {};
  fchmod(fd, stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0644);
  bool ok = true;
  for (size_t done = 0; ok && done < text.size();) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
    } else if (n == 0 || errno != EINTR) {
      ok = false;
    }
  }
  ok = fsync(fd) == 0 && ok;
  ok = close(fd) == 0 && ok;
  if (!ok || rename(temporary.c_str(), path.c_str()) != 0) {
    unlink(temporary.c_str());
  }
}

// The string value of a desktop entry key as it is written in the file.
std::string EscapedValue(const std::string& value) {
  std::string escaped;
  for (const char c : value) {
    switch (c) {
      case '\\':
        escaped += "\\\\";
        break;
      case '\n':
        escaped += "\\n";
        break;
      case '\t':
        escaped += "\\t";
        break;
      case '\r':
        escaped += "\\r";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

// One argument of an Exec key. A path of plain characters stands as it is, which is also what
// simpler readers of desktop entries (xdg-mime among them) understand; any other goes in double
// quotes, so that no character of it has a meaning of its own, with the characters that stay
// special inside them escaped. '%' is doubled so that it is not taken for a field code.
std::string ExecArgument(const std::string& argument) {
  const bool plain = !argument.empty() && argument.find_first_not_of(
                                              "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                              "0123456789/._+-,:@=") == std::string::npos;
  if (plain) {
    return EscapedValue(argument);
  }
  std::string quoted = "\"";
  for (const char c : argument) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') {
      quoted += '\\';
    }
    quoted += c;
    if (c == '%') {
      quoted += '%';
    }
  }
  return EscapedValue(quoted + "\"");
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      end = text.size();
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line + "\n";
  }
  return text;
}

// The group a header line opens, or nothing for any other line.
std::optional<std::string> GroupName(const std::string& line) {
  const std::string trimmed = Trimmed(line);
  if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
    return trimmed.substr(1, trimmed.size() - 2);
  }
  return std::nullopt;
}

// Where the value of `key` starts on `line`, or nothing when the line sets another key.
std::optional<size_t> ValueStart(const std::string& line, const std::string& key) {
  size_t at = 0;
  while (at < line.size() && IsBlank(line[at])) {
    ++at;
  }
  if (line.compare(at, key.size(), key) != 0) {
    return std::nullopt;
  }
  at += key.size();
  while (at < line.size() && IsBlank(line[at])) {
    ++at;
  }
  if (at >= line.size() || line[at] != '=') {
    return std::nullopt;
  }
  ++at;
  while (at < line.size() && IsBlank(line[at])) {
    ++at;
  }
  return at;
}

// A semicolon list without the items naming `id`, the rest written as it was; empty when
// nothing else is named.
std::string WithoutItem(const std::string& list, const std::string& id) {
  std::vector<std::string> kept;
  size_t start = 0;
  for (;;) {
    const size_t end = list.find(';', start);
    const std::string item = list.substr(start, end == std::string::npos ? end : end - start);
    if (Trimmed(item) != id) {
      kept.push_back(item);
    }
    if (end == std::string::npos) {
      break;
    }
    start = end + 1;
  }
  std::string joined;
  bool named = false;
  for (size_t i = 0; i < kept.size(); ++i) {
    joined += (i == 0 ? "" : ";") + kept[i];
    named = named || !Trimmed(kept[i]).empty();
  }
  return named ? joined : std::string();
}

std::string FirstItem(const std::string& list) {
  return Trimmed(list.substr(0, list.find(';')));
}

// mimeapps.list with `id` first among the defaults for `type`. Every line that does not set
// that default stays as it was, whichever program or person wrote it; the programs named after
// ours still serve when our entry is gone.
std::string WithDefaultApplication(const std::string& text, const std::string& type,
                                   const std::string& id) {
  std::vector<std::string> lines = SplitLines(text);
  enum { kNotMet, kInside, kPast } firstGroup = kNotMet;
  bool inDefaults = false;
  bool found = false;
  // Below the last setting of the first defaults group, above any comment that introduces what
  // follows.
  size_t insertAfter = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (const std::optional<std::string> group = GroupName(lines[i])) {
      inDefaults = *group == kDefaultsGroup;
      if (firstGroup == kInside) {
        firstGroup = kPast;
      }
      if (inDefaults && firstGroup == kNotMet) {
        firstGroup = kInside;
        insertAfter = i;
      }
      continue;
    }
    if (!inDefaults) {
      continue;
    }
    const std::string trimmed = Trimmed(lines[i]);
    if (firstGroup == kInside && !trimmed.empty() && trimmed.front() != '#') {
      insertAfter = i;
    }
    // Every line for the type is updated: readers differ on which of several wins.
    if (const std::optional<size_t> value = ValueStart(lines[i], type)) {
      found = true;
      const std::string list = lines[i].substr(*value);
      if (FirstItem(list) != id) {
        lines[i] = lines[i].substr(0, *value) + id + ";" + WithoutItem(list, id);
      }
    }
  }
  const std::string entry = type + "=" + id + ";";
  if (found) {
    return JoinLines(lines);
  }
  if (firstGroup != kNotMet) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAfter) + 1, entry);
    return JoinLines(lines);
  }
  if (!lines.empty() && !Trimmed(lines.back()).empty()) {
    lines.emplace_back();
  }
  lines.push_back(std::string("[") + kDefaultsGroup + "]");
  lines.push_back(entry);
  return JoinLines(lines);
}

// The inverse: `id` taken out of the defaults for `type`, the line dropped when it named nothing
// else. A default that is not ours stays.
std::string WithoutDefaultApplication(const std::string& text, const std::string& type,
                                      const std::string& id) {
  std::vector<std::string> lines = SplitLines(text);
  bool inDefaults = false;
  bool changed = false;
  for (size_t i = 0; i < lines.size();) {
    if (const std::optional<std::string> group = GroupName(lines[i])) {
      inDefaults = *group == kDefaultsGroup;
    } else if (inDefaults) {
      if (const std::optional<size_t> value = ValueStart(lines[i], type)) {
        const std::string list = lines[i].substr(*value);
        const std::string others = WithoutItem(list, id);
        if (others != list) {
          changed = true;
          if (others.empty()) {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
          }
          lines[i] = lines[i].substr(0, *value) + others;
        }
      }
    }
    ++i;
  }
  return changed ? JoinLines(lines) : text;
}

// The strings of a GVariant string array as gsettings prints it: ['a', 'b'] or @as [].
std::optional<std::vector<std::string>> ParseStringArray(const std::string& text) {
  size_t at = 0;
  auto skipBlanks = [&] {
    while (at < text.size() && IsBlank(text[at])) {
      ++at;
    }
  };
  skipBlanks();
  if (text.compare(at, 3, "@as") == 0) {
    at += 3;
    skipBlanks();
  }
  if (at >= text.size() || text[at] != '[') {
    return std::nullopt;
  }
  ++at;
  std::vector<std::string> strings;
  for (;;) {
    skipBlanks();
    if (at < text.size() && text[at] == ']' && strings.empty()) {
      return strings;
    }
    if (at >= text.size() || (text[at] != '\'' && text[at] != '"')) {
      return std::nullopt;
    }
    const char quote = text[at++];
    std::string value;
    while (at < text.size() && text[at] != quote) {
      if (text[at] == '\\' && at + 1 < text.size()) {
        ++at;
      }
      value += text[at++];
    }
    if (at >= text.size()) {
      return std::nullopt;
    }
    ++at;
    strings.push_back(value);
    skipBlanks();
    if (at < text.size() && text[at] == ']') {
      return strings;
    }
    if (at >= text.size() || text[at] != ',') {
      return std::nullopt;
    }
    ++at;
  }
}

std::string StringArray(const std::vector<std::string>& strings) {
  std::string text = "[";
  for (size_t i = 0; i < strings.size(); ++i) {
    text += (i == 0 ? "" : ", ") + GVariantString(strings[i]);
  }
  return text + "]";
}

bool Contains(const std::vector<std::string>& strings, const std::string& wanted) {
  return std::find(strings.begin(), strings.end(), wanted) != strings.end();
}

bool HasLine(const std::string& text, const std::string& line) {
  const std::vector<std::string> lines = SplitLines(text);
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace

XdgAutoPlay::XdgAutoPlay(std::string executable, const Environment& environment,
                         CommandRunner& runner)
    : executable_(std::move(executable)), environment_(environment), runner_(runner) {}

std::optional<XdgAutoPlay::Files> XdgAutoPlay::Locate() const {
  const std::string data = BaseDirectory(environment_, "XDG_DATA_HOME", "/.local/share");
  const std::string config = BaseDirectory(environment_, "XDG_CONFIG_HOME", "/.config");
  if (data.empty() || config.empty()) {
    return std::nullopt;
  }
  return Files{data + "/applications/" + kDesktopId, config + "/mimeapps.list",
               data + "/solid/actions/tandrel-play-dvd.desktop"};
}

void XdgAutoPlay::RegisterAutoPlay(int16_t autoPlay) {
  try {
    const std::optional<Files> files = Locate();
    if (!files) {
      return;
    }
    if (autoPlay != 0) {
      Register(*files);
    } else {
      Unregister(*files);
    }
  } catch (const std::exception&) {
    // Registration is a convenience; the player works without it.
  }
}

std::optional<std::vector<std::string>> XdgAutoPlay::GnomeStartApps() {
  const CommandResult writable = runner_.Run({"gsettings", "writable", kMediaSchema, kStartAppKey});
  if (!writable.Succeeded() || Trimmed(writable.output) != "true") {
    return std::nullopt;  // no gsettings, no schema, or locked by the administrator
  }
  const CommandResult current = runner_.Run({"gsettings", "get", kMediaSchema, kStartAppKey});
  if (!current.Succeeded()) {
    return std::nullopt;
  }
  return ParseStringArray(current.output);
}

bool XdgAutoPlay::SetGnomeStartApps(const std::vector<std::string>& types) {
  return runner_.Run({"gsettings", "set", kMediaSchema, kStartAppKey, StringArray(types)})
      .Succeeded();
}

void XdgAutoPlay::Register(const Files& files) {
  // Only the start-app list is touched. The ignore and open-folder lists hold choices the user
  // made, and the shell consults the start-app list before them.
  const std::optional<std::string> previous = ReadText(files.entry);
  bool added = previous && HasLine(*previous, kAddedMark);
  if (std::optional<std::vector<std::string>> types = GnomeStartApps()) {
    if (!Contains(*types, kContentType)) {
      types->push_back(kContentType);
      added = SetGnomeStartApps(*types) || added;
    }
  }

  const std::string exec = ExecArgument(executable_);
  std::string entry = "[Desktop Entry]\n";
  entry += "Type=Application\n";
  entry += "Name=Tandrel\n";
  // A player that was moved or removed without unregistering is then passed over, not started.
  entry += "TryExec=" + EscapedValue(executable_) + "\n";
  entry += "Exec=" + exec + " %u\n";
  entry += std::string("MimeType=") + kContentType + ";\n";
  entry += "NoDisplay=true\n";
  entry += "Terminal=false\n";
  if (added) {
    entry += std::string(kAddedMark) + "\n";
  }
  WriteAtomically(files.entry, entry);

  const std::string mimeapps = ReadText(files.mimeapps).value_or("");
  const std::string updated = WithDefaultApplication(mimeapps, kContentType, kDesktopId);
  if (updated != mimeapps) {
    WriteAtomically(files.mimeapps, updated);
  }

  // Solid hands an action the device node (%d): a video DVD is played from the drive, mounted
  // or not.
  std::string action = "[Desktop Entry]\n";
  action += "Type=Service\n";
  action +=
      "X-KDE-Solid-Predicate=[ StorageVolume.ignored == false AND "
      "OpticalDisc.availableContent & 'VideoDvd' ]\n";
  action += "Actions=tandrel-play-dvd;\n";
  action += "\n";
  action += "[Desktop Action tandrel-play-dvd]\n";
  action += "Name=Play DVD with Tandrel\n";
  action += "Icon=media-optical\n";
  action += "Exec=" + exec + " %d\n";
  WriteAtomically(files.action, action);
}

void XdgAutoPlay::Unregister(const Files& files) {
  const std::optional<std::string> entry = ReadText(files.entry);
  if (entry && HasLine(*entry, kAddedMark)) {
    if (std::optional<std::vector<std::string>> types = GnomeStartApps()) {
      if (Contains(*types, kContentType)) {
        std::erase(*types, kContentType);
        SetGnomeStartApps(*types);
      }
    }
  }
  std::error_code ignored;
  fs::remove(files.entry, ignored);
  fs::remove(files.action, ignored);
  if (const std::optional<std::string> mimeapps = ReadText(files.mimeapps)) {
    const std::string updated = WithoutDefaultApplication(*mimeapps, kContentType, kDesktopId);
    if (updated != *mimeapps) {
      WriteAtomically(files.mimeapps, updated);
    }
  }
}

}  // namespace tandrel
