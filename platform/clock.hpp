#pragma once
// The system's clocks: time since start and the local date and time.
#include <cstdint>

namespace platform {

// Milliseconds since the system started. 64-bit where the system counts so; where it has only the
// 32-bit count, that count, which starts again from zero every 49.7 days.
std::uint64_t QueryTickCount();

struct LocalDateTime {
  int year = 1970;
  int month = 1;      // 1..12
  int day = 1;        // 1..31
  int dayOfWeek = 4;  // 0 Sunday .. 6 Saturday
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// The current local date and time.
LocalDateTime QueryLocalTime();
// The same, read together with its offset from UTC in minutes (local time = UTC + offset).
LocalDateTime QueryLocalTime(int& utcOffsetMinutes);

}  // namespace platform
