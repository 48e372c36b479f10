#include "tests/fake/fake_cpu.hpp"

#include <cmath>

#include "tests/fake/fake_platform.hpp"

namespace platform {

bool CpuidAvailable() { return fake::Fake().cpu.hasCpuid; }

CpuidRegisters ExecuteCpuid(std::uint32_t leaf) {
  fake::Cpu& c = fake::Fake().cpu;
  c.leavesAsked.push_back(leaf);
  const auto it = c.leaves.find(leaf);
  return it == c.leaves.end() ? CpuidRegisters{} : it->second;
}

std::uint64_t ReadTimeStampCounter() { return fake::Fake().cpu.timeStampCounter; }

std::int64_t ReadPerformanceCounter() { return fake::Fake().cpu.performanceCounter; }

std::int64_t PerformanceCounterFrequency() { return fake::Fake().cpu.performanceFrequency; }

void SleepMilliseconds(std::uint32_t milliseconds) {
  fake::Cpu& c = fake::Fake().cpu;
  c.sleeps.push_back(milliseconds);
  c.priorityDuringSleeps.push_back(c.priority);
  const double seconds = milliseconds / 1000.0 + c.sleepOvershootSeconds;
  c.timeStampCounter += static_cast<std::uint64_t>(std::llround(c.timeStampHz * seconds));
  c.performanceCounter += std::llround(static_cast<double>(c.performanceFrequency) * seconds);
}

bool GetSchedulingPriority(SchedulingPriority& out) {
  const fake::Cpu& c = fake::Fake().cpu;
  if (c.priorityUnreadable) return false;
  out = c.priority;
  return true;
}

void SetSchedulingPriority(const SchedulingPriority& priority) {
  fake::Cpu& c = fake::Fake().cpu;
  c.priority = priority;
  ++c.prioritySets;
}

}  // namespace platform
