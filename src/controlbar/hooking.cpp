#include "controlbar/hooking.h"

#include <exception>
#include <string>

namespace tandrel {
namespace {

// Class names are read into a buffer of 250 characters, the terminator included.
constexpr size_t kClassNameChars = 249;
constexpr const char* kFlashWindowClass = "macromediaflashplayer";

}  // namespace

Hooking::Hooking(WindowHooks& hooks)
    : hooks_(hooks),
      skinWindowProc_(hooks, OldSkinWindowProc),
      screenWindowProc_(hooks, OldScreenWindowProc) {}

NativeWindow Hooking::FindFlashWindow(NativeWindow form) {
  FlashWindowHandle = hooks_.FirstChild(form);
  while (FlashWindowHandle != 0) {
    std::string name = hooks_.ClassName(FlashWindowHandle).substr(0, kClassNameChars);
    for (char& c : name) {
      if (c >= 'A' && c <= 'Z') {
        c = static_cast<char>(c - 'A' + 'a');
      }
    }
    if (name.find(kFlashWindowClass) != std::string::npos) {
      break;
    }
    FlashWindowHandle = hooks_.NextSibling(FlashWindowHandle);
  }
  return FlashWindowHandle;
}

void Hooking::HookSkinWindow(NativeWindow window, bool install) {
  Hook(window, install, skinWindowProc_, OldSkinWindowProc, skinInstalled_);
}

void Hooking::HookScreenWindow(NativeWindow window, bool install) {
  Hook(window, install, screenWindowProc_, OldScreenWindowProc, screenInstalled_);
}

void Hooking::HookFormMovie(NativeWindow form, MovieKind kind, bool install) {
  try {
    if (const NativeWindow flash = FindFlashWindow(form)) {
      if (kind == MovieKind::Skin) {
        HookSkinWindow(flash, install);
      } else {
        HookScreenWindow(flash, install);
      }
    }
  } catch (const std::exception&) {
  }
}

void Hooking::Hook(NativeWindow window, bool install, FilterProcedure& procedure,
                   WindowProcId& previous, bool& installed) {
  if (install) {
    if (!installed) {
      previous = hooks_.SetWindowProcedure(window, procedure);
      installed = true;
    }
    return;
  }
  if (previous != 0) {
    hooks_.RestoreWindowProcedure(window, previous);
  }
  installed = false;
}

intptr_t Hooking::FilterProcedure::Handle(NativeWindow window, const WindowMessage& message) {
  WindowMessage passed = message;
  if ((message.message == wm::kKeyDown && message.wParam == wm::kVkApps) ||
      message.message == wm::kRButtonDown) {
    passed.message = wm::kNull;
  }
  return hooks_.CallWindowProcedure(previous_, window, passed);
}

void DragWindow(WindowHooks& hooks, NativeWindow window) {
  hooks.BeginDrag(window);
}

}  // namespace tandrel
