// The Other page: uptime, times, mouse position, system colours, printers and cursors.
#include "form/other_page.hpp"

#include <charconv>

#include "form/orvane_form.hpp"
#include "funclib/text.hpp"
#include "platform/desktop.hpp"
#include "platform/sysinfo.hpp"

namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

template <class Int>
void AppendInt(std::string& out, Int value) {
  char buf[24];
  const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
  out.append(buf, end);
}

void AppendTwoDigits(std::string& out, int value) {
  if (value < 10) out += '0';
  AppendInt(out, value);
}

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar, and back.
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, platform::LocalDateTime& t) {
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

template <class Names>
const std::string& NameAt(const Names& names, int index) {
  static const std::string none;
  return index >= 0 && index < static_cast<int>(names.size()) ? names[static_cast<size_t>(index)] : none;
}

}  // namespace

void AppendUptime(std::string& out, std::uint64_t ms) {
  const std::uint64_t days = ms / kMsPerDay;
  const auto rest = static_cast<int>((ms % kMsPerDay) / 1000);  // whole seconds of the last day
  if (days < 10) out += '0';
  AppendInt(out, days);
  out += " days, ";
  AppendTwoDigits(out, rest / 3600);
  out += " hrs, ";
  AppendTwoDigits(out, rest / 60 % 60);
  out += " min, ";
  AppendTwoDigits(out, rest % 60);
  out += " sec";
}

void AppendUptimeHint(std::string& out, std::uint64_t ms) {
  AppendInt(out, ms / 60'000);
  out += " minutes\r\n";
  AppendInt(out, ms / 1000);
  out += " seconds\r\n";
  AppendInt(out, ms);
  out += " milliseconds";
}

void AppendDateTime(std::string& out, const platform::LocalDateTime& t, const platform::FormatSettings& fs) {
  out += NameAt(fs.shortDayNames, t.dayOfWeek);
  out += ", ";
  out += NameAt(fs.longMonthNames, t.month - 1);
  out += ' ';
  AppendTwoDigits(out, t.day);
  out += ", ";
  if (t.year >= 0 && t.year < 1000) out.append(t.year < 10 ? 3 : t.year < 100 ? 2 : 1, '0');
  AppendInt(out, t.year);
  out += " / ";
  AppendTwoDigits(out, t.hour);
  out += fs.timeSeparator;
  AppendTwoDigits(out, t.minute);
  out += fs.timeSeparator;
  AppendTwoDigits(out, t.second);
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
  r.dayOfWeek = static_cast<int>(((day % 7) + 11) % 7);  // 1970-01-01 was a Thursday
  r.hour = static_cast<int>(msOfDay / 3'600'000);
  r.minute = static_cast<int>(msOfDay / 60'000 % 60);
  r.second = static_cast<int>(msOfDay / 1000 % 60);
  r.millisecond = static_cast<int>(msOfDay % 1000);
  return r;
}

int SysColorIndex(int item) {
  // The system has no colour 25; the items after "Tool tip background" skip it.
  if (item < 0 || item > 27) return -1;
  return item < 25 ? item : item + 1;
}

std::vector<std::string> PrinterEntries(const std::vector<platform::PrinterInfo>& printers, bool ntFamily) {
  std::vector<std::string> entries;
  for (const platform::PrinterInfo& p : printers) {
    if (ntFamily) {
      entries.push_back(p.name);
      continue;
    }
    size_t start = 0;
    while (start <= p.ports.size()) {
      size_t end = p.ports.find(',', start);
      if (end == std::string::npos) end = p.ports.size();
      size_t first = start;
      while (first < end && p.ports[first] == ' ') ++first;
      if (first < end) entries.push_back(p.name + " on " + p.ports.substr(first, end - first));
      start = end + 1;
    }
  }
  return entries;
}

std::vector<std::string> InstalledPrinterEntries() {
  platform::OsVersion version;
  // A system that does not say which family it is is taken for the NT family, as all current ones are.
  const bool nt = !platform::QueryOsVersion(version) || version.platformId == 2;
  return PrinterEntries(platform::EnumeratePrinters(nt), nt);
}

void TFormOrvane::OtherPage_Update() {
  const std::uint64_t ms = platform::QueryTickCount();
  const platform::LocalDateTime now = platform::QueryLocalTime();
  const platform::FormatSettings& fs = formatSettings_;
  auto set = [this](widgets::Control& panel) {
    panel.SetCaption(text_);
    text_.clear();
  };
  text_.clear();

  AppendDateTime(text_, now, fs);
  set(CurTime_Panel);
  AppendUptime(text_, ms);
  set(UpTime_Panel);
  AppendUptimeHint(text_, ms);
  UpTime_Panel.SetHint(text_);
  text_.clear();
  // The start time is worked out once; later ticks would only repeat it, a millisecond off.
  if (CompStart_Panel.Tag() == 0) {
    CompStart_Panel.SetTag(1);
    AppendDateTime(text_, SubtractMilliseconds(now, ms), fs);
    set(CompStart_Panel);
  }
  platform::ScreenPoint mouse;
  if (platform::QueryCursorPos(mouse)) {
    AppendInt(text_, mouse.x);
    text_ += " x ";
    AppendInt(text_, mouse.y);
  } else {
    text_ = "n/a";
  }
  set(MouPos_Panel);
}

// Item k shows screen cursor -k; "None" and no selection show an empty picture.
void TFormOrvane::Cursor_Combo_Change(widgets::Control&) {
  SysCursor_Image.SetIcon(app_.CursorHandle(-Cursor_Combo.ItemIndex()));
}

void TFormOrvane::SysColor_ComboChange(widgets::Control&) {
  const int index = SysColorIndex(SysColor_Combo.ItemIndex());
  if (index >= 0) SysColor_Panel.SetColor(platform::QuerySysColor(index) & 0xFFFFFFu);
}
