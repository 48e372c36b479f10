#pragma once
// Dates and times: the proleptic Gregorian calendar in 64 bits and the one writer of each kind of
// date-time text.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/clock.hpp"
#include "platform/locale.hpp"

namespace funclib {

// Weekday names in English, Sunday first (month names: FormatSettings' defaults).
inline constexpr std::array<std::string_view, 7> EnglishDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                                 "Thursday", "Friday", "Saturday"};

// Days since 1970-01-01 of a date, and the date (year, month, day, weekday) of such a day number.
std::int64_t DaysFromCivil(std::int64_t year, int month, int day);
void CivilFromDays(std::int64_t days, platform::LocalDateTime& t);
// True when the day exists in that month of that year.
bool IsValidDate(std::int64_t year, int month, int day);

// Appends a point in time with the locale's names and time separator:
// "Mon, December 07, 2026 / 09:05:03".
void AppendDateTime(std::string& out, const platform::LocalDateTime& t, const platform::FormatSettings& fs);
// Appends it as ISO 8601 local time: "2026-12-07T09:05:03".
void AppendIsoDateTime(std::string& out, const platform::LocalDateTime& t);

// Appends an offset from UTC in minutes as ISO 8601 writes it: "+01:00", "-05:30", "+00:00".
void AppendUtcOffset(std::string& out, int minutes);

// The local date and time `ms` milliseconds before `t`, with its weekday.
platform::LocalDateTime SubtractMilliseconds(const platform::LocalDateTime& t, std::uint64_t ms);

}  // namespace funclib
