#pragma once

#include <optional>
#include <string>

namespace tandrel {

// Reads one value from an INI file with the rules language packs have always been read with:
// section and key names match without regard to letter case, blanks around names and texts are
// dropped, and a text enclosed in double or single quotes is taken without them. The file is
// read afresh at every call.
//
// Nothing when the file, the section or the key is missing (a folder or a file that cannot be
// opened counts as missing). Throws std::system_error when the file exists but reading it fails.
std::optional<std::string> ReadIniValue(const std::string& path, const std::string& section,
                                        const std::string& key);

// The private-profile lookup: the key's text, or `defaultText` only when the key is missing,
// cut to at most `maxChars` characters (UTF-8 sequences are kept whole).
std::string GetProfileString(const std::string& path, const std::string& section,
                             const std::string& key, const std::string& defaultText,
                             size_t maxChars);

}  // namespace tandrel
