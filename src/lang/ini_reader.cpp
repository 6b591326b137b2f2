#include "lang/ini_reader.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>

namespace tandrel {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) {
      return false;
    }
  }
  return true;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// The whole file, or nothing when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    return std::nullopt;
  }
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    return std::nullopt;
  }
  std::string content;
  char buffer[65536];
  size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    content.append(buffer, count);
  }
  if (std::ferror(file.get())) {
    const int error = errno != 0 ? errno : EIO;
    throw std::system_error(error, std::generic_category(), "Cannot read " + path);
  }
  return content;
}

}  // namespace

std::optional<std::string> ReadIniValue(const std::string& path, const std::string& section,
                                        const std::string& key) {
  std::optional<std::string> content = ReadWholeFile(path);
  if (!content) {
    return std::nullopt;
  }
  std::string_view rest(*content);
  bool inSection = false;
  while (!rest.empty()) {
    const size_t lineEnd = rest.find('\n');
    std::string_view line = rest.substr(0, lineEnd);
    rest.remove_prefix(lineEnd == std::string_view::npos ? rest.size() : lineEnd + 1);
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    line = TrimBlanks(line);
    if (!line.empty() && line.front() == '[') {
      const size_t close = line.find(']');
      std::string_view name =
          line.substr(1, close == std::string_view::npos ? line.npos : close - 1);
      inSection = EqualsIgnoringCase(TrimBlanks(name), section);
      continue;
    }
    if (!inSection) {
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos ||
        !EqualsIgnoringCase(TrimBlanks(line.substr(0, equals)), key)) {
      continue;
    }
    std::string_view value = TrimBlanks(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
      value = value.substr(1, value.size() - 2);
    }
    // The text is a C string: it ends at a NUL byte.
    return std::string(value.substr(0, value.find('\0')));
  }
  return std::nullopt;
}

std::string GetProfileString(const std::string& path, const std::string& section,
                             const std::string& key, const std::string& defaultText,
                             size_t maxChars) {
  std::string text = ReadIniValue(path, section, key).value_or(defaultText);
  size_t chars = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
    if (!continuation && ++chars > maxChars) {
      text.resize(i);
      break;
    }
  }
  return text;
}

}  // namespace tandrel
