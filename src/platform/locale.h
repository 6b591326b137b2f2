#pragma once

#include <ctime>
#include <string>

namespace tandrel {

// The user's regional settings.
class Locale {
 public:
  virtual ~Locale() = default;
  virtual std::string ShortDate(const std::tm& time) const = 0;
  virtual std::string LongTime(const std::tm& time) const = 0;
  virtual std::string DecimalSeparator() const = 0;
};

}  // namespace tandrel
