#include "funclib/processor.hpp"

#include "platform/cpu.hpp"

namespace funclib {
namespace {

constexpr platform::SchedulingPriority kBoosted{0x100, 15};  // real-time class, time-critical thread

// Raises the scheduling priority for one scope and restores what it was.
class PriorityBoost {
 public:
  explicit PriorityBoost(bool wanted) : active_(wanted && platform::GetSchedulingPriority(saved_)) {
    if (active_) platform::SetSchedulingPriority(kBoosted);
  }
  ~PriorityBoost() {
    if (active_) platform::SetSchedulingPriority(saved_);
  }
  PriorityBoost(const PriorityBoost&) = delete;
  PriorityBoost& operator=(const PriorityBoost&) = delete;

 private:
  platform::SchedulingPriority saved_;
  bool active_;
};

}  // namespace

double MeasureCpuClock(std::uint16_t milliseconds, bool boost) {
  std::uint64_t ticks;
  std::int64_t elapsed;
  {
    const PriorityBoost priority(boost);
    const std::int64_t start = platform::ReadPerformanceCounter();
    const std::uint64_t first = platform::ReadTimeStampCounter();
    platform::SleepMilliseconds(milliseconds);
    const std::uint64_t second = platform::ReadTimeStampCounter();
    elapsed = platform::ReadPerformanceCounter() - start;
    ticks = second - first;  // the full 64 bits; unsigned arithmetic also survives a wrap
  }
  const std::int64_t frequency = platform::PerformanceCounterFrequency();
  double seconds = milliseconds / 1000.0;
  if (frequency > 0 && elapsed > 0) seconds = static_cast<double>(elapsed) / static_cast<double>(frequency);
  return seconds > 0 ? static_cast<double>(ticks) / seconds : 0.0;
}

void GetCpuVendor(std::array<std::uint32_t, 3>& vendor) {
  vendor = {};
  if (!platform::CpuidAvailable()) return;
  const platform::CpuidRegisters r = platform::ExecuteCpuid(0);
  vendor = {r.ebx, r.edx, r.ecx};
}

void GetCpuSignature(std::array<std::uint32_t, 4>& signature) {
  signature = {};
  if (!platform::CpuidAvailable() || platform::ExecuteCpuid(0).eax < 1) return;
  const platform::CpuidRegisters r = platform::ExecuteCpuid(1);
  signature = {r.eax, r.ebx, r.ecx, r.edx};
}

}  // namespace funclib
