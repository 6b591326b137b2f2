#include "lang/language_reader.h"

#include <cstdio>
#include <memory>
#include <new>
#include <system_error>

#include "app/mod_main.h"
#include "app/paths.h"
#include "lang/ini_reader.h"
#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/locale.h"

namespace tandrel {
namespace {

constexpr const char* kSection = "Language Pack";
// The lookup's buffer holds 500 characters, the last of them the terminating NUL.
constexpr size_t kMaxTextChars = 499;

// Failure numbers in the error log. System failures carry their own error number.
constexpr int kOutOfMemory = 7;
constexpr int kOtherFailure = 51;

}  // namespace

LanguageReader::LanguageReader(const Settings& settings, const Environment& environment,
                               Clock& clock, const Locale& locale)
    : settings_(settings), environment_(environment), clock_(clock), locale_(locale) {}

std::string LanguageReader::SetCaptionfromINI(const std::string& key,
                                              const std::string& defaultText) {
  try {
    // The pack's path is joined without further separators, so an empty `LanguageFile` names
    // the Lang folder itself, which yields the defaults.
    const std::string pack =
        JoinPath(JoinPath(environment_.ProgramFolder(), kLangFolder), "") + settings_.LanguageFile;
    std::string text = GetProfileString(pack, kSection, key, defaultText, kMaxTextChars);
    // Leading blanks are dropped; trailing ones (possible inside quotes) stay.
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
  } catch (const std::exception& failure) {
    WriteErrorLog(DescribeFailure(failure, "SetCaptionfromINI"));
    return {};
  }
}

std::string LanguageReader::SetCaptionfromINI(const LangKey& key) {
  return SetCaptionfromINI(std::string(key.key), std::string(key.defaultText));
}

void LanguageReader::WriteErrorLog(const std::string& text) {
  try {
    const std::tm now = clock_.LocalNow();
    const std::string entry =
        FormatErrorLogEntry(locale_.ShortDate(now), locale_.LongTime(now), text);
    const std::string path = JoinPath(environment_.ProgramFolder(), kErrorLogName);
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (file == nullptr) {
      return;
    }
    std::fwrite(entry.data(), 1, entry.size(), file);
    std::fclose(file);
  } catch (...) {
    // The log is the last resort: a failure to write it has nowhere to go.
  }
}

std::string FormatErrorLogEntry(const std::string& date, const std::string& time,
                                const std::string& text) {
  return "\"\r\nDate: " + date + "\",\"Time: " + time + "\",\"" + text + "\"\r\n";
}

std::string DescribeFailure(const std::exception& failure, const std::string& method) {
  int number = kOtherFailure;
  if (const auto* system = dynamic_cast<const std::system_error*>(&failure)) {
    number = system->code().value();
  } else if (dynamic_cast<const std::bad_alloc*>(&failure) != nullptr) {
    number = kOutOfMemory;
  }
  return "Error Description: " + std::string(failure.what()) +
         ", Error Number: " + std::to_string(number) + ", Method: " + method;
}

}  // namespace tandrel
