#pragma once

#include <cstdint>
#include <string>

namespace tandrel {

// The Windows media control interface, with the records and numbers of its own interface.
namespace mci {
inline constexpr uint32_t kOpen = 0x0803;
inline constexpr uint32_t kClose = 0x0804;
inline constexpr uint32_t kSet = 0x080D;
inline constexpr uint32_t kOpenShareable = 0x0100;
inline constexpr uint32_t kOpenElement = 0x0200;
inline constexpr uint32_t kOpenType = 0x2000;
inline constexpr uint32_t kSetDoorOpen = 0x0100;
inline constexpr uint32_t kSetDoorClosed = 0x0200;
}  // namespace mci

struct MciOpenParms {
  uintptr_t callback = 0;
  uint32_t deviceId = 0;  // filled in by a successful open
  std::string deviceType;
  std::string elementName;
  const char* alias = nullptr;
};

struct MciGenericParms {
  uintptr_t callback = 0;
};

class Mci {
 public:
  virtual ~Mci() = default;
  // MCI_OPEN on device 0. 0 on success.
  virtual uint32_t SendOpen(uint32_t flags, MciOpenParms& params) = 0;
  // Any other command to an opened device, with a generic parameter block or none. 0 on success.
  virtual uint32_t SendCommand(uint32_t deviceId, uint32_t command, uint32_t flags,
                               MciGenericParms* params) = 0;
};

}  // namespace tandrel
