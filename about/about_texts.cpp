#include "about/about_texts.hpp"

#include <array>
#include <charconv>

#include "funclib/datetime.hpp"

namespace about {
namespace {

constexpr std::array<std::string_view, 12> kMonthShort{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool ParseInt(std::string_view text, int& value) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

// "Feb 18 2003" as "Tuesday, February 18, 2003"; false when it is not such a date.
bool LongDate(std::string_view date, std::string& out) {
  if (date.size() != 11 || date[3] != ' ' || date[6] != ' ') return false;
  int month = 0;
  while (month < 12 && kMonthShort[month] != date.substr(0, 3)) ++month;
  int day = 0, year = 0;
  if (month == 12 || !ParseInt(date.substr(4, 2), day) || !ParseInt(date.substr(7, 4), year)) return false;
  ++month;
  if (year < 1583 || !funclib::IsValidDate(year, month, day)) return false;
  platform::LocalDateTime t;
  funclib::CivilFromDays(funclib::DaysFromCivil(year, month, day), t);
  out.append(funclib::EnglishDayNames[static_cast<size_t>(t.dayOfWeek)]).append(", ");
  out.append(platform::FormatSettings{}.longMonthNames[static_cast<size_t>(month - 1)]);
  out.append(" ").append(std::to_string(day)).append(", ").append(std::to_string(year));
  return true;
}

}  // namespace

std::string AboutCaption(std::string_view text) { return "About " + std::string(text); }

std::string FormatBuildStamp(std::string_view tool, std::string_view date, std::string_view time) {
  std::string stamp = "Compiled in " + std::string(tool) + " on \r\n";
  if (!LongDate(date, stamp)) stamp.append(date);
  // Hours and minutes: the seconds of "08:34:12" are left off.
  stamp.append(" - ").append(time.substr(0, time.size() >= 5 ? 5 : time.size()));
  return stamp;
}

std::string DevelopmentToolName() {
#if defined(__clang__)
  std::string name = "Clang " + std::to_string(__clang_major__) + "." + std::to_string(__clang_minor__);
#elif defined(__GNUC__)
  std::string name = "GCC " + std::to_string(__GNUC__) + "." + std::to_string(__GNUC_MINOR__);
#elif defined(_MSC_VER)
  std::string name = "Visual C++ " + std::to_string(_MSC_VER);
#else
  std::string name = "C++";
#endif
#if defined(__MINGW64_VERSION_MAJOR)
  name = "MinGW-w64 " + name;
#endif
  return name;
}

std::string BuildStamp() { return FormatBuildStamp(DevelopmentToolName(), __DATE__, __TIME__); }

std::string ReadmePath(std::string_view exePath) {
  // The folder ends at the last separator; a drive-relative "C:Orvane.exe" keeps its "C:".
  const std::size_t cut = exePath.find_last_of("\\/:");
  const std::string_view folder = cut == std::string_view::npos ? std::string_view{} : exePath.substr(0, cut + 1);
  return std::string(folder) + "Readme.txt";
}

}  // namespace about
