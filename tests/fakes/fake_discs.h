#pragma once

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fakes/call_log.h"
#include "platform/drive_query.h"
#include "platform/mci.h"
#include "platform/pictures.h"
#include "platform/tray.h"

namespace tandrel::fakes {

// Drives as a test lays them out; roots written Windows-style unless `posixRoots` is set.
class FakeDriveQuery : public DriveQuery {
 public:
  struct Drive {
    std::string root;
    int type = kDriveCdRom;
    std::optional<std::string> label;  // nothing: no readable medium
  };

  std::vector<Drive> drives;
  bool posixRoots = false;

  std::vector<std::string> LogicalDrives() override {
    std::vector<std::string> roots;
    for (const Drive& drive : drives) {
      roots.push_back(drive.root);
    }
    return roots;
  }
  int GetDriveType(const std::string& root) override {
    const Drive* drive = Find(root);
    return drive == nullptr ? 1 : drive->type;
  }
  std::optional<std::string> VolumeLabel(const std::string& root) override {
    const Drive* drive = Find(root);
    return drive == nullptr ? std::nullopt : drive->label;
  }
  std::string CommandLineRoot(const std::string& root) const override {
    return posixRoots ? root : root + "\\";
  }

 private:
  const Drive* Find(const std::string& root) const {
    for (const Drive& drive : drives) {
      if (drive.root == root) {
        return &drive;
      }
    }
    return nullptr;
  }
};

class FakeTray : public Tray {
 public:
  explicit FakeTray(CallLog& log) : log_(log) {}
  std::vector<std::pair<std::string, bool>> moves;
  void SetDoor(const std::string& drive, bool open) override {
    log_.Add("tray.SetDoor(" + drive + "," + (open ? "open" : "closed") + ")");
    moves.emplace_back(drive, open);
  }

 private:
  CallLog& log_;
};

// Records every media-control command; an open of an element not in `devices` fails, as does a
// command listed in `failing`.
class FakeMci : public Mci {
 public:
  std::vector<std::string> calls;
  std::map<std::string, uint32_t> devices{{"D:", 7}, {"E:", 8}};
  std::vector<uint32_t> failing;

  uint32_t SendOpen(uint32_t flags, MciOpenParms& params) override {
    calls.push_back("open(" + Hex(flags) + "," + params.deviceType + "," + params.elementName +
                    "," + (params.alias == nullptr ? "null" : params.alias) + ")");
    auto device = devices.find(params.elementName);
    if (device == devices.end()) {
      return 275;  // no such device
    }
    params.deviceId = device->second;
    return 0;
  }
  uint32_t SendCommand(uint32_t deviceId, uint32_t command, uint32_t flags,
                       MciGenericParms* params) override {
    calls.push_back("command(" + std::to_string(deviceId) + "," + Hex(command) + "," + Hex(flags) +
                    "," + (params == nullptr ? "none" : "generic") + ")");
    for (uint32_t failingCommand : failing) {
      if (failingCommand == command) {
        return 1;
      }
    }
    return 0;
  }

 private:
  static std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", value);
    return text;
  }
};

class FakeDiskSpace : public DiskSpace {
 public:
  std::optional<uint64_t> available = 1'000'000'000;
  std::vector<std::string> queried;
  std::optional<uint64_t> AvailableBytes(const std::string& folder) override {
    queried.push_back(folder);
    return available;
  }
};

// A picture is the bytes of the file it was read from; a file is a JPEG when it starts with the
// JPEG marker and ends with the end-of-image marker.
class FakePicture : public Picture {
 public:
  explicit FakePicture(std::string bytes) : bytes(std::move(bytes)) {}
  std::string bytes;
};

class FakePictures : public Pictures, public Clipboard {
 public:
  explicit FakePictures(CallLog& log) : log_(log) {}

  static std::string Jpeg(const std::string& content) {
    return std::string("\xFF\xD8\xFF", 3) + content + std::string("\xFF\xD9", 2);
  }

  std::optional<std::string> clipboard;
  bool clipboardBusy = false;
  bool failSave = false;

  std::unique_ptr<Picture> LoadJpeg(const std::string& path) override;
  bool SaveBitmap(const Picture& picture, const std::string& path) override;
  bool SetPicture(const Picture& picture) override {
    log_.Add("clipboard.SetPicture");
    if (clipboardBusy) {
      return false;
    }
    clipboard = static_cast<const FakePicture&>(picture).bytes;
    return true;
  }

 private:
  CallLog& log_;
};

}  // namespace tandrel::fakes

#include "fakes/temp_dir.h"

namespace tandrel::fakes {

inline std::unique_ptr<Picture> FakePictures::LoadJpeg(const std::string& path) {
  log_.Add("pictures.LoadJpeg(" + path + ")");
  const std::string bytes = ReadFile(path);
  if (bytes.size() < 5 || bytes.compare(0, 3, "\xFF\xD8\xFF") != 0 ||
      bytes.compare(bytes.size() - 2, 2, "\xFF\xD9") != 0) {
    return nullptr;
  }
  return std::make_unique<FakePicture>(bytes);
}

// The "bitmap" is "BM" and the picture's bytes.
inline bool FakePictures::SaveBitmap(const Picture& picture, const std::string& path) {
  log_.Add("pictures.SaveBitmap(" + path + ")");
  if (failSave) {
    return false;
  }
  WriteFile(path, "BM" + static_cast<const FakePicture&>(picture).bytes);
  return true;
}

}  // namespace tandrel::fakes
