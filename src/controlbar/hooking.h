#pragma once

#include "platform/window_hooks.h"

namespace tandrel {

// Keeps the right mouse button and the context-menu key away from the two movies: each movie's
// window gets a procedure of ours in front of its own, which turns those two messages into
// nothing and passes every other message through unchanged.
class Hooking {
 public:
  explicit Hooking(WindowHooks& hooks);

  Hooking(const Hooking&) = delete;
  Hooking& operator=(const Hooking&) = delete;

  // Searches the direct children of `form` for the movie's window: the first whose class name,
  // lower-cased, contains "macromediaflashplayer". Sets and returns FlashWindowHandle; 0 when
  // the children run out without one.
  NativeWindow FindFlashWindow(NativeWindow form);

  void HookSkinWindow(NativeWindow window, bool install);
  void HookScreenWindow(NativeWindow window, bool install);

  enum class MovieKind { Skin, Screen };
  // A form's StartHook (install) or StopHook: finds the form's movie window and hooks or unhooks
  // it. Every failure is swallowed: the movie then keeps its own handling of the right button.
  void HookFormMovie(NativeWindow form, MovieKind kind, bool install);

  // The window found by the latest search.
  NativeWindow FlashWindowHandle = 0;
  // The procedures our own replaced; kept after removal.
  WindowProcId OldSkinWindowProc = 0;
  WindowProcId OldScreenWindowProc = 0;

 private:
  class FilterProcedure : public WindowProcedure {
   public:
    FilterProcedure(WindowHooks& hooks, const WindowProcId& previous)
        : hooks_(hooks), previous_(previous) {}
    intptr_t Handle(NativeWindow window, const WindowMessage& message) override;

   private:
    WindowHooks& hooks_;
    const WindowProcId& previous_;
  };

  void Hook(NativeWindow window, bool install, FilterProcedure& procedure, WindowProcId& previous,
            bool& installed);

  WindowHooks& hooks_;
  FilterProcedure skinWindowProc_;
  FilterProcedure screenWindowProc_;
  // Our procedure is in place. Installing it a second time would store it as its own
  // predecessor, and every message would then go round in circles.
  bool skinInstalled_ = false;
  bool screenInstalled_ = false;
};

// Lets the mouse move the borderless `window` until the button is released.
void DragWindow(WindowHooks& hooks, NativeWindow window);

}  // namespace tandrel
