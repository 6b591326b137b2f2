#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace tandrel {

// A decoded picture; what it holds is the backend's.
class Picture {
 public:
  virtual ~Picture() = default;
};

class Pictures {
 public:
  virtual ~Pictures() = default;
  // Decodes a JPEG file; nothing when the file is missing, empty, truncated or not a JPEG.
  virtual std::unique_ptr<Picture> LoadJpeg(const std::string& path) = 0;
  // Writes the picture as a Windows bitmap file, replacing one that is there. False on failure.
  virtual bool SaveBitmap(const Picture& picture, const std::string& path) = 0;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Empties the clipboard, then places the picture on it. False when the clipboard refused.
  virtual bool SetPicture(const Picture& picture) = 0;
};

class DiskSpace {
 public:
  virtual ~DiskSpace() = default;
  // The bytes available to this user on the volume of `folder`; nothing when it cannot be told.
  virtual std::optional<uint64_t> AvailableBytes(const std::string& folder) = 0;
};

}  // namespace tandrel
