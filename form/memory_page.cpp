// The Memory page: twelve figures of the system's memory and three measure counters that show how
// much free memory was gained or lost since a baseline the user can reset.
#include <cmath>

#include "form/orvane_form.hpp"
#include "funclib/format.hpp"
#include "platform/memory.hpp"

namespace {

// a - b, or 0 when the snapshot is inconsistent (more free than total): a used figure never wraps.
std::uint64_t Used(std::uint64_t total, std::uint64_t avail) { return avail < total ? total - avail : 0; }

void AppendKiB(std::string& out, double kib, const platform::FormatSettings& fs) {
  funclib::AppendNumber(out, kib, 0, fs);
  out += " k";
}

// "(p%)   n k": the share of total with one decimal, then the amount. A zero total gives 0.0%.
void AppendShareAndKiB(std::string& out, std::uint64_t part, std::uint64_t total,
                       const platform::FormatSettings& fs) {
  out += '(';
  funclib::AppendNumber(out, total ? static_cast<double>(part) / static_cast<double>(total) * 100.0 : 0.0, 1, fs);
  out += "%)   ";
  AppendKiB(out, static_cast<double>(part) / 1024.0, fs);
}

}  // namespace

void TFormOrvane::MemPage_Update() {
  const platform::MemoryStatus m = platform::GetMemoryStatus();
  const platform::FormatSettings& fs = formatSettings_;
  auto set = [this](widgets::Panel& panel) {
    panel.SetCaption(text_);
    text_.clear();
  };
  text_.clear();

  AppendKiB(text_, static_cast<double>(m.totalPhys) / 1024.0, fs);
  set(RamSize_Panel);
  AppendShareAndKiB(text_, Used(m.totalPhys, m.availPhys), m.totalPhys, fs);
  set(RamUsed_Panel);
  AppendShareAndKiB(text_, m.availPhys, m.totalPhys, fs);
  set(RamFree_Panel);
  text_ += std::to_string(m.memoryLoad);
  text_ += '%';
  set(MemLoad_Panel);
  AppendKiB(text_, static_cast<double>(m.totalPageFile) / 1024.0, fs);
  set(SwpSize_Panel);
  AppendShareAndKiB(text_, Used(m.totalPageFile, m.availPageFile), m.totalPageFile, fs);
  set(SwpUsed_Panel);
  AppendShareAndKiB(text_, m.availPageFile, m.totalPageFile, fs);
  set(SwpFree_Panel);
  AppendKiB(text_, static_cast<double>(m.totalVirtual) / 1024.0, fs);
  set(VirtualSize_Panel);
  AppendKiB(text_, static_cast<double>(Used(m.totalVirtual, m.availVirtual)) / 1024.0, fs);
  set(VirtualUsed_Panel);

  // Measure counters. The baseline (KiB, truncated) lives in the counter panel's tag; a disabled
  // reset button means "take a new baseline now". The Total button is looked at by all three
  // counters and enabled last, so a Total reset re-bases all three in the same refresh.
  const double ram = static_cast<double>(m.availPhys) / 1024.0;
  const double swap = static_cast<double>(m.availPageFile) / 1024.0;
  const double total = ram + swap;
  auto measure = [&](widgets::Panel& panel, widgets::SpeedButton& own, bool rebase, double quantity) {
    if (rebase) panel.SetTag(static_cast<std::int64_t>(std::trunc(quantity)));
    AppendKiB(text_, quantity - static_cast<double>(panel.Tag()), fs);
    set(panel);
    own.SetEnabled(true);
  };
  const bool totalPending = !TotResetMes_Spd.Enabled();
  measure(RamMes_Panel, RamResetMes_Spd, !RamResetMes_Spd.Enabled() || totalPending, ram);
  measure(SwpMes_Panel, SwpResetMes_Spd, !SwpResetMes_Spd.Enabled() || totalPending, swap);
  measure(TotMes_Panel, TotResetMes_Spd, totalPending, total);
}

void TFormOrvane::ResetMesureBtns_Click(widgets::Control& sender) { sender.SetEnabled(false); }
