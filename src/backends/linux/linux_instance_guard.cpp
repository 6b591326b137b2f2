#include "backends/linux/linux_instance_guard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace tandrel {
namespace {

constexpr const char* kInstanceLock = "tandrel.instance.lock";

std::string DefaultFolder() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime) {
    return runtime;
  }
  std::error_code ec;
  std::filesystem::path temp = std::filesystem::temp_directory_path(ec);
  // Per user, so that two users of one machine each run their own player.
  return (ec ? std::string("/tmp") : temp.string()) + "/tandrel-" + std::to_string(getuid());
}

// Opens `path` and takes an exclusive lock without waiting. The descriptor, or -1 when another
// process holds the lock; -2 when the file cannot be opened at all.
int TryLock(const std::string& path) {
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) {
    return -2;
  }
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

LinuxInstanceGuard::LinuxInstanceGuard(std::string folder)
    : folder_(folder.empty() ? DefaultFolder() : std::move(folder)) {}

LinuxInstanceGuard::~LinuxInstanceGuard() {
  for (int fd : held_) {
    close(fd);
  }
}

bool LinuxInstanceGuard::PreviousInstanceRunning() {
  std::error_code ec;
  std::filesystem::create_directories(folder_, ec);
  const int fd = TryLock(folder_ + "/" + kInstanceLock);
  if (fd >= 0) {
    held_.push_back(fd);
    return false;
  }
  // A folder where no lock can be made cannot tell; better to start than to refuse for good.
  return fd == -1;
}

void LinuxInstanceGuard::CreateSingleInstanceMarker(const std::string& name) {
  std::error_code ec;
  std::filesystem::create_directories(folder_, ec);
  const int fd = TryLock(folder_ + "/" + name + ".lock");
  if (fd >= 0) {
    held_.push_back(fd);
  }
}

}  // namespace tandrel
