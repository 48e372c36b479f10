#pragma once
// The Other page's steps that need no window: the clock and mouse readings, their texts, the
// colour items and the printer entries.
#include <cstdint>
#include <string>
#include <vector>

#include "funclib/datetime.hpp"
#include "platform/clock.hpp"
#include "platform/desktop.hpp"
#include "platform/locale.hpp"
#include "platform/printers.hpp"

using funclib::AppendDateTime;
using funclib::SubtractMilliseconds;

// Appends an uptime of `ms` milliseconds: "03 days, 04 hrs, 05 min, 03 sec".
void AppendUptime(std::string& out, std::uint64_t ms);
// Appends the same uptime in whole minutes, seconds and milliseconds, one per line.
void AppendUptimeHint(std::string& out, std::uint64_t ms);

// One reading of the clocks and the mouse.
struct ClockFacts {
  std::uint64_t uptimeMs = 0;
  platform::LocalDateTime now;
  bool mouseKnown = false;
  platform::ScreenPoint mouse;
};
ClockFacts ProbeClocks();

// The page's time and mouse texts; the start time only when asked for (it is worked out once).
struct OtherValues {
  std::string uptime, uptimeHint, currentTime, startTime, mouse;
};
void FormatOtherValues(const ClockFacts& facts, bool withStartTime, const platform::FormatSettings& fs,
                       OtherValues& out);

// The system colour index that item `item` of the colour combo shows; -1 for no item.
int SysColorIndex(int item);

// The entries of the printer combo: each printer's name on the NT family; elsewhere one entry
// "<printer> on <port>" per port of its comma-separated port list.
std::vector<std::string> PrinterEntries(const std::vector<platform::PrinterInfo>& printers, bool ntFamily);
// The entries of the installed printers of this system.
std::vector<std::string> InstalledPrinterEntries();
