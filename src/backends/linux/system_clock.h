#pragma once

#include "platform/clock.h"

namespace tandrel {

class SystemClock : public Clock {
 public:
  void Sleep(int milliseconds) override;
  std::tm LocalNow() override;
};

}  // namespace tandrel
