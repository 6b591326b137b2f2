#pragma once

#include <QObject>
#include <QPointer>
#include <map>
#include <memory>

#include "platform/message_boxes.h"
#include "platform/pictures.h"
#include "platform/shell.h"
#include "platform/timer.h"
#include "platform/window_hooks.h"

class QWidget;

namespace tandrel {

class QtMessageBoxes : public MessageBoxes {
 public:
  MessageAnswer Show(const std::string& text, const std::string& title, MessageIcon icon,
                     MessageButtons buttons) override;
};

class QtTimers : public Timers {
 public:
  std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> tick) override;
};

// Pictures through QImage: JPEG in, Windows bitmap out, and the clipboard.
class QtPictures : public Pictures, public Clipboard {
 public:
  std::unique_ptr<Picture> LoadJpeg(const std::string& path) override;
  bool SaveBitmap(const Picture& picture, const std::string& path) override;
  bool SetPicture(const Picture& picture) override;
};

// Files, web pages and mail through the desktop's opener.
class QtShellOpener : public ShellOpener {
 public:
  bool Open(const std::string& target, bool maximized) override;
};

class QtFolderDialogs : public FolderDialogs {
 public:
  std::string BrowseForFolder(BrowseInfo& info) override;
  bool IsWindowsNT() override { return false; }
};

// Window procedures as event filters on Qt widgets. A movie's view answers to its window class
// name; the messages the program cares for are its mouse buttons and keys.
class QtWindowHooks : public WindowHooks {
 public:
  QtWindowHooks();
  ~QtWindowHooks() override;

  NativeWindow FirstChild(NativeWindow parent) override;
  NativeWindow NextSibling(NativeWindow window) override;
  std::string ClassName(NativeWindow window) override;
  WindowProcId SetWindowProcedure(NativeWindow window, WindowProcedure& procedure) override;
  void RestoreWindowProcedure(NativeWindow window, WindowProcId previous) override;
  intptr_t CallWindowProcedure(WindowProcId procedure, NativeWindow window,
                               const WindowMessage& message) override;
  void BeginDrag(NativeWindow window) override;

  // A widget's own handling of its events, as a procedure identifier.
  static constexpr WindowProcId kOwnHandling = 1;
  // What the own handling answers for a message that must not reach the widget.
  static constexpr intptr_t kSwallowed = 1;

 private:
  class Filter;
  std::map<QWidget*, std::unique_ptr<Filter>> filters_;
};

}  // namespace tandrel
