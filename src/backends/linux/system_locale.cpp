#include "backends/linux/system_locale.h"

#include <langinfo.h>

#include <ctime>

namespace tandrel {

SystemLocale::SystemLocale(const std::string& name) {
  locale_ = newlocale(LC_ALL_MASK, name.c_str(), static_cast<locale_t>(0));
  if (locale_ == static_cast<locale_t>(0)) {
    // An unknown or broken user locale: the neutral one.
    locale_ = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  }
}

SystemLocale::~SystemLocale() {
  if (locale_ != static_cast<locale_t>(0)) {
    freelocale(locale_);
  }
}

std::string SystemLocale::Format(const char* format, const std::tm& time) const {
  char buffer[128];
  const size_t length = strftime_l(buffer, sizeof buffer, format, &time, locale_);
  return std::string(buffer, length);
}

std::string SystemLocale::ShortDate(const std::tm& time) const {
  return Format("%x", time);
}

std::string SystemLocale::LongTime(const std::tm& time) const {
  return Format("%X", time);
}

std::string SystemLocale::DecimalSeparator() const {
  const char* radix = nl_langinfo_l(RADIXCHAR, locale_);
  return (radix != nullptr && radix[0] != '\0') ? std::string(radix) : std::string(".");
}

}  // namespace tandrel
