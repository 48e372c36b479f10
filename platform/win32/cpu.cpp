#include "platform/cpu.hpp"

#include <windows.h>

namespace platform {

std::int64_t ReadPerformanceCounter() {
  LARGE_INTEGER now;
  return QueryPerformanceCounter(&now) ? now.QuadPart : 0;
}

std::int64_t PerformanceCounterFrequency() {
  LARGE_INTEGER frequency;
  return QueryPerformanceFrequency(&frequency) ? frequency.QuadPart : 0;
}

void SleepMilliseconds(std::uint32_t milliseconds) { Sleep(milliseconds); }

bool GetSchedulingPriority(SchedulingPriority& out) {
  const DWORD processClass = GetPriorityClass(GetCurrentProcess());
  const int threadLevel = GetThreadPriority(GetCurrentThread());
  if (processClass == 0 || threadLevel == THREAD_PRIORITY_ERROR_RETURN) return false;
  out.processClass = processClass;
  out.threadLevel = threadLevel;
  return true;
}

void SetSchedulingPriority(const SchedulingPriority& priority) {
  SetPriorityClass(GetCurrentProcess(), priority.processClass);
  SetThreadPriority(GetCurrentThread(), priority.threadLevel);
}

}  // namespace platform
