#include "discs/drive_enumerator.h"

#include "app/application.h"
#include "lang/keys.h"

namespace tandrel {

int EnumerateDVDDrives(Application& app, std::vector<std::string>& list) {
  Platform& platform = app.platform();
  std::vector<std::string>& roots = app.state().DriveRoots;
  list.assign(1, std::string());
  size_t count = 0;

  for (const std::string& root : platform.drives.LogicalDrives()) {
    if (platform.drives.GetDriveType(root) != DriveQuery::kDriveCdRom) {
      continue;
    }
    ++count;
    list.resize(count);
    roots.resize(count);
    roots[count - 1] = root;
    std::string entry;
    if (const std::optional<std::string> label = platform.drives.VolumeLabel(root)) {
      // The label is a C string: it ends at its first NUL.
      entry = label->substr(0, label->find('\0'));
    } else {
      entry = app.lang().SetCaptionfromINI(keys::kInsertDisc);
    }
    list[count - 1] = entry + " (" + root + ")";
  }

  int result = static_cast<int>(count);
  std::vector<MenuItem>& items = app.optionsDialog().menus.dvdsList;
  if (list.front().empty()) {
    list.clear();
    items.at(0).caption = app.lang().SetCaptionfromINI(keys::kNoDrives);
    result = 0;
  }
  if (items.size() > 1) {
    items.erase(items.begin() + 1, items.end());
  }
  app.optionsDialog().window().Refresh();
  return result;
}

}  // namespace tandrel
