#pragma once

#include <locale.h>

#include <string>

#include "platform/locale.h"

namespace tandrel {

// The user's regional settings from the POSIX locale environment (LANG, LC_TIME, LC_NUMERIC),
// read without changing the process's global locale.
class SystemLocale : public Locale {
 public:
  // `name` empty: the user's locale; otherwise a locale name such as "C".
  explicit SystemLocale(const std::string& name = {});
  ~SystemLocale() override;

  SystemLocale(const SystemLocale&) = delete;
  SystemLocale& operator=(const SystemLocale&) = delete;

  std::string ShortDate(const std::tm& time) const override;
  std::string LongTime(const std::tm& time) const override;
  std::string DecimalSeparator() const override;

 private:
  std::string Format(const char* format, const std::tm& time) const;

  locale_t locale_;
};

}  // namespace tandrel
