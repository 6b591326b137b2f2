#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/call_log.h"
#include "platform/window_hooks.h"

namespace tandrel::fakes {

// A window system in miniature: windows with children and class names, each child with a stack
// of procedures whose bottom is the window's own handling. Messages that reach that own handling
// are recorded in `received`.
class FakeWindowHooks : public WindowHooks {
 public:
  explicit FakeWindowHooks(CallLog& log) : log_(log) {}

  std::map<NativeWindow, std::vector<NativeWindow>> children;
  std::map<NativeWindow, std::string> classNames;
  std::map<NativeWindow, std::vector<WindowMessage>> received;
  std::vector<NativeWindow> drags;

  NativeWindow AddChild(NativeWindow parent, const std::string& className) {
    const NativeWindow child = next_++;
    children[parent].push_back(child);
    classNames[child] = className;
    return child;
  }

  // The first child of `parent` whose class is `className`.
  NativeWindow Child(NativeWindow parent, const std::string& className) const {
    for (NativeWindow child : children.at(parent)) {
      if (classNames.at(child) == className) {
        return child;
      }
    }
    return 0;
  }

  // The system hands `message` to the window's current procedure.
  void Deliver(NativeWindow window, WindowMessage message) {
    CallWindowProcedure(Current(window), window, message);
  }

  // The window's own procedure, the one in place before any program hooked it.
  static WindowProcId Own(NativeWindow window) { return 0x100000 + window; }
  WindowProcId Current(NativeWindow window) const {
    auto it = current_.find(window);
    return it == current_.end() ? Own(window) : it->second;
  }

  NativeWindow FirstChild(NativeWindow parent) override {
    auto it = children.find(parent);
    return it == children.end() || it->second.empty() ? 0 : it->second.front();
  }
  NativeWindow NextSibling(NativeWindow window) override {
    for (const auto& [parent, list] : children) {
      for (size_t i = 0; i < list.size(); ++i) {
        if (list[i] == window) {
          return i + 1 < list.size() ? list[i + 1] : 0;
        }
      }
    }
    return 0;
  }
  std::string ClassName(NativeWindow window) override {
    auto it = classNames.find(window);
    return it == classNames.end() ? std::string() : it->second;
  }
  WindowProcId SetWindowProcedure(NativeWindow window, WindowProcedure& procedure) override {
    log_.Add("hooks.Set(" + classNames[window] + ")");
    const WindowProcId previous = Current(window);
    const auto id = reinterpret_cast<WindowProcId>(&procedure);
    procedures_[id] = &procedure;
    current_[window] = id;
    return previous;
  }
  void RestoreWindowProcedure(NativeWindow window, WindowProcId previous) override {
    log_.Add("hooks.Restore(" + classNames[window] + ")");
    current_[window] = previous;
  }
  intptr_t CallWindowProcedure(WindowProcId procedure, NativeWindow window,
                               const WindowMessage& message) override {
    if (auto it = procedures_.find(procedure); it != procedures_.end()) {
      if (++depth_ > 8) {
        throw std::runtime_error("a procedure calls itself");
      }
      const intptr_t result = it->second->Handle(window, message);
      --depth_;
      return result;
    }
    if (message.message != wm::kNull) {
      received[window].push_back(message);
    }
    return 0;
  }
  void BeginDrag(NativeWindow window) override {
    log_.Add("hooks.BeginDrag(" + std::to_string(window) + ")");
    drags.push_back(window);
  }

 private:
  CallLog& log_;
  NativeWindow next_ = 5000;
  std::map<NativeWindow, WindowProcId> current_;
  std::map<WindowProcId, WindowProcedure*> procedures_;
  int depth_ = 0;
};

}  // namespace tandrel::fakes
