#pragma once

#include <string>

namespace tandrel {

enum class MessageIcon { None, Critical, Question, Warning, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Modal message boxes. The caller always gives the title; a box without a title of its own
// carries the application's title.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual MessageAnswer Show(const std::string& text, const std::string& title, MessageIcon icon,
                             MessageButtons buttons) = 0;
};

}  // namespace tandrel
