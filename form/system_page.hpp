#pragma once
// The System page's steps that need no window: the facts of the machine as the system reports
// them, and the texts of the seventeen rows.
#include <array>
#include <cstdint>
#include <string>

#include "funclib/computer.hpp"
#include "platform/display.hpp"
#include "platform/locale.hpp"
#include "platform/sysinfo.hpp"

// Everything the list shows but the clock.
struct SystemFacts {
  std::uint32_t signature = 0;              // CPUID leaf 1, EAX
  std::array<std::uint32_t, 3> vendor{};    // CPUID leaf 0, EBX EDX ECX
  platform::ProcessorInfo processors;
  int keyboardType = 0, functionKeys = 0, mouseButtons = 0;
  platform::DisplayMode display;
  funclib::TOrvane computer;
};

// The vendor text of CPUID leaf 0 (EBX, EDX, ECX): the registers' bytes in memory order, up to the
// first zero.
std::string CpuVendorText(const std::array<std::uint32_t, 3>& regs);

// Reads the facts (quick: the clock is measured apart).
SystemFacts ProbeSystem();
// Measures the processor clock in Hz; blocks for about two seconds.
double MeasureSystemClock();

// The values of the rows in the order of SysRowCaptions; row 0 holds the placeholder shown
// while the clock is measured, the blank row 8 an empty text.
std::array<std::string, 17> FormatSystemValues(const SystemFacts& facts);
// The clock row's value: MHz with four decimals and the locale's decimal separator, never grouped.
std::string ClockText(double hz, const platform::FormatSettings& fs);
