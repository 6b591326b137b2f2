#pragma once

#include <string>

#include "components/video_engine.h"

namespace tandrel {

// Engine actions triggered as hot keys: the action's variable is bound to a code, then
// "key-pressed" is set to the same code, and the engine performs the action once.
namespace hotkeys {
inline constexpr const char* kPressed = "key-pressed";
inline constexpr const char* kFullscreen = "key-fullscreen";
inline constexpr const char* kSnapshot = "key-snapshot";
inline constexpr const char* kNavUp = "key-nav-up";
inline constexpr const char* kNavDown = "key-nav-down";
inline constexpr const char* kNavLeft = "key-nav-left";
inline constexpr const char* kNavRight = "key-nav-right";
inline constexpr const char* kNavActivate = "key-nav-activate";
}  // namespace hotkeys

inline void SendHotKey(VideoEngine& engine, const std::string& action, int code) {
  engine.SetEngineVariable(action, code);
  engine.SetEngineVariable(hotkeys::kPressed, code);
}

}  // namespace tandrel
