#include "backends/linux/system_clock.h"

#include <chrono>
#include <thread>

namespace tandrel {

void SystemClock::Sleep(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::tm SystemClock::LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace tandrel
