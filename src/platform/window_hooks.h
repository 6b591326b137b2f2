#pragma once

#include <cstdint>
#include <string>

namespace tandrel {

// A window of the window system, as the hooks see it: a form's window or one of its children
// (a movie's view). 0 is no window.
using NativeWindow = std::uintptr_t;
// A window procedure as the window system knows it; 0 is none.
using WindowProcId = std::uintptr_t;

// An input message in the window system's numbering.
struct WindowMessage {
  uint32_t message = 0;
  uintptr_t wParam = 0;
  intptr_t lParam = 0;
};

namespace wm {
inline constexpr uint32_t kNull = 0x0000;
inline constexpr uint32_t kKeyDown = 0x0100;
inline constexpr uint32_t kKeyUp = 0x0101;
inline constexpr uint32_t kRButtonDown = 0x0204;
inline constexpr uint32_t kRButtonUp = 0x0205;
inline constexpr uint32_t kLButtonDown = 0x0201;
// The virtual-key code of the context-menu key.
inline constexpr uintptr_t kVkApps = 0x5D;
}  // namespace wm

// A procedure the program puts in front of a window's own handling of its messages.
class WindowProcedure {
 public:
  virtual ~WindowProcedure() = default;
  virtual intptr_t Handle(NativeWindow window, const WindowMessage& message) = 0;
};

// Walking a form's child windows, replacing their procedures, and moving windows with the mouse.
class WindowHooks {
 public:
  virtual ~WindowHooks() = default;

  // The first child of `parent`, or 0.
  virtual NativeWindow FirstChild(NativeWindow parent) = 0;
  // The next sibling of `window`, or 0 when the siblings have run out.
  virtual NativeWindow NextSibling(NativeWindow window) = 0;
  virtual std::string ClassName(NativeWindow window) = 0;

  // Makes `procedure` the window's procedure; returns the one it replaces.
  virtual WindowProcId SetWindowProcedure(NativeWindow window, WindowProcedure& procedure) = 0;
  // Puts back a procedure that SetWindowProcedure returned.
  virtual void RestoreWindowProcedure(NativeWindow window, WindowProcId previous) = 0;
  // Hands a message to a procedure that SetWindowProcedure returned. A message whose number is
  // wm::kNull does nothing there.
  virtual intptr_t CallWindowProcedure(WindowProcId procedure, NativeWindow window,
                                       const WindowMessage& message) = 0;

  // Lets the mouse move the top-level `window` until the button is released, as a press on its
  // title bar would.
  virtual void BeginDrag(NativeWindow window) = 0;
};

}  // namespace tandrel
