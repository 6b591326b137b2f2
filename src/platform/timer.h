#pragma once

#include <functional>
#include <memory>

namespace tandrel {

// A repeating timer of the user-interface thread. Its ticks arrive only while that thread waits
// for events, never in the middle of other work.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void Start() = 0;
  virtual void Stop() = 0;
};

class Timers {
 public:
  virtual ~Timers() = default;
  // A stopped timer that calls `tick` every `intervalMs` milliseconds once started.
  virtual std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> tick) = 0;
};

}  // namespace tandrel
