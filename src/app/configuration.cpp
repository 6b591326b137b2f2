#include "app/configuration.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>

namespace tandrel {
namespace {

// Splits Config.cfg into fields the way the settings have always been read: a field ends at a
// comma or a line end, and a string field that starts with a double quote runs to the next
// double quote.
class FieldReader {
 public:
  explicit FieldReader(std::istream& in) : in_(in) {}

  // Nothing is left to read: the field that should start here is missing.
  bool AtEnd() { return in_.peek() == std::char_traits<char>::eof(); }

  std::string StringField() {
    SkipBlanks();
    if (in_.peek() == '"') {
      in_.get();
      std::string value;
      int c;
      while ((c = in_.get()) != std::char_traits<char>::eof() && c != '"') {
        value.push_back(static_cast<char>(c));
      }
      // Whatever stands between the closing quote and the end of the field is not part of it.
      RestOfField();
      return value;
    }
    return RestOfField();
  }

  // The text of a number field, blanks around it removed.
  std::string NumberField() {
    SkipBlanks();
    std::string text = RestOfField();
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
      text.pop_back();
    }
    return text;
  }

 private:
  void SkipBlanks() {
    while (in_.peek() == ' ' || in_.peek() == '\t') {
      in_.get();
    }
  }

  // Up to the next comma or line end, which is consumed with the field.
  std::string RestOfField() {
    std::string value;
    int c;
    while ((c = in_.get()) != std::char_traits<char>::eof()) {
      if (c == ',' || c == '\n') {
        break;
      }
      if (c == '\r') {
        if (in_.peek() == '\n') {
          in_.get();
        }
        break;
      }
      value.push_back(static_cast<char>(c));
    }
    return value;
  }

  std::istream& in_;
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The number a field begins with, rounded half to even as integer fields always were; text
// that does not begin with a number is 0. Nothing when the value does not fit 16 bits.
std::optional<int16_t> ParseNumber(const std::string& text) {
  size_t end = 0;
  bool negative = false;
  if (end < text.size() && (text[end] == '+' || text[end] == '-')) {
    negative = text[end] == '-';
    ++end;
  }
  const size_t mantissaStart = end;
  // Decimal order of the first significant digit: 0 for 1 to 9, 2 for 100, -1 for 0.5.
  long long order = 0;
  bool significant = false;
  bool fraction = false;
  size_t digits = 0;
  for (; end < text.size(); ++end) {
    const char c = text[end];
    if (c == '.' && !fraction) {
      fraction = true;
      continue;
    }
    if (!IsDigit(c)) {
      break;
    }
    ++digits;
    if (significant) {
      if (!fraction) {
        ++order;
      }
    } else if (c != '0') {
      significant = true;
      if (fraction) {
        --order;
      }
    } else if (fraction) {
      --order;
    }
  }
  if (digits == 0) {
    return 0;
  }
  const size_t mantissaEnd = end;
  long long exponent = 0;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    size_t at = end + 1;
    bool negativeExponent = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
      negativeExponent = text[at] == '-';
      ++at;
    }
    if (at < text.size() && IsDigit(text[at])) {
      for (; at < text.size() && IsDigit(text[at]); ++at) {
        exponent = std::min(exponent * 10 + (text[at] - '0'), 1'000'000'000LL);
      }
      if (negativeExponent) {
        exponent = -exponent;
      }
      end = at;
    }
  }
  if (!significant) {
    return 0;
  }
  order += exponent;
  if (order < -1) {
    return 0;  // below 0.1: rounds to 0
  }
  if (order > 5) {
    return std::nullopt;
  }
  // In this range the value is an ordinary double.
  double value = 0;
  std::string number(text, mantissaStart, mantissaEnd - mantissaStart);
  if (number.front() == '.') {
    number.insert(number.begin(), '0');
  }
  number += 'e' + std::to_string(exponent);
  std::from_chars(number.data(), number.data() + number.size(), value);
  if (negative) {
    value = -value;
  }
  const double rounded = std::nearbyint(value);
  if (rounded < std::numeric_limits<int16_t>::min() ||
      rounded > std::numeric_limits<int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int16_t>(rounded);
}

// A string written as it is would not read back whole when it holds a comma or a line break,
// or begins with a blank. Such a string is written in double quotes, which the reader has always
// removed; one that itself holds a double quote cannot be quoted and is written as it is.
std::string StringLine(const std::string& value) {
  const bool needsQuotes = value.find_first_of(",\r\n") != std::string::npos ||
                           (!value.empty() && (value[0] == ' ' || value[0] == '\t'));
  if (needsQuotes && value.find('"') == std::string::npos) {
    return '"' + value + '"';
  }
  return value;
}

std::string NumberLine(int16_t value) {
  // One blank where the sign goes, the digits, one trailing blank.
  std::string digits = std::to_string(std::abs(static_cast<int>(value)));
  return (value < 0 ? "-" : " ") + digits + " ";
}

}  // namespace

ConfigReadResult LoadConfigurations(const std::string& path, Settings& settings) {
  ConfigReadResult result;
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    result.failed = true;
    return result;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    result.failed = true;
    return result;
  }
  result.opened = true;
  FieldReader reader(in);

  std::string* strings[] = {&settings.LanguageFile, &settings.SnapshotFolder};
  for (std::string* field : strings) {
    if (reader.AtEnd()) {
      result.failed = true;
      return result;
    }
    *field = reader.StringField();
  }
  int16_t* numbers[] = {&settings.UseOverlay, &settings.DisableScreenSaver,
                        &settings.SnapshotTarget, &settings.WallpaperStyle, &settings.AutoPlay};
  for (int16_t* field : numbers) {
    if (reader.AtEnd()) {
      result.failed = true;
      return result;
    }
    std::optional<int16_t> value = ParseNumber(reader.NumberField());
    if (!value) {
      result.failed = true;
      return result;
    }
    *field = *value;
  }
  if (in.bad()) {
    result.failed = true;
  }
  return result;
}

std::string FormatConfiguration(const Settings& settings) {
  const std::string lines[] = {
      StringLine(settings.LanguageFile),   StringLine(settings.SnapshotFolder),
      NumberLine(settings.UseOverlay),     NumberLine(settings.DisableScreenSaver),
      NumberLine(settings.SnapshotTarget), NumberLine(settings.WallpaperStyle),
      NumberLine(settings.AutoPlay),
  };
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

bool WriteConfiguration(const std::string& path, const Settings& settings) {
  const std::string text = FormatConfiguration(settings);
  const std::string temporary = path + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
      return false;
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, path, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
  }
  return true;
}

Settings DefaultSettings(const std::string& desktopFolder) {
  Settings defaults;
  defaults.LanguageFile = kDefaultLanguageFile;
  defaults.SnapshotFolder = desktopFolder;
  defaults.UseOverlay = 1;
  defaults.DisableScreenSaver = 0;
  // Snapshots go to files in the desktop folder, in this run and in every later one.
  defaults.SnapshotTarget = 0;
  defaults.WallpaperStyle = 0;
  defaults.AutoPlay = 0;
  return defaults;
}

}  // namespace tandrel
