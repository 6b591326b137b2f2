#pragma once

#include <string>

#include "fakes/temp_dir.h"

namespace tandrel::fakes {

// The header and body halves of a skin: recognisable bytes, with the leading bytes that are not
// part of the skin marked as such.
inline std::string SkinHeaderBytes() {
  std::string header = "HDRJUNK!";  // 8 bytes that are skipped
  for (int i = 0; i < 100; ++i) {
    header.push_back(static_cast<char>('A' + i % 26));
  }
  return header + "beyond the first hundred";
}

inline std::string SkinBodyBytes(const std::string& skin) {
  return "BODYJUNK!!" + skin;
}

// A program folder laid out as the build lays it out: Resources/ with the screen movie and both
// skin halves, and Lang/ with `pack` as English.ini.
inline void LayOutProgramFolder(const std::string& folder, const std::string& pack) {
  WriteFile(folder + "/Resources/Player.swf", "screen movie");
  WriteFile(folder + "/Resources/gui.hdr", SkinHeaderBytes());
  WriteFile(folder + "/Resources/gui.bdy", SkinBodyBytes("the rest of the skin"));
  WriteFile(folder + "/Lang/English.ini", pack);
}

}  // namespace tandrel::fakes
