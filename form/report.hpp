#pragma once
// The report: the pages probed once and written as text, JSON or Prometheus metrics, without a
// window (`Orvane.exe /report [/json | /prom] [/pages:LIST] [FILE]`).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "form/disks_page.hpp"
#include "form/other_page.hpp"
#include "form/page_rows.hpp"
#include "form/system_page.hpp"
#include "form/winamp_page.hpp"
#include "funclib/computer.hpp"
#include "platform/clock.hpp"
#include "platform/cpu.hpp"
#include "platform/locale.hpp"
#include "platform/memory.hpp"
#include "platform/sysinfo.hpp"

// The pages a report holds: one bit per page, in tab order.
enum ReportPages : unsigned {
  kReportMemory = 1,
  kReportSystem = 2,
  kReportFeatures = 4,
  kReportDisks = 8,
  kReportOther = 16,
  kReportWinamp = 32,
  kReportAllPages = 63,
};

// One page of the report: its tab caption, the column headings of a list, and its rows. Rows of
// value panels are written "label: value", list rows with their columns separated by tabs.
struct ReportPage {
  std::string title;
  bool panels = false;
  std::vector<PageRow> rows;
  PageRow columns;  // the list's headings (text report only); empty for panels
};

// The processor as CPUID describes it. Leaves the processor does not have stay zero.
struct ProcessorFacts {
  std::uint32_t count = 0;  // logical processors, as the system counts them
  bool cpuid = false, hasLeaf1 = false, hasExt1 = false;
  platform::CpuidRegisters leaf0, leaf1, ext1;  // leaves 0, 1 and 0x80000001
  std::string brand;                           // leaves 0x80000002-4, trimmed; empty without them
  std::optional<double> clockHz;               // measured only with the System page
};
ProcessorFacts ProbeProcessor();

// The System page's facts and what only a machine reader gets besides.
struct SystemReport {
  SystemFacts facts;
  std::optional<platform::OsVersion> os;
  funclib::MacReading mac;
  std::optional<std::vector<std::string>> ipv4;  // nothing: the network could not start
};

// The typed facts of a report: the probe records themselves, for the pages it holds.
struct ReportFacts {
  std::optional<platform::MemoryStatus> memory;
  std::optional<ProcessorFacts> processor;  // with the System or Feature Flags page
  std::optional<SystemReport> system;
  std::optional<std::vector<DriveFacts>> drives;
  std::optional<ClockFacts> clock;  // with the Other page, as are the printers
  std::optional<std::vector<std::string>> printers;
  std::optional<PlayerFacts> player;
  std::string computer;  // the computer's name, for the metrics' label
};

struct Report {
  platform::LocalDateTime time;
  int utcOffsetMinutes = 0;
  std::vector<ReportPage> pages;
  ReportFacts facts;
};

// Probes the pages asked for once. With the System page it takes a moment: the processor clock
// is measured as on the page.
Report ProbeReport(const platform::FormatSettings& fs, unsigned pages = kReportAllPages);

// The report as text in UTF-8, CR LF line ends.
std::string ReportText(const Report& report, const platform::FormatSettings& fs);
// The report as one JSON document in UTF-8 (format orvane-report/1): the pages' rows and the
// typed facts.
std::string ReportJson(const Report& report);
// The numeric facts in the Prometheus text exposition format.
std::string ReportMetrics(const Report& report);

// What the command line asks for.
struct CommandLine {
  enum class Action { Window, Report, Usage, Invalid } action = Action::Window;
  enum class Format { Text, Json, Metrics } format = Format::Text;
  unsigned pages = kReportAllPages;
  std::string file;   // empty: the standard output
  std::string error;  // Invalid: what is wrong, naming the argument
};
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The usage text (CR LF line ends).
std::string UsageText();

// Runs what the command line asks for when that is not the window: the exit code; nothing when the
// window is to open.
std::optional<int> RunCommandLine(const std::vector<std::string>& args);
