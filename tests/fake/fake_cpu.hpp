#pragma once
// The fake processor and clocks. A sleep advances the time-stamp counter and the performance
// counter together by the time it really took: the time asked for plus a scripted overshoot.
#include <cstdint>
#include <map>
#include <vector>

#include "platform/cpu.hpp"

namespace fake {

struct Cpu {
  // Scripted.
  bool hasCpuid = true;
  std::map<std::uint32_t, platform::CpuidRegisters> leaves;  // a leaf not listed answers zeros
  std::uint64_t timeStampCounter = 0;
  double timeStampHz = 3e9;
  std::int64_t performanceCounter = 0;
  std::int64_t performanceFrequency = 10'000'000;
  double sleepOvershootSeconds = 0;
  platform::SchedulingPriority priority{0x20, 0};  // normal class, normal thread
  bool priorityUnreadable = false;
  // Recorded.
  std::vector<std::uint32_t> leavesAsked;
  std::vector<std::uint32_t> sleeps;
  std::vector<platform::SchedulingPriority> priorityDuringSleeps;
  int prioritySets = 0;
};

}  // namespace fake
