// The Other page: uptime, times, mouse position, system colours, printers and cursors.
#include "form/other_page.hpp"

#include <charconv>

#include "form/orvane_form.hpp"
#include "funclib/text.hpp"
#include "platform/desktop.hpp"
#include "platform/sysinfo.hpp"

namespace {

constexpr std::uint64_t kMsPerDay = 86'400'000;

template <class Int>
void AppendInt(std::string& out, Int value) {
  char buf[24];
  const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
  out.append(buf, end);
}

}  // namespace

void AppendUptime(std::string& out, std::uint64_t ms) {
  const std::uint64_t days = ms / kMsPerDay;
  const std::uint64_t rest = (ms % kMsPerDay) / 1000;  // whole seconds of the last day
  funclib::AppendTwoDigits(out, days);
  out += " days, ";
  funclib::AppendTwoDigits(out, rest / 3600);
  out += " hrs, ";
  funclib::AppendTwoDigits(out, rest / 60 % 60);
  out += " min, ";
  funclib::AppendTwoDigits(out, rest % 60);
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

ClockFacts ProbeClocks() {
  ClockFacts f;
  f.uptimeMs = platform::QueryTickCount();
  f.now = platform::QueryLocalTime();
  f.mouseKnown = platform::QueryCursorPos(f.mouse);
  return f;
}

void FormatOtherValues(const ClockFacts& f, bool withStartTime, const platform::FormatSettings& fs,
                       OtherValues& out) {
  out.currentTime.clear();
  AppendDateTime(out.currentTime, f.now, fs);
  out.uptime.clear();
  AppendUptime(out.uptime, f.uptimeMs);
  out.uptimeHint.clear();
  AppendUptimeHint(out.uptimeHint, f.uptimeMs);
  out.startTime.clear();
  if (withStartTime) AppendDateTime(out.startTime, SubtractMilliseconds(f.now, f.uptimeMs), fs);
  out.mouse.clear();
  if (f.mouseKnown) {
    AppendInt(out.mouse, f.mouse.x);
    out.mouse += " x ";
    AppendInt(out.mouse, f.mouse.y);
  } else {
    out.mouse = "n/a";
  }
}

void TFormOrvane::OtherPage_Update() {
  // The start time is worked out once; later ticks would only repeat it, a millisecond off.
  const bool firstTime = CompStart_Panel.Tag() == 0;
  FormatOtherValues(ProbeClocks(), firstTime, formatSettings_, otherValues_);
  CurTime_Panel.SetCaption(otherValues_.currentTime);
  UpTime_Panel.SetCaption(otherValues_.uptime);
  UpTime_Panel.SetHint(otherValues_.uptimeHint);
  if (firstTime) {
    CompStart_Panel.SetTag(1);
    CompStart_Panel.SetCaption(otherValues_.startTime);
  }
  MouPos_Panel.SetCaption(otherValues_.mouse);
}

// Item k shows screen cursor -k; "None" and no selection show an empty picture.
void TFormOrvane::Cursor_Combo_Change(widgets::Control&) {
  SysCursor_Image.SetIcon(app_.CursorHandle(-Cursor_Combo.ItemIndex()));
}

void TFormOrvane::SysColor_ComboChange(widgets::Control&) {
  const int index = SysColorIndex(SysColor_Combo.ItemIndex());
  if (index >= 0) SysColor_Panel.SetColor(platform::QuerySysColor(index) & 0xFFFFFFu);
}
