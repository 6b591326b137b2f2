#include "app/file_list.h"

#include <algorithm>
#include <filesystem>

namespace tandrel {

FileList::FileList(std::string pattern) : pattern_(std::move(pattern)) {}

void FileList::SetPath(const std::string& folder) {
  path_ = folder;
  Refresh();
}

void FileList::Refresh() {
  names_.clear();
  failed_ = false;
  if (path_.empty()) {
    return;
  }
  std::error_code ec;
  std::filesystem::directory_iterator it(path_, ec);
  if (ec) {
    failed_ = true;
    return;
  }
  for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
    std::error_code typeError;
    const std::string name = it->path().filename().string();
    if (name.empty() || name.front() == '.' || !it->is_regular_file(typeError)) {
      continue;
    }
    if (MatchesPattern(name, pattern_)) {
      names_.push_back(name);
    }
  }
  if (ec) {
    names_.clear();
    failed_ = true;
    return;
  }
  std::sort(names_.begin(), names_.end());
}

bool MatchesPattern(const std::string& name, const std::string& pattern) {
  size_t n = 0;
  size_t p = 0;
  size_t starAt = std::string::npos;
  size_t resumeAt = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      resumeAt = n;
    } else if (starAt != std::string::npos) {
      p = starAt + 1;
      n = ++resumeAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') {
    ++p;
  }
  return p == pattern.size();
}

}  // namespace tandrel
