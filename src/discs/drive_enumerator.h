#pragma once

#include <string>
#include <vector>

namespace tandrel {

class Application;

// Scans the drives: fills `list` with one menu text per optical drive (the disc's label or the
// no-disc text, then " (", the root and ")") and DriveRoots with their roots, and leaves only
// item 0 in the drive menu. Returns the number of optical drives found. A scan that finds none
// empties `list`, puts the no-drive text on item 0 and leaves DriveRoots as it was.
int EnumerateDVDDrives(Application& app, std::vector<std::string>& list);

}  // namespace tandrel
