#include "app/skin_file.h"

#include <filesystem>
#include <fstream>

#include "app/paths.h"

namespace tandrel {
namespace {

bool IsFileOfAtLeast(const std::string& path, std::uintmax_t bytes) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    return false;
  }
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  return !ec && size >= bytes;
}

}  // namespace

std::optional<std::string> FindUnusableResource(const std::string& programFolder) {
  const std::string resources = JoinPath(programFolder, kResourcesFolder);
  const std::string screenMovie = JoinPath(resources, kScreenMovieName);
  const std::string header = JoinPath(resources, kSkinHeaderName);
  const std::string body = JoinPath(resources, kSkinBodyName);
  if (!IsFileOfAtLeast(screenMovie, 1)) {
    return screenMovie;
  }
  if (!IsFileOfAtLeast(header, kSkinHeaderSkip + kSkinHeaderBytes)) {
    return header;
  }
  if (!IsFileOfAtLeast(body, kSkinBodySkip)) {
    return body;
  }
  return std::nullopt;
}

bool AssembleSkinFile(const std::string& headerPath, const std::string& bodyPath,
                      const std::string& skinPath) {
  std::ofstream skin(skinPath, std::ios::binary | std::ios::trunc);
  if (!skin) {
    return false;
  }
  {
    std::ifstream header(headerPath, std::ios::binary);
    char bytes[kSkinHeaderBytes];
    header.seekg(static_cast<std::streamoff>(kSkinHeaderSkip));
    header.read(bytes, sizeof bytes);
    if (header.gcount() != static_cast<std::streamsize>(sizeof bytes)) {
      return false;
    }
    skin.write(bytes, sizeof bytes);
  }
  std::ifstream body(bodyPath, std::ios::binary);
  body.seekg(static_cast<std::streamoff>(kSkinBodySkip));
  if (!body) {
    return false;
  }
  char buffer[65536];
  while (body.read(buffer, sizeof buffer) || body.gcount() > 0) {
    skin.write(buffer, body.gcount());
  }
  if (body.bad()) {
    return false;
  }
  skin.close();
  return static_cast<bool>(skin);
}

}  // namespace tandrel
