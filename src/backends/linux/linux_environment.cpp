#include "backends/linux/linux_environment.h"

#include <cstdlib>
#include <filesystem>

namespace tandrel {
namespace {

std::string WithoutTrailingSeparator(std::string path) {
  while (path.size() > 1 && path.back() == '/') {
    path.pop_back();
  }
  return path;
}

}  // namespace

LinuxEnvironment::LinuxEnvironment(int argc, const char* const* argv) {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec && argc > 0) {
    exe = std::filesystem::absolute(argv[0], ec);
  }
  programFolder_ = WithoutTrailingSeparator(exe.parent_path().string());
  // The arguments reach the program as one text, as a desktop hands over one drive root.
  for (int i = 1; i < argc; ++i) {
    if (i > 1) {
      commandLine_ += ' ';
    }
    commandLine_ += argv[i];
  }
}

std::optional<std::string> LinuxEnvironment::Variable(const std::string& name) const {
  const char* value = std::getenv(name.c_str());
  if (value == nullptr) {
    return std::nullopt;
  }
  return std::string(value);
}

std::string LinuxEnvironment::SystemTempFolder() const {
  std::error_code ec;
  std::filesystem::path temp = std::filesystem::temp_directory_path(ec);
  return ec ? std::string("/tmp") : WithoutTrailingSeparator(temp.string());
}

}  // namespace tandrel
