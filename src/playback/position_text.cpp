#include "playback/position_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tandrel {
namespace {

std::string TwoDigits(int32_t value) {
  return (value < 10 ? "0" : "") + std::to_string(value);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string FormatTime(int32_t seconds) {
  if (seconds < 0) {
    seconds = 0;
  }
  const int32_t hours = seconds / 3600;
  const int32_t rest = seconds - hours * 3600;
  const int32_t minutes = rest / 60;
  const int32_t secs = rest - minutes * 60;
  return TwoDigits(hours) + ":" + TwoDigits(minutes) + ":" + TwoDigits(secs);
}

std::string KnobText(double position, const std::string& decimalSeparator) {
  const float value = static_cast<float>(position * 100);
  if (!std::isfinite(value) || std::fabs(value) < 1e-4F) {
    return "0";
  }
  char buffer[32];
  auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
  if (ec != std::errc()) {
    return "0";
  }
  std::string text(buffer, end);
  if (const size_t point = text.find('.'); point != std::string::npos) {
    text.replace(point, 1, decimalSeparator);
  }
  return text;
}

std::optional<double> ReadNumber(const std::string& text) {
  // The text without its blanks, up to where a number can no longer continue.
  std::string number;
  bool digits = false;
  bool point = false;
  bool exponent = false;
  bool exponentDigits = false;
  for (const char c : text) {
    if (c == ' ' || c == '\t' || c == '\n') {
      continue;
    }
    const char last = number.empty() ? '\0' : number.back();
    if ((c == '+' || c == '-') && (number.empty() || last == 'e')) {
      number.push_back(c);
    } else if (IsDigit(c)) {
      number.push_back(c);
      (exponent ? exponentDigits : digits) = true;
    } else if (c == '.' && !point && !exponent) {
      number.push_back(c);
      point = true;
    } else if ((c == 'e' || c == 'E' || c == 'd' || c == 'D') && digits && !exponent) {
      number.push_back('e');
      exponent = true;
    } else {
      break;
    }
  }
  if (!digits) {
    return 0.0;
  }
  if (exponent && !exponentDigits) {
    // "1e" or "1e-": the exponent never started.
    number.erase(number.find('e'));
  }
  const char* begin = number.data() + (number.front() == '+' ? 1 : 0);
  double value = 0;
  auto [end, ec] = std::from_chars(begin, number.data() + number.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // Too small to tell from 0, or too large for anything. Only a whole part or a positive
    // exponent can make it too large.
    const size_t e = number.find('e');
    const std::string whole = number.substr(0, std::min(number.find('.'), e));
    const bool negativeExponent = e != std::string::npos && number.compare(e, 2, "e-") == 0;
    const bool largeWhole = whole.find_first_of("123456789") != std::string::npos;
    if (negativeExponent || (!largeWhole && e == std::string::npos)) {
      return 0.0;
    }
    return std::nullopt;
  }
  return ec == std::errc() ? std::optional<double>(value) : std::optional<double>(0.0);
}

}  // namespace tandrel
