#pragma once

#include <exception>
#include <string>

#include "lang/keys.h"

namespace tandrel {

struct Settings;
class Environment;
class Clock;
class Locale;

// The language lookup of every text the user sees, and the error log of its failures.
class LanguageReader {
 public:
  LanguageReader(const Settings& settings, const Environment& environment, Clock& clock,
                 const Locale& locale);

  // The text of `key` in the active language pack (Lang/ and `LanguageFile` below the program's
  // folder), or `defaultText` when the pack, its section or the key is missing. Read afresh at
  // every call. A failure is logged and yields the empty text.
  std::string SetCaptionfromINI(const std::string& key, const std::string& defaultText);
  std::string SetCaptionfromINI(const LangKey& key);

  // Appends one entry to errorlog.txt in the program's folder. A failure to write is dropped.
  void WriteErrorLog(const std::string& text);

 private:
  const Settings& settings_;
  const Environment& environment_;
  Clock& clock_;
  const Locale& locale_;
};

// The record one error-log entry is written as.
std::string FormatErrorLogEntry(const std::string& date, const std::string& time,
                                const std::string& text);

// The text an entry gives for a failure caught in `method`.
std::string DescribeFailure(const std::exception& failure, const std::string& method);

}  // namespace tandrel
