#include "app/paths.h"

#include "platform/environment.h"

namespace tandrel {

std::string JoinPath(const std::string& folder, const std::string& name) {
  return folder + kPathSeparator + name;
}

std::string ProgramFile(const Environment& env, const std::string& name) {
  return JoinPath(env.ProgramFolder(), name);
}

std::string ProgramFile(const Environment& env, const std::string& folder,
                        const std::string& name) {
  return JoinPath(JoinPath(env.ProgramFolder(), folder), name);
}

std::string TempFolder(const Environment& env) {
  auto temp = env.Variable("TEMP");
  if (temp && !temp->empty()) {
    return *temp;
  }
  return env.SystemTempFolder();
}

std::string SkinFilePath(const Environment& env) {
  return JoinPath(TempFolder(env), kSkinFileName);
}

}  // namespace tandrel
