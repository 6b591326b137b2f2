#pragma once

#include <memory>

#include "components/movie.h"
#include "platform/window_hooks.h"

namespace tandrel {

class MainForm;
class DvdBarForm;
class OptionsDialog;
class AboutForm;

// Window geometry in pixels.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const Rect&) const = default;
};

struct ScreenSize {
  int width = 0;
  int height = 0;
};

enum class WindowState { Normal, Minimized };

// The hidden menus that the skin pops up.
enum class PopupMenuId { Open, Help };

// One top-level window of a form. The form owns the window's state; the window renders it and
// forwards what the user does to the form.
class Window {
 public:
  virtual ~Window() = default;

  // Shows the window without waiting for it.
  virtual void Show() = 0;
  // Shows the window modally; returns once it has been hidden or closed.
  virtual void ShowModal() = 0;
  virtual void Hide() = 0;
  // Destroys the window. Harmless when repeated, and allowed from within one of the window's own
  // event handlers: the toolkit's part is then released once that handler has returned.
  virtual void Close() = 0;
  virtual bool IsVisible() const = 0;
  // Paints the window at once rather than at the next pass of the event loop.
  virtual void Repaint() = 0;
  // The form's state changed: render it again.
  virtual void Refresh() = 0;
  // Takes the keyboard focus.
  virtual void Focus() = 0;

  virtual Rect Geometry() const = 0;
  virtual void SetGeometry(const Rect& rect) = 0;
  virtual WindowState State() const = 0;
  virtual void SetState(WindowState state) = 0;

  // The window as the window hooks see it.
  virtual NativeWindow NativeHandle() const = 0;
};

// A window that hosts a movie (the main window's screen movie, the control bar's skin).
class MovieWindow : public Window {
 public:
  virtual Movie& movie() = 0;
};

// Creates the windows of the forms and tells the screen's size.
class Windows {
 public:
  virtual ~Windows() = default;

  // The fixed-frame "Loading..." window with its picture, centred, without a taskbar entry.
  virtual std::unique_ptr<Window> CreateSplash() = 0;
  virtual std::unique_ptr<MovieWindow> CreateMainWindow(MainForm& form) = 0;
  virtual std::unique_ptr<MovieWindow> CreateControlBar(DvdBarForm& form) = 0;
  virtual std::unique_ptr<Window> CreateOptionsWindow(OptionsDialog& form) = 0;
  virtual std::unique_ptr<Window> CreateAboutWindow(AboutForm& form) = 0;

  // Pops up one of the options dialog's hidden menus at the mouse pointer, as a context menu of
  // the control bar; returns once it is closed. A chosen item runs its command on `owner`.
  virtual void PopupMenu(OptionsDialog& owner, PopupMenuId menu) = 0;

  // The whole primary screen, not only its work area.
  virtual ScreenSize PrimaryScreen() const = 0;
};

}  // namespace tandrel
