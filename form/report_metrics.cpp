// The report as Prometheus metrics: the numeric facts in the text exposition format, for the
// textfile collector of a node or Windows exporter.
#include "form/report.hpp"
#include "form/report_writers.hpp"
#include "orvane_version.h"

namespace {

// A Prometheus label value: backslash, quote and line feed escaped.
void AppendLabel(std::string& out, const char* name, std::string_view value) {
  out += out.empty() ? "" : ",";
  out += name;
  out += "=\"";
  for (const char c : value) {
    if (c == '\\' || c == '"' || c == '\n') out += '\\';
    out += c == '\n' ? 'n' : c;
  }
  out += '"';
}

// Writes gauges in the text exposition format: a family's HELP and TYPE lines before its first
// sample, each sample's value a count of 10^-decimals units.
struct Metrics {
  std::string out;
  std::string_view family;

  void Sample(const char* name, const char* help, std::string_view labels, std::uint64_t units, int decimals = 0) {
    if (name != family) {
      family = name;
      ((out += "# HELP ") += name) += ' ';
      ((out += help) += "\n# TYPE ") += name;
      out += " gauge\n";
    }
    out += name;
    if (!labels.empty()) (out += '{').append(labels) += '}';
    out += ' ';
    std::uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    AppendInt(out, static_cast<std::int64_t>(units / scale));
    if (decimals > 0) {
      out += '.';
      const size_t at = out.size();
      AppendInt(out, static_cast<std::int64_t>(units % scale + scale));
      out.erase(at, 1);  // the leading 1 of scale: the fraction keeps its zeros
    }
    out += '\n';
  }
};

}  // namespace

std::string ReportMetrics(const Report& report) {
  const ReportFacts& facts = report.facts;
  Metrics m;
  std::string labels;
  AppendLabel(labels, "version", ORVANE_VERSION_TEXT);
  AppendLabel(labels, "computer", facts.computer);
  m.Sample("orvane_info", "The program's version and the computer's name.", labels, 1);
  if (const auto& s = facts.memory) {
    m.Sample("orvane_memory_physical_total_bytes", "Physical memory.", {}, s->totalPhys);
    m.Sample("orvane_memory_physical_available_bytes", "Free physical memory.", {}, s->availPhys);
    m.Sample("orvane_memory_commit_limit_bytes", "Memory the system can commit: RAM and page files.", {},
             s->totalPageFile);
    m.Sample("orvane_memory_commit_available_bytes", "Memory the system can still commit.", {}, s->availPageFile);
    m.Sample("orvane_memory_load_ratio", "Share of physical memory in use, as the system rates it.", {},
             s->memoryLoad, 2);
  }
  if (facts.clock) m.Sample("orvane_uptime_seconds", "Time since the system started.", {}, facts.clock->uptimeMs, 3);
  if (const auto& p = facts.processor) {
    m.Sample("orvane_processors", "Logical processors.", {}, p->count);
    if (p->clockHz)
      m.Sample("orvane_processor_clock_hertz", "The processor's clock, measured.", {},
               static_cast<std::uint64_t>(*p->clockHz + 0.5));
  }
  for (int free = 0; free < 2 && facts.drives; ++free) {
    for (const DriveFacts& d : *facts.drives) {
      if (!d.spaceRead) continue;
      labels.clear();
      AppendLabel(labels, "drive", std::string{d.letter, ':'});
      AppendLabel(labels, "label", d.volume.label);
      AppendLabel(labels, "fs", d.volume.fileSystem);
      if (free)
        m.Sample("orvane_drive_free_bytes", "Free space on the drive's volume for this user.", labels, d.freeToCaller);
      else
        m.Sample("orvane_drive_size_bytes", "Size of the drive's volume.", labels, d.total);
    }
  }
  if (const auto& player = facts.player) {
    const bool answering = player->running && player->answered && player->captionRead;
    const char* state = answering ? PlayState(player->replies.state) : nullptr;
    for (const char* name : {"playing", "paused", "stopped"}) {
      labels.clear();
      AppendLabel(labels, "state", name);
      m.Sample("orvane_player_state", "The player's state: 1 for the one it is in.", labels,
               state && std::string_view(state) == name);
    }
  }
  return m.out;
}
