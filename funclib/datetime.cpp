#include "funclib/datetime.hpp"

#include <charconv>

#include "funclib/text.hpp"

namespace funclib {
namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

template <class Names>
const std::string& NameAt(const Names& names, int index) {
  static const std::string none;
  return index >= 0 && index < static_cast<int>(names.size()) ? names[static_cast<size_t>(index)] : none;
}

// The year with at least four digits (a negative year as the number it is).
void AppendYear(std::string& out, int year) {
  if (year >= 0 && year < 1000) out.append(year < 10 ? 3 : year < 100 ? 2 : 1, '0');
  char digits[16];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, year).ptr);
}

void AppendTime(std::string& out, const platform::LocalDateTime& t, std::string_view separator) {
  AppendTwoDigits(out, static_cast<std::uint64_t>(t.hour));
  out += separator;
  AppendTwoDigits(out, static_cast<std::uint64_t>(t.minute));
  out += separator;
  AppendTwoDigits(out, static_cast<std::uint64_t>(t.second));
}

}  // namespace

std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, platform::LocalDateTime& t) {
  t.dayOfWeek = static_cast<int>(((z % 7) + 11) % 7);  // 1970-01-01 was a Thursday
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  t.year = static_cast<int>(yoe + era * 400 + (t.month <= 2));
}

bool IsValidDate(std::int64_t year, int month, int day) {
  if (month < 1 || month > 12 || day < 1 || day > 31) return false;
  platform::LocalDateTime t;
  CivilFromDays(DaysFromCivil(year, month, day), t);
  return t.day == day;  // a day past the month's end rolls into the next month
}

void AppendDateTime(std::string& out, const platform::LocalDateTime& t, const platform::FormatSettings& fs) {
  out += NameAt(fs.shortDayNames, t.dayOfWeek);
  out += ", ";
  out += NameAt(fs.longMonthNames, t.month - 1);
  out += ' ';
  AppendTwoDigits(out, static_cast<std::uint64_t>(t.day));
  out += ", ";
  AppendYear(out, t.year);
  out += " / ";
  AppendTime(out, t, fs.timeSeparator);
}

void AppendIsoDateTime(std::string& out, const platform::LocalDateTime& t) {
  AppendYear(out, t.year);
  out += '-';
  AppendTwoDigits(out, static_cast<std::uint64_t>(t.month));
  out += '-';
  AppendTwoDigits(out, static_cast<std::uint64_t>(t.day));
  out += 'T';
  AppendTime(out, t, ":");
}

void AppendUtcOffset(std::string& out, int minutes) {
  out += minutes < 0 ? '-' : '+';
  const std::uint64_t magnitude = static_cast<std::uint64_t>(minutes < 0 ? -static_cast<std::int64_t>(minutes) : minutes);
  AppendTwoDigits(out, magnitude / 60);
  out += ':';
  AppendTwoDigits(out, magnitude % 60);
}

platform::LocalDateTime SubtractMilliseconds(const platform::LocalDateTime& t, std::uint64_t ms) {
  const std::int64_t days = DaysFromCivil(t.year, t.month, t.day);
  const std::int64_t ofDay = ((t.hour * 60 + t.minute) * 60 + t.second) * std::int64_t{1000} + t.millisecond;
  // Any tick count fits: 2^64 ms would be 584 million years, far less than an int64 of days.
  const std::int64_t back = static_cast<std::int64_t>(ms / kMsPerDay);
  std::int64_t msOfDay = ofDay - static_cast<std::int64_t>(ms % kMsPerDay);
  std::int64_t day = days - back;
  if (msOfDay < 0) {
    msOfDay += kMsPerDay;
    --day;
  }
  platform::LocalDateTime r;
  CivilFromDays(day, r);
  r.hour = static_cast<int>(msOfDay / 3'600'000);
  r.minute = static_cast<int>(msOfDay / 60'000 % 60);
  r.second = static_cast<int>(msOfDay / 1000 % 60);
  r.millisecond = static_cast<int>(msOfDay % 1000);
  return r;
}

}  // namespace funclib
