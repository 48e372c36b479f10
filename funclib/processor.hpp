#pragma once
// The processor: its identification (CPUID) and its clock, measured with the time-stamp counter.
#include <array>
#include <cstdint>

namespace funclib {

// Time-stamp counter ticks per second, counted over a sleep of `milliseconds` (the clock rate
// in Hz). The sleep is timed with the performance counter, since a sleep overshoots by up to a
// scheduler tick. With `boost` the process runs at real-time priority and the thread at
// time-critical priority during the sleep, and both are restored afterwards. The calling thread
// is blocked for the whole sleep. 0 when no time could be measured.
double MeasureCpuClock(std::uint16_t milliseconds, bool boost);

// CPUID leaf 0: EBX, EDX, ECX, the twelve characters of the vendor text ("GenuineIntel"). All
// zero when the processor has no CPUID.
void GetCpuVendor(std::array<std::uint32_t, 3>& vendor);

// CPUID leaf 1: EAX (family, model, stepping), EBX, ECX and EDX (feature flags). All zero when
// the processor has no CPUID or no leaf 1.
void GetCpuSignature(std::array<std::uint32_t, 4>& signature);

}  // namespace funclib
