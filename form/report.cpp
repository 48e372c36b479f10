// The report of the pages: the same probes and row formatters as the pages, written as text or as
// JSON with the typed facts beside the rows (report_json.cpp), or as Prometheus metrics
// (report_metrics.cpp); to a file or the standard output.
#include "form/report.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "form/features_page.hpp"
#include "form/memory_page.hpp"
#include "form/orvane_form.hpp"
#include "funclib/bits.hpp"
#include "funclib/datetime.hpp"
#include "funclib/format.hpp"
#include "funclib/text.hpp"
#include "orvane_version.h"
#include "platform/errors.hpp"
#include "platform/network.hpp"
#include "platform/output.hpp"

namespace {

constexpr int kKiloByteUnit = 2;  // the Disks page's default unit
constexpr int kExitFailure = 2;

// The pages' names on the command line, in tab order (bit i: page i).
constexpr std::string_view kPageNames[] = {"memory", "system", "features", "disks", "other", "winamp"};

ReportPage Page(const char* sheet, bool panels) { return {std::string(LayoutCaption(sheet)), panels, {}, {}}; }

ReportPage MemoryPage(const platform::MemoryStatus& m, const platform::FormatSettings& fs) {
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

ReportPage SystemPage(SystemReport& system, ProcessorFacts& processor, const platform::FormatSettings& fs) {
  system.facts = ProbeSystem();
  std::array<std::string, 17> values = FormatSystemValues(system.facts);
  const double hz = MeasureSystemClock();
  values[0] = ClockText(hz, fs);
  if (hz > 0) processor.clockHz = hz;
  ReportPage page = Page("Sys_Sheet", false);
  for (size_t row = 0; row < values.size(); ++row) {
    page.rows.push_back({std::string(SysRowCaptions[row])});
    if (!SysRowCaptions[row].empty()) page.rows.back().push_back(std::move(values[row]));
  }
  // What only the typed facts hold.
  platform::OsVersion os;
  if (platform::QueryOsVersion(os)) system.os = os;
  system.mac = funclib::ReadMacAddress("*");
  const platform::NetSession net;
  char host[256] = {};
  if (net.IsStarted())
    system.ipv4 = platform::QueryHostName(host, sizeof host) ? platform::ResolveAddresses(host)
                                                              : std::vector<std::string>{};
  return page;
}

ReportPage DisksPage(std::vector<DriveFacts>& drives, const platform::FormatSettings& fs) {
  ReportPage page = Page("Disk_Sheet", false);
  page.columns = LayoutColumns("Disk_ListView");
  const platform::CriticalErrorsFail quiet;  // an empty drive fails its queries, asks for no disk
  const std::uint32_t mask = platform::QueryLogicalDrives();
  for (int i = 0; i < 32; ++i) {
    if ((mask & funclib::BitMasks[i]) == 0) continue;
    drives.push_back(ProbeDrive(static_cast<char>('A' + i)));
    DriveRow drive = FormatDriveRow(drives.back(), kKiloByteUnit, fs);
    PageRow row{std::move(drive.caption)};
    for (std::string& text : drive.subItems) row.push_back(std::move(text));
    page.rows.push_back(std::move(row));
  }
  return page;
}

ReportPage OtherPage(ClockFacts& clock, std::vector<std::string>& printers, const platform::FormatSettings& fs) {
  clock = ProbeClocks();
  OtherValues v;
  FormatOtherValues(clock, true, fs, v);
  ReportPage page = Page("Misc_Sheet", true);
  page.rows = {PanelRow("UpTime_Label", v.uptime), PanelRow("CurTime_Label", v.currentTime),
               PanelRow("CompStart_Label", v.startTime), PanelRow("MouPos_Label", v.mouse)};
  printers = InstalledPrinterEntries();
  for (const std::string& printer : printers) page.rows.push_back(PanelRow("Printers_Label", printer));
  return page;
}

ReportPage WinampPage(PlayerFacts& f) {
  ReportPage page = Page("Winamp_Sheet", true);
  f = ProbePlayer();
  const bool failed = !f.answered || !f.captionRead;
  if (!f.running || (failed && !f.stillThere)) {  // none, or it quit while asked
    f.running = false;
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

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const char c = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
    if (c != b[i]) return false;
  }
  return true;
}

// "/name" or "-name" in any case; `name` in lower case.
bool IsSwitch(std::string_view arg, std::string_view name) {
  return !arg.empty() && (arg[0] == '/' || arg[0] == '-') && EqualsIgnoringCase(arg.substr(1), name);
}

// The pages of a "/pages:" list, or the name it does not know.
unsigned ParsePages(std::string_view list, std::string& unknown) {
  unsigned pages = 0;
  for (size_t start = 0;; ) {
    const size_t end = std::min(list.find(',', start), list.size());
    const std::string_view name = list.substr(start, end - start);
    unsigned bit = 0;
    for (size_t i = 0; i < std::size(kPageNames); ++i)
      if (EqualsIgnoringCase(name, kPageNames[i])) bit = 1u << i;
    if (bit == 0) {
      unknown = name;
      return 0;
    }
    pages |= bit;
    if (end == list.size()) return pages;
    start = end + 1;
  }
}

}  // namespace

ProcessorFacts ProbeProcessor() {
  ProcessorFacts p;
  p.count = platform::QueryProcessorInfo().count;
  p.cpuid = platform::CpuidAvailable();
  if (!p.cpuid) return p;
  p.leaf0 = platform::ExecuteCpuid(0);
  p.hasLeaf1 = p.leaf0.eax >= 1;
  if (p.hasLeaf1) p.leaf1 = platform::ExecuteCpuid(1);
  const std::uint32_t maxExt = platform::ExecuteCpuid(0x80000000).eax;
  p.hasExt1 = maxExt >= 0x80000001 && maxExt <= 0x8000FFFF;  // old processors echo another leaf
  if (p.hasExt1) p.ext1 = platform::ExecuteCpuid(0x80000001);
  if (p.hasExt1 && maxExt >= 0x80000004) {
    char brand[48];
    for (std::uint32_t leaf = 0; leaf < 3; ++leaf) {
      const platform::CpuidRegisters r = platform::ExecuteCpuid(0x80000002 + leaf);
      const std::uint32_t regs[] = {r.eax, r.ebx, r.ecx, r.edx};
      for (int i = 0; i < 16; ++i) brand[leaf * 16 + i] = static_cast<char>(regs[i / 4] >> (8 * (i % 4)));
    }
    p.brand = funclib::FixedText(brand);
    p.brand.erase(0, p.brand.find_first_not_of(' '));
    p.brand.erase(p.brand.find_last_not_of(' ') + 1);
  }
  return p;
}

Report ProbeReport(const platform::FormatSettings& fs, unsigned pages) {
  Report report;
  ReportFacts& facts = report.facts;
  report.time = platform::QueryLocalTime(report.utcOffsetMinutes);
  std::string computer;
  if (platform::QueryComputerName(computer, 16)) facts.computer = std::move(computer);
  if (pages & (kReportSystem | kReportFeatures)) facts.processor = ProbeProcessor();
  if (pages & kReportMemory) {
    facts.memory = platform::GetMemoryStatus();
    report.pages.push_back(MemoryPage(*facts.memory, fs));
  }
  if (pages & kReportSystem) report.pages.push_back(SystemPage(facts.system.emplace(), *facts.processor, fs));
  if (pages & kReportFeatures) {
    ReportPage features = Page("hWnd_Sheet", false);
    features.columns = LayoutColumns("CpuId_ListView");
    features.rows = FormatFeatureRows(ProbeFeatureWord());
    report.pages.push_back(std::move(features));
  }
  if (pages & kReportDisks) report.pages.push_back(DisksPage(facts.drives.emplace(), fs));
  if (pages & kReportOther) report.pages.push_back(OtherPage(facts.clock.emplace(), facts.printers.emplace(), fs));
  if (pages & kReportWinamp) report.pages.push_back(WinampPage(facts.player.emplace()));
  return report;
}

std::string ReportText(const Report& report, const platform::FormatSettings& fs) {
  std::string out = ORVANE_PRODUCT " v" ORVANE_VERSION_TEXT " report, ";
  funclib::AppendDateTime(out, report.time, fs);
  out += " (UTC";
  funclib::AppendUtcOffset(out, report.utcOffsetMinutes);
  out += ")\r\n";
  for (const ReportPage& page : report.pages) {
    out += "\r\n[" + page.title + "]\r\n";
    auto line = [&](const PageRow& row) {
      for (size_t i = 0; i < row.size(); ++i) {
        if (i > 0) out += page.panels ? ": " : "\t";
        out += row[i];
      }
      out += "\r\n";
    };
    if (!page.columns.empty()) line(page.columns);
    for (const PageRow& row : page.rows) line(row);
  }
  return out;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  using Action = CommandLine::Action;
  using Format = CommandLine::Format;
  CommandLine cl;
  bool report = false;
  const char* format = nullptr;  // the format switch given
  const char* pages = nullptr;
  const auto invalid = [&cl](std::string_view what, std::string_view subject = {}, std::string_view more = {}) {
    cl.action = Action::Invalid;
    ((cl.error = what) += subject) += more;
  };
  for (const std::string& arg : args) {
    const bool json = IsSwitch(arg, "json");
    if (IsSwitch(arg, "report")) {
      report = true;
    } else if (json || IsSwitch(arg, "prom")) {
      if (format && (cl.format == Format::Json) != json) invalid("/json and /prom cannot be given together");
      cl.format = json ? Format::Json : Format::Metrics;
      format = json ? "/json" : "/prom";
    } else if (IsSwitch(arg, "?") || IsSwitch(arg, "h") || IsSwitch(arg, "help") || EqualsIgnoringCase(arg, "--help")) {
      cl.action = Action::Usage;
      return cl;
    } else if (IsSwitch(std::string_view(arg).substr(0, 7), "pages:")) {
      std::string unknown;
      cl.pages = ParsePages(std::string_view(arg).substr(7), unknown);
      if (cl.pages == 0) invalid("unknown page \"", unknown, "\" in ");
      pages = "/pages:";
    } else if (!arg.empty() && (arg[0] == '/' || arg[0] == '-')) {
      invalid("unknown switch ");
    } else if (arg.empty()) {
      invalid("an empty file name");
    } else if (!cl.file.empty()) {
      invalid("a second file name ");
    } else {
      cl.file = arg;
    }
    if (cl.action == Action::Invalid) {
      if (!cl.error.ends_with(' ')) return cl;
      cl.error += arg;  // the argument named
      return cl;
    }
  }
  if (report)
    cl.action = Action::Report;
  else if (format || pages)  // a plain file name alone opens the window, as it always did
    invalid(format ? format : pages, " needs /report");
  return cl;
}

std::string UsageText() {
  return "Usage: Orvane [/report [/json | /prom] [/pages:LIST] [FILE]]\r\n"
         "\r\n"
         "  (none)       open the window\r\n"
         "  /report      write every page as text in UTF-8, without a window, to FILE or the\r\n"
         "               standard output\r\n"
         "  /json        with /report: one JSON document instead, the pages' rows and the typed\r\n"
         "               facts (format orvane-report/1, described by orvane-report.schema.json)\r\n"
         "  /prom        with /report: the numbers in the Prometheus text format instead\r\n"
         "  /pages:LIST  with /report: only these pages, separated by commas: memory, system,\r\n"
         "               features, disks, other, winamp; the processor clock, which takes about\r\n"
         "               two seconds to measure, only with system\r\n"
         "  /?           show this text (also /help, -h, --help)\r\n"
         "\r\n"
         "Switches may also start with - and are written in any case. FILE is written whole or not\r\n"
         "at all; a device (NUL, CON, COM1) is written directly, a read-only file is left alone.\r\n"
         "Exit code 0 on success, 2 when FILE cannot be written or an argument is wrong. In a\r\n"
         "console, \"Orvane\" runs Orvane.com, which waits for the report and returns its exit code.\r\n";
}

std::optional<int> RunCommandLine(const std::vector<std::string>& args) {
  const CommandLine cl = ParseCommandLine(args);
  switch (cl.action) {
    case CommandLine::Action::Window: return std::nullopt;
    case CommandLine::Action::Usage: platform::WriteStandardStream(platform::Stream::Output, UsageText()); return 0;
    case CommandLine::Action::Invalid:
      platform::WriteStandardStream(platform::Stream::Error, "Orvane: " + cl.error + "\r\n\r\n" + UsageText());
      return kExitFailure;
    case CommandLine::Action::Report: break;
  }
  const platform::FormatSettings fs = funclib::UserFormatSettings();
  const Report report = ProbeReport(fs, cl.pages);
  const std::string text = cl.format == CommandLine::Format::Json      ? ReportJson(report)
                           : cl.format == CommandLine::Format::Metrics ? ReportMetrics(report)
                                                                       : ReportText(report, fs);
  if (cl.file.empty()) return platform::WriteStandardStream(platform::Stream::Output, text) ? 0 : kExitFailure;
  if (const std::uint32_t error = platform::ReplaceFileWith(cl.file, text)) {
    platform::WriteStandardStream(platform::Stream::Error, "Orvane: cannot write the report to " + cl.file + ": " +
                                                               platform::SystemErrorText(error, false) + "\r\n");
    return kExitFailure;
  }
  return 0;
}
