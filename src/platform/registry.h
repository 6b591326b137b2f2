#pragma once

#include <cstdint>
#include <string>

namespace tandrel {

// The Windows registry, with the calls and results of its own interface. The algorithms that
// work on it are program code; Windows builds plug the real registry in, tests an in-memory one.
using RegKey = std::uintptr_t;

namespace reg {
inline constexpr RegKey kClassesRoot = 0x80000000;
inline constexpr RegKey kCurrentUser = 0x80000001;
inline constexpr RegKey kLocalMachine = 0x80000002;

inline constexpr long kSuccess = 0;
inline constexpr long kFileNotFound = 2;
inline constexpr long kMoreData = 234;

inline constexpr uint32_t kSz = 1;
inline constexpr uint32_t kRead = 0x20019;
}  // namespace reg

class Registry {
 public:
  virtual ~Registry() = default;
  virtual long RegOpenKey(RegKey key, const std::string& subKey, RegKey* result) = 0;
  virtual long RegOpenKeyEx(RegKey key, const std::string& subKey, uint32_t options,
                            uint32_t access, RegKey* result) = 0;
  virtual long RegCreateKey(RegKey key, const std::string& subKey, RegKey* result) = 0;
  // Fills `data` with up to `*size` bytes and sets `*size` to the value's size in bytes (a
  // string's terminating NUL included); kMoreData when the buffer is too small.
  virtual long RegQueryValueEx(RegKey key, const std::string& valueName, uint32_t* type, char* data,
                               uint32_t* size) = 0;
  virtual long RegSetValueEx(RegKey key, const std::string& valueName, uint32_t type,
                             const char* data, uint32_t size) = 0;
  virtual long RegDeleteKey(RegKey key, const std::string& subKey) = 0;
  virtual long RegDeleteValue(RegKey key, const std::string& valueName) = 0;
  virtual long RegCloseKey(RegKey key) = 0;
};

// The system-wide parameters call, for the desktop wallpaper.
class SystemParameters {
 public:
  virtual ~SystemParameters() = default;
  virtual bool SystemParametersInfo(uint32_t action, uint32_t param, const std::string& value,
                                    uint32_t flags) = 0;
};

}  // namespace tandrel
