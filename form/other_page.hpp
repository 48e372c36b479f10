#pragma once
// The Other page's steps that need no window: uptime and date-time texts, the colour items and the
// printer entries.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/clock.hpp"
#include "platform/locale.hpp"
#include "platform/printers.hpp"

// Appends an uptime of `ms` milliseconds: "03 days, 04 hrs, 05 min, 03 sec".
void AppendUptime(std::string& out, std::uint64_t ms);
// Appends the same uptime in whole minutes, seconds and milliseconds, one per line.
void AppendUptimeHint(std::string& out, std::uint64_t ms);
// Appends a point in time with the locale's names and time separator:
// "Mon, December 07, 2026 / 09:05:03".
void AppendDateTime(std::string& out, const platform::LocalDateTime& t, const platform::FormatSettings& fs);
// The local date and time `ms` milliseconds before `t`, with its weekday.
platform::LocalDateTime SubtractMilliseconds(const platform::LocalDateTime& t, std::uint64_t ms);

// The system colour index that item `item` of the colour combo shows; -1 for no item.
int SysColorIndex(int item);

// The entries of the printer combo: each printer's name on the NT family; elsewhere one entry
// "<printer> on <port>" per port of its comma-separated port list.
std::vector<std::string> PrinterEntries(const std::vector<platform::PrinterInfo>& printers, bool ntFamily);
// The entries of the installed printers of this system.
std::vector<std::string> InstalledPrinterEntries();
