#pragma once
// The report: every page probed once and written as text or JSON, without a window
// (`Orvane.exe /report [/json] [FILE]`).
#include <optional>
#include <string>
#include <vector>

#include "form/page_rows.hpp"
#include "platform/clock.hpp"
#include "platform/locale.hpp"

// One page of the report: its tab caption and its rows. Rows of value panels are written
// "label: value", list rows with their columns separated by tabs.
struct ReportPage {
  std::string title;
  bool panels = false;
  std::vector<PageRow> rows;
};

struct Report {
  platform::LocalDateTime time;
  std::vector<ReportPage> pages;
};

// Probes every page once. Takes a moment: the System page's clock is measured as on the page.
Report ProbeReport(const platform::FormatSettings& fs);

// The report as text in the ANSI code page, CR LF line ends.
std::string ReportText(const Report& report, const platform::FormatSettings& fs);
// The report as one JSON document in UTF-8.
std::string ReportJson(const Report& report);

// What the command line asks for.
struct CommandLine {
  enum class Action { Window, Report, Usage, Invalid } action = Action::Window;
  bool json = false;
  std::string file;  // empty: the standard output
};
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The usage text (CR LF line ends).
std::string UsageText();

// Runs what the command line asks for when that is not the window: the exit code; nothing when the
// window is to open.
std::optional<int> RunCommandLine(const std::vector<std::string>& args);
