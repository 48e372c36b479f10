#pragma once
// The fake clocks: the tick count and the local time are whatever the test sets.
#include <cstdint>

#include "platform/clock.hpp"

namespace fake {

struct Clock {
  std::uint64_t tickCount = 0;
  platform::LocalDateTime localTime;
  int utcOffsetMinutes = 0;
};

}  // namespace fake
