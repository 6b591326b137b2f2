#pragma once

#include "platform/pictures.h"

namespace tandrel {

class LinuxDiskSpace : public DiskSpace {
 public:
  std::optional<uint64_t> AvailableBytes(const std::string& folder) override;
};

}  // namespace tandrel
