#pragma once

// The movie variables the program sets and reads, in one place.
namespace tandrel::movievars {

// Screen movie.
inline constexpr const char* kFileName = "_root.filename";
inline constexpr const char* kKnobPosition = "_root.KnobPosition";
inline constexpr const char* kWidth = "_width";
inline constexpr const char* kHeight = "_height";

// Skin movie.
inline constexpr const char* kTimeElapsed = "_level0.pad.timeElapsed1.text";
inline constexpr const char* kVolumeText = "_level0.pad.volumeText1.text";
inline constexpr const char* kDvdName = "_level0.pad.dvds.dvdName.text";

}  // namespace tandrel::movievars
