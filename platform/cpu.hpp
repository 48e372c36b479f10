#pragma once
// The processor (CPUID, time-stamp counter), the high-resolution performance counter, sleeping
// and scheduling priorities.
#include <cstdint>

namespace platform {

struct CpuidRegisters {
  std::uint32_t eax = 0;
  std::uint32_t ebx = 0;
  std::uint32_t ecx = 0;
  std::uint32_t edx = 0;
};

// Whether the processor has the CPUID instruction.
bool CpuidAvailable();
// CPUID of `leaf` (sub-leaf 0). Only when CpuidAvailable().
CpuidRegisters ExecuteCpuid(std::uint32_t leaf);
// The processor's time-stamp counter, all 64 bits.
std::uint64_t ReadTimeStampCounter();

// The performance counter and its ticks per second (0 when the system has none).
std::int64_t ReadPerformanceCounter();
std::int64_t PerformanceCounterFrequency();

// Blocks the calling thread for at least `milliseconds`.
void SleepMilliseconds(std::uint32_t milliseconds);

// The process's priority class (e.g. 0x20 normal, 0x100 real-time) and the calling thread's
// priority level (e.g. 0 normal, 15 time-critical).
struct SchedulingPriority {
  std::uint32_t processClass = 0;
  int threadLevel = 0;
};

// Reads both; false when either cannot be read.
bool GetSchedulingPriority(SchedulingPriority& out);
// Sets both, as far as the system allows.
void SetSchedulingPriority(const SchedulingPriority& priority);

}  // namespace platform
