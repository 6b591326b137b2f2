#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tandrel {

// The skin movie is stored as two files whose first bytes are not part of it: the header half
// gives its bytes 8 to 107, the body half everything from its byte 10 on.
inline constexpr std::uintmax_t kSkinHeaderSkip = 8;
inline constexpr std::uintmax_t kSkinHeaderBytes = 100;
inline constexpr std::uintmax_t kSkinBodySkip = 10;

// The first of the resource files below `programFolder` that start-up cannot use (missing, not
// a file, or too short for the bytes taken from it), or nothing when all three are usable.
std::optional<std::string> FindUnusableResource(const std::string& programFolder);

// Writes the skin movie to `skinPath` from its two halves. False when a half cannot be read in
// full or the skin file cannot be written.
bool AssembleSkinFile(const std::string& headerPath, const std::string& bodyPath,
                      const std::string& skinPath);

}  // namespace tandrel
