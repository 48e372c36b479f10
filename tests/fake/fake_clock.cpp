#include "tests/fake/fake_clock.hpp"

#include "tests/fake/fake_platform.hpp"

namespace platform {

std::uint64_t QueryTickCount() { return fake::Fake().clock.tickCount; }

LocalDateTime QueryLocalTime() { return fake::Fake().clock.localTime; }

LocalDateTime QueryLocalTime(int& utcOffsetMinutes) {
  utcOffsetMinutes = fake::Fake().clock.utcOffsetMinutes;
  return fake::Fake().clock.localTime;
}

}  // namespace platform
