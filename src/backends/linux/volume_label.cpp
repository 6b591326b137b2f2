#include "backends/linux/volume_label.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstring>

namespace tandrel {
namespace {

constexpr size_t kSector = 2048;
using Sector = std::array<unsigned char, kSector>;

class File {
 public:
  explicit File(const std::string& path)
      : fd_(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
  ~File() {
    if (fd_ >= 0) {
      close(fd_);
    }
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  bool IsOpen() const { return fd_ >= 0; }
  bool Read(uint64_t sector, Sector& out) const {
    const ssize_t got = pread(fd_, out.data(), kSector, static_cast<off_t>(sector * kSector));
    return got == static_cast<ssize_t>(kSector);
  }

 private:
  int fd_;
};

std::string TrimTrailing(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) {
    text.pop_back();
  }
  return text;
}

uint16_t Le16(const unsigned char* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t Le32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// A UDF "dstring": a compression id (8: one byte a character, 16: UTF-16 big-endian), the
// characters, and the used length in the last byte.
std::string DString(const unsigned char* field, size_t size) {
  size_t used = field[size - 1];
  if (used == 0 || used > size - 1) {
    return {};
  }
  const unsigned char id = field[0];
  std::string text;
  if (id == 8) {
    for (size_t i = 1; i < used; ++i) {
      const unsigned char c = field[i];
      if (c < 0x80) {
        text.push_back(static_cast<char>(c));
      } else {  // Latin-1 to UTF-8
        text.push_back(static_cast<char>(0xC0 | (c >> 6)));
        text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
      }
    }
  } else if (id == 16) {
    for (size_t i = 1; i + 1 < used; i += 2) {
      const unsigned code = (static_cast<unsigned>(field[i]) << 8) | field[i + 1];
      if (code < 0x80) {
        text.push_back(static_cast<char>(code));
      } else if (code < 0x800) {
        text.push_back(static_cast<char>(0xC0 | (code >> 6)));
        text.push_back(static_cast<char>(0x80 | (code & 0x3F)));
      } else {
        text.push_back(static_cast<char>(0xE0 | (code >> 12)));
        text.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (code & 0x3F)));
      }
    }
  }
  return text;
}

std::optional<std::string> IsoLabel(const File& file) {
  Sector sector;
  // The volume descriptors start at sector 16 and end with a terminator (type 255).
  for (uint64_t at = 16; at < 16 + 32; ++at) {
    if (!file.Read(at, sector) || std::memcmp(sector.data() + 1, "CD001", 5) != 0) {
      return std::nullopt;
    }
    if (sector[0] == 1) {
      return TrimTrailing(std::string(reinterpret_cast<const char*>(sector.data() + 40), 32));
    }
    if (sector[0] == 255) {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

std::optional<std::string> UdfLabel(const File& file) {
  Sector sector;
  // The anchor volume descriptor pointer (tag 2) at sector 256 names the main descriptor
  // sequence; its logical volume descriptor (tag 6) holds the label.
  if (!file.Read(256, sector) || Le16(sector.data()) != 2) {
    return std::nullopt;
  }
  const uint32_t length = Le32(sector.data() + 16);
  const uint32_t location = Le32(sector.data() + 20);
  const uint64_t count = std::min<uint64_t>(length / kSector, 64);
  for (uint64_t i = 0; i < count; ++i) {
    if (!file.Read(location + i, sector)) {
      return std::nullopt;
    }
    const uint16_t tag = Le16(sector.data());
    if (tag == 6) {
      return TrimTrailing(DString(sector.data() + 84, 128));
    }
    if (tag == 8) {
      break;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadVolumeLabel(const std::string& path) {
  File file(path);
  if (!file.IsOpen()) {
    return std::nullopt;
  }
  if (auto label = IsoLabel(file)) {
    return label;
  }
  return UdfLabel(file);
}

}  // namespace tandrel
