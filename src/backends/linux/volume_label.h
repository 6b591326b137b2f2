#pragma once

#include <optional>
#include <string>

namespace tandrel {

// The volume label of a disc or disc image: the ISO 9660 primary volume descriptor's volume
// identifier, or else the UDF logical volume identifier, trailing blanks removed. Nothing when
// the file cannot be read or holds neither. `path` is a device (/dev/sr0) or an image file.
std::optional<std::string> ReadVolumeLabel(const std::string& path);

}  // namespace tandrel
