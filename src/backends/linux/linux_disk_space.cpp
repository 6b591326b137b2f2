#include "backends/linux/linux_disk_space.h"

#include <filesystem>

namespace tandrel {

std::optional<uint64_t> LinuxDiskSpace::AvailableBytes(const std::string& folder) {
  std::error_code ec;
  const std::filesystem::space_info space = std::filesystem::space(folder, ec);
  if (ec || space.available == static_cast<std::uintmax_t>(-1)) {
    return std::nullopt;
  }
  return space.available;
}

}  // namespace tandrel
