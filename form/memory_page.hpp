#pragma once
// The Memory page's steps that need no window: the free amounts the measure counters follow and
// the texts of the twelve values.
#include <array>
#include <cstdint>
#include <string>

#include "platform/locale.hpp"
#include "platform/memory.hpp"

// Names of the page's value labels, in the order of MemoryValues.
extern const std::array<const char*, 12> MemoryLabelNames;

// The page's values: RAM size, used, free, load; page file size, used, free; virtual size,
// used; then the RAM, page file and total measure counters.
using MemoryValues = std::array<std::string, 12>;

// The free amounts the three counters follow, in KiB: RAM, page file, both together.
std::array<double, 3> MeasuredKiB(const platform::MemoryStatus& m);

// Writes the values into `out` (reusing its buffers); each counter shows its free amount minus
// its baseline in whole KiB.
void FormatMemoryValues(const platform::MemoryStatus& m, const std::array<std::int64_t, 3>& baselines,
                        const platform::FormatSettings& fs, MemoryValues& out);
