// The report of every page: the same probes and row formatters as the pages, written as text or
// JSON to a file or the standard output.
#include "form/report.hpp"

#include <array>
#include <cmath>

#include "form/disks_page.hpp"
#include "form/features_page.hpp"
#include "form/memory_page.hpp"
#include "form/orvane_form.hpp"
#include "form/other_page.hpp"
#include "form/system_page.hpp"
#include "form/winamp_page.hpp"
#include "funclib/bits.hpp"
#include "funclib/datetime.hpp"
#include "funclib/format.hpp"
#include "funclib/text.hpp"
#include "orvane_version.h"
#include "platform/output.hpp"

namespace {

constexpr int kKiloByteUnit = 2;  // the Disks page's default unit
constexpr int kExitFailure = 2;

ReportPage Page(const char* sheet, bool panels) { return {std::string(LayoutCaption(sheet)), panels, {}}; }

ReportPage MemoryPage(const platform::FormatSettings& fs) {
  const platform::MemoryStatus m = platform::GetMemoryStatus();
  // The counters start from this very reading, as they do when the window opens.
  const std::array<double, 3> measured = MeasuredKiB(m);
  std::array<std::int64_t, 3> baselines;
  for (size_t i = 0; i < 3; ++i) baselines[i] = static_cast<std::int64_t>(std::trunc(measured[i]));
  MemoryValues values;
  FormatMemoryValues(m, baselines, fs, values);
  ReportPage page = Page("Mem_Sheet", true);
  for (size_t i = 0; i < values.size(); ++i) page.rows.push_back(PanelRow(MemoryLabelNames[i], values[i]));
  return page;
}

ReportPage SystemPage(const platform::FormatSettings& fs) {
  std::array<std::string, 17> values = FormatSystemValues(ProbeSystem());
  values[0] = ClockText(MeasureSystemClock(), fs);
  ReportPage page = Page("Sys_Sheet", false);
  for (size_t row = 0; row < values.size(); ++row) {
    page.rows.push_back({std::string(SysRowCaptions[row])});
    if (!SysRowCaptions[row].empty()) page.rows.back().push_back(std::move(values[row]));
  }
  return page;
}

ReportPage DisksPage(const platform::FormatSettings& fs) {
  ReportPage page = Page("Disk_Sheet", false);
  const platform::CriticalErrorsFail quiet;  // an empty drive fails its queries, asks for no disk
  const std::uint32_t mask = platform::QueryLogicalDrives();
  for (int i = 0; i < 32; ++i) {
    if ((mask & funclib::BitMasks[i]) == 0) continue;
    DriveRow drive = FormatDriveRow(ProbeDrive(static_cast<char>('A' + i)), kKiloByteUnit, fs);
    PageRow row{std::move(drive.caption)};
    for (std::string& text : drive.subItems) row.push_back(std::move(text));
    page.rows.push_back(std::move(row));
  }
  return page;
}

ReportPage OtherPage(const platform::FormatSettings& fs) {
  OtherValues v;
  FormatOtherValues(ProbeClocks(), true, fs, v);
  ReportPage page = Page("Misc_Sheet", true);
  page.rows = {PanelRow("UpTime_Label", v.uptime), PanelRow("CurTime_Label", v.currentTime),
               PanelRow("CompStart_Label", v.startTime), PanelRow("MouPos_Label", v.mouse)};
  for (std::string& printer : InstalledPrinterEntries()) page.rows.push_back(PanelRow("Printers_Label", printer));
  return page;
}

ReportPage WinampPage() {
  ReportPage page = Page("Winamp_Sheet", true);
  const PlayerFacts f = ProbePlayer();
  const bool failed = !f.answered || !f.captionRead;
  if (!f.running || (failed && !f.stillThere)) {  // none, or it quit while asked
    page.rows.push_back({"No player running"});
  } else if (failed) {
    page.rows.push_back({std::string(LayoutCaption("Winamp_GrpBox")), "Error occured!"});
  } else {
    PlayerRows r = FormatPlayerRows(f.replies, f.caption);
    page.rows = {PanelRow("WaVers_Label", r.version),     PanelRow("CurAction_Label", r.action),
                 PanelRow("WaCaption_Label", r.caption),  PanelRow("SongTitle_Label", r.title),
                 PanelRow("SongPos_Label", r.position),  PanelRow("PLPos1_Label", r.playlist)};
  }
  return page;
}

void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          out += "\\u";
          funclib::AppendHex(out, static_cast<unsigned char>(c), 4);
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

bool IsSwitch(const std::string& arg, std::string_view name) {
  if (arg.size() != name.size() + 1 || (arg[0] != '/' && arg[0] != '-')) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    const char c = arg[i + 1];
    if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != name[i]) return false;
  }
  return true;
}

}  // namespace

Report ProbeReport(const platform::FormatSettings& fs) {
  Report report;
  report.time = platform::QueryLocalTime();
  report.pages.push_back(MemoryPage(fs));
  report.pages.push_back(SystemPage(fs));
  ReportPage features = Page("hWnd_Sheet", false);
  features.rows = FormatFeatureRows(ProbeFeatureWord());
  report.pages.push_back(std::move(features));
  report.pages.push_back(DisksPage(fs));
  report.pages.push_back(OtherPage(fs));
  report.pages.push_back(WinampPage());
  return report;
}

std::string ReportText(const Report& report, const platform::FormatSettings& fs) {
  std::string out = ORVANE_PRODUCT " v" ORVANE_VERSION_TEXT " report, ";
  funclib::AppendDateTime(out, report.time, fs);
  out += "\r\n";
  for (const ReportPage& page : report.pages) {
    out += "\r\n[" + page.title + "]\r\n";
    for (const PageRow& row : page.rows) {
      for (size_t i = 0; i < row.size(); ++i) {
        if (i > 0) out += page.panels ? ": " : "\t";
        out += row[i];
      }
      out += "\r\n";
    }
  }
  return out;
}

std::string ReportJson(const Report& report) {
  std::string out = "{\"program\": ";
  AppendJsonString(out, ORVANE_PRODUCT);
  out += ", \"version\": ";
  AppendJsonString(out, ORVANE_VERSION_TEXT);
  out += ", \"time\": \"";
  funclib::AppendIsoDateTime(out, report.time);
  out += "\", \"pages\": [";
  for (size_t p = 0; p < report.pages.size(); ++p) {
    const ReportPage& page = report.pages[p];
    out += p ? ",\n  {\"title\": " : "\n  {\"title\": ";
    AppendJsonString(out, platform::AnsiToUtf8(page.title));
    out += ", \"rows\": [";
    for (size_t r = 0; r < page.rows.size(); ++r) {
      out += r ? ",\n    [" : "\n    [";
      for (size_t c = 0; c < page.rows[r].size(); ++c) {
        if (c) out += ", ";
        AppendJsonString(out, platform::AnsiToUtf8(page.rows[r][c]));
      }
      out += ']';
    }
    out += "]}";
  }
  out += "]}\n";
  return out;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  using Action = CommandLine::Action;
  CommandLine cl;
  bool report = false;
  for (const std::string& arg : args) {
    if (IsSwitch(arg, "report")) {
      report = true;
    } else if (IsSwitch(arg, "json")) {
      cl.json = true;
    } else if (IsSwitch(arg, "?")) {
      cl.action = Action::Usage;
      return cl;
    } else if (!arg.empty() && (arg[0] == '/' || arg[0] == '-')) {
      cl.action = Action::Invalid;
      return cl;
    } else if (cl.file.empty() && !arg.empty()) {
      cl.file = arg;
    } else {
      cl.action = Action::Invalid;  // a second file, or an empty name
      return cl;
    }
  }
  // Without /report a file name means nothing: the program took no arguments before.
  if (report)
    cl.action = Action::Report;
  else if (cl.json)
    cl.action = Action::Invalid;
  return cl;
}

std::string UsageText() {
  return "Usage: Orvane.exe [/report [/json] [FILE]]\r\n"
         "\r\n"
         "  (none)   open the window\r\n"
         "  /report  write every page as text, without a window, to FILE or the standard output;\r\n"
         "           it takes a few seconds while the processor clock is measured\r\n"
         "  /json    with /report: write one JSON document in UTF-8 instead\r\n"
         "  /?       show this text\r\n"
         "\r\n"
         "Switches may also start with - and are written in any case. Exit code 0 on success, 2 when\r\n"
         "FILE cannot be written or a switch is unknown.\r\n";
}

std::optional<int> RunCommandLine(const std::vector<std::string>& args) {
  const CommandLine cl = ParseCommandLine(args);
  switch (cl.action) {
    case CommandLine::Action::Window: return std::nullopt;
    case CommandLine::Action::Usage: platform::WriteStandardStream(platform::Stream::Output, UsageText()); return 0;
    case CommandLine::Action::Invalid:
      platform::WriteStandardStream(platform::Stream::Error, UsageText());
      return kExitFailure;
    case CommandLine::Action::Report: break;
  }
  const platform::FormatSettings fs = funclib::UserFormatSettings();
  const Report report = ProbeReport(fs);
  const std::string text = cl.json ? ReportJson(report) : ReportText(report, fs);
  if (cl.file.empty()) {
    return platform::WriteStandardStream(platform::Stream::Output, text) ? 0 : kExitFailure;
  }
  if (!platform::ReplaceFileWith(cl.file, text)) {
    platform::WriteStandardStream(platform::Stream::Error, "Orvane: cannot write the report to " + cl.file + "\r\n");
    return kExitFailure;
  }
  return 0;
}
