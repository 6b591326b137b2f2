#pragma once

#include <ctime>

namespace tandrel {

class Clock {
 public:
  virtual ~Clock() = default;
  // Blocks the calling thread outright for `milliseconds`: no events are handled meanwhile.
  virtual void Sleep(int milliseconds) = 0;
  // The current local date and time.
  virtual std::tm LocalNow() = 0;
};

}  // namespace tandrel
