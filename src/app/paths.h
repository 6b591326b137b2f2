#pragma once

#include <string>

namespace tandrel {

class Environment;

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// `folder`, the platform's separator, then `name`.
std::string JoinPath(const std::string& folder, const std::string& name);

// A file below the program's folder: ProgramFile(env, "Resources", "Player.swf").
std::string ProgramFile(const Environment& env, const std::string& name);
std::string ProgramFile(const Environment& env, const std::string& folder, const std::string& name);

// The folder named by "TEMP", or the system's temporary folder when "TEMP" is unset or empty.
std::string TempFolder(const Environment& env);

// The skin movie assembled at start-up: "~tandrel.tmp" in the temporary folder.
std::string SkinFilePath(const Environment& env);

// Help files, one per language pack, named after it.
#ifdef _WIN32
inline constexpr const char* kHelpExtension = ".chm";
#else
inline constexpr const char* kHelpExtension = ".html";
#endif

inline constexpr const char* kConfigFileName = "Config.cfg";
inline constexpr const char* kErrorLogName = "errorlog.txt";
inline constexpr const char* kLangFolder = "Lang";
inline constexpr const char* kResourcesFolder = "Resources";
inline constexpr const char* kScreenMovieName = "Player.swf";
inline constexpr const char* kSkinHeaderName = "gui.hdr";
inline constexpr const char* kSkinBodyName = "gui.bdy";
inline constexpr const char* kSkinFileName = "~tandrel.tmp";

}  // namespace tandrel
