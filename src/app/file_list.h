#pragma once

#include <string>
#include <vector>

namespace tandrel {

// The names of the files in one folder that match a pattern ("IMG_*.jpg"), in ascending order.
// Only ordinary files are listed: no folders, no hidden files, nothing from subfolders. The
// list is read when the folder is set and at each refresh, and not in between.
class FileList {
 public:
  explicit FileList(std::string pattern);

  // Sets the folder and reads it.
  void SetPath(const std::string& folder);
  const std::string& Path() const { return path_; }
  void Refresh();

  int ListCount() const { return static_cast<int>(names_.size()); }
  const std::string& List(int index) const { return names_.at(static_cast<size_t>(index)); }
  // The last read failed (no such folder, no access): the list is empty.
  bool Failed() const { return failed_; }

 private:
  std::string pattern_;
  std::string path_;
  std::vector<std::string> names_;
  bool failed_ = false;
};

// `name` matches `pattern`, where * stands for any run of characters and ? for one character.
bool MatchesPattern(const std::string& name, const std::string& pattern);

}  // namespace tandrel
