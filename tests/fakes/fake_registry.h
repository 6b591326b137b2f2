#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fakes/call_log.h"
#include "platform/registry.h"

namespace tandrel::fakes {

// A registry in memory: keys by their full path below a root ("HKCU\Control Panel\Desktop"),
// each with string values. Every call is recorded, in order, in `calls`.
class FakeRegistry : public Registry, public SystemParameters {
 public:
  struct Value {
    uint32_t type = reg::kSz;
    std::string data;  // as stored, with the terminating NUL when the writer sent one
  };

  std::map<std::string, std::map<std::string, Value>> keys;  // key path (lower case) -> values
  std::vector<std::string> calls;
  std::set<std::string> refuseOpen;  // key paths whose opening fails

  // Makes `path` and every key above it.
  void AddKey(const std::string& path) {
    std::string at;
    for (size_t i = 0; i <= path.size(); ++i) {
      if (i == path.size() || path[i] == '\\') {
        keys[Lower(path.substr(0, i))];
      }
    }
  }
  void SetString(const std::string& path, const std::string& name, const std::string& text) {
    AddKey(path);
    keys[Lower(path)][Lower(name)] = Value{reg::kSz, text + '\0'};
  }
  bool HasKey(const std::string& path) const { return keys.count(Lower(path)) != 0; }
  // A string value without its terminating NUL, or "<none>".
  std::string String(const std::string& path, const std::string& name) const {
    auto key = keys.find(Lower(path));
    if (key == keys.end()) {
      return "<none>";
    }
    auto value = key->second.find(Lower(name));
    if (value == key->second.end()) {
      return "<none>";
    }
    std::string data = value->second.data;
    if (!data.empty() && data.back() == '\0') {
      data.pop_back();
    }
    return data;
  }

  long RegOpenKey(RegKey key, const std::string& subKey, RegKey* result) override {
    calls.push_back("RegOpenKey(" + Path(key, subKey) + ")");
    return Open(Path(key, subKey), result);
  }
  long RegOpenKeyEx(RegKey key, const std::string& subKey, uint32_t, uint32_t access,
                    RegKey* result) override {
    calls.push_back("RegOpenKeyEx(" + Path(key, subKey) + "," + std::to_string(access) + ")");
    return Open(Path(key, subKey), result);
  }
  long RegCreateKey(RegKey key, const std::string& subKey, RegKey* result) override {
    const std::string path = Path(key, subKey);
    calls.push_back("RegCreateKey(" + path + ")");
    if (refuseOpen.count(Lower(path))) {
      return 5;
    }
    AddKey(path);
    return Open(path, result);
  }
  long RegQueryValueEx(RegKey key, const std::string& name, uint32_t* type, char* data,
                       uint32_t* size) override {
    calls.push_back("RegQueryValueEx(" + name + ")");
    const Value* value = Find(key, name);
    if (value == nullptr) {
      return reg::kFileNotFound;
    }
    if (type != nullptr) {
      *type = value->type;
    }
    const auto needed = static_cast<uint32_t>(value->data.size());
    if (data != nullptr && needed > *size) {
      *size = needed;
      return reg::kMoreData;
    }
    if (data != nullptr) {
      std::memcpy(data, value->data.data(), needed);
    }
    *size = needed;
    return reg::kSuccess;
  }
  long RegSetValueEx(RegKey key, const std::string& name, uint32_t type, const char* data,
                     uint32_t size) override {
    const std::string text(data, size);
    calls.push_back("RegSetValueEx(" + name + "=" + Printable(text) + ")");
    auto open = open_.find(key);
    if (open == open_.end()) {
      return 6;
    }
    keys[open->second][Lower(name)] = Value{type, text};
    return reg::kSuccess;
  }
  long RegDeleteKey(RegKey key, const std::string& subKey) override {
    const std::string path = Lower(Path(key, subKey));
    calls.push_back("RegDeleteKey(" + Path(key, subKey) + ")");
    // Like the real one: a key that still has subkeys is not deleted.
    for (const auto& [other, values] : keys) {
      if (other.size() > path.size() && other.compare(0, path.size() + 1, path + '\\') == 0) {
        return 5;
      }
    }
    return keys.erase(path) ? reg::kSuccess : reg::kFileNotFound;
  }
  long RegDeleteValue(RegKey key, const std::string& name) override {
    calls.push_back("RegDeleteValue(" + name + ")");
    auto open = open_.find(key);
    if (open == open_.end()) {
      return 6;
    }
    return keys[open->second].erase(Lower(name)) ? reg::kSuccess : reg::kFileNotFound;
  }
  long RegCloseKey(RegKey key) override {
    calls.push_back("RegCloseKey");
    return open_.erase(key) ? reg::kSuccess : 6;
  }

  bool SystemParametersInfo(uint32_t action, uint32_t param, const std::string& value,
                            uint32_t flags) override {
    calls.push_back("SystemParametersInfo(" + std::to_string(action) + "," + std::to_string(param) +
                    "," + value + "," + std::to_string(flags) + ")");
    return true;
  }

  size_t OpenKeys() const { return open_.size(); }

 private:
  static std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
  }
  static std::string Printable(const std::string& text) {
    std::string out;
    for (char c : text) {
      out += c == '\0' ? std::string("\\0") : std::string(1, c);
    }
    return out;
  }
  std::string Path(RegKey key, const std::string& subKey) const {
    std::string root;
    if (key == reg::kCurrentUser) {
      root = "HKCU";
    } else if (key == reg::kClassesRoot) {
      root = "HKCR";
    } else if (key == reg::kLocalMachine) {
      root = "HKLM";
    } else if (auto open = open_.find(key); open != open_.end()) {
      root = open->second;
    } else {
      root = "?";
    }
    return subKey.empty() ? root : root + "\\" + subKey;
  }
  long Open(const std::string& path, RegKey* result) {
    const std::string lower = Lower(path);
    if (refuseOpen.count(lower) || !keys.count(lower)) {
      return reg::kFileNotFound;
    }
    *result = nextHandle_++;
    open_[*result] = lower;
    return reg::kSuccess;
  }
  const Value* Find(RegKey key, const std::string& name) const {
    auto open = open_.find(key);
    if (open == open_.end()) {
      return nullptr;
    }
    auto values = keys.find(open->second);
    if (values == keys.end()) {
      return nullptr;
    }
    auto value = values->second.find(Lower(name));
    return value == values->second.end() ? nullptr : &value->second;
  }

  std::map<RegKey, std::string> open_;
  RegKey nextHandle_ = 0x1000;
};

}  // namespace tandrel::fakes
