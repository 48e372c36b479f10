// The Memory page: twelve figures of the system's memory and three measure counters that show how
// much free memory was gained or lost since a baseline the user can reset.
#include "form/memory_page.hpp"

#include <cmath>

#include "form/orvane_form.hpp"
#include "funclib/format.hpp"

const std::array<const char*, 12> MemoryLabelNames{
    "RamSize_Label",     "RamUsed_Label",     "RamFree_Label", "MemLoad_Label", "SwpSize_Label", "SwpUsed_Label",
    "SwpFree_Label",     "VirtualSize_Label", "VirtualUsed_Label", "RamMes_Label", "SwpMes_Label", "TotMes_Label"};

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

double KiB(std::uint64_t bytes) { return static_cast<double>(bytes) / 1024.0; }

}  // namespace

std::array<double, 3> MeasuredKiB(const platform::MemoryStatus& m) {
  const double ram = KiB(m.availPhys), swap = KiB(m.availPageFile);
  return {ram, swap, ram + swap};
}

void FormatMemoryValues(const platform::MemoryStatus& m, const std::array<std::int64_t, 3>& baselines,
                        const platform::FormatSettings& fs, MemoryValues& out) {
  for (std::string& s : out) s.clear();
  AppendKiB(out[0], KiB(m.totalPhys), fs);
  AppendShareAndKiB(out[1], Used(m.totalPhys, m.availPhys), m.totalPhys, fs);
  AppendShareAndKiB(out[2], m.availPhys, m.totalPhys, fs);
  out[3] += std::to_string(m.memoryLoad);
  out[3] += '%';
  AppendKiB(out[4], KiB(m.totalPageFile), fs);
  AppendShareAndKiB(out[5], Used(m.totalPageFile, m.availPageFile), m.totalPageFile, fs);
  AppendShareAndKiB(out[6], m.availPageFile, m.totalPageFile, fs);
  AppendKiB(out[7], KiB(m.totalVirtual), fs);
  AppendKiB(out[8], KiB(Used(m.totalVirtual, m.availVirtual)), fs);
  const std::array<double, 3> measured = MeasuredKiB(m);
  for (size_t i = 0; i < 3; ++i) AppendKiB(out[9 + i], measured[i] - static_cast<double>(baselines[i]), fs);
}

void TFormOrvane::MemPage_Update() {
  const platform::MemoryStatus m = platform::GetMemoryStatus();

  // Measure counters. The baseline (KiB, truncated) lives in the counter panel's tag; a disabled
  // reset button means "take a new baseline now". The Total button is looked at by all three
  // counters and enabled last, so a Total reset re-bases all three in the same refresh.
  widgets::Panel* counters[] = {&RamMes_Panel, &SwpMes_Panel, &TotMes_Panel};
  widgets::SpeedButton* resets[] = {&RamResetMes_Spd, &SwpResetMes_Spd, &TotResetMes_Spd};
  const bool totalPending = !TotResetMes_Spd.Enabled();
  const std::array<double, 3> measured = MeasuredKiB(m);
  std::array<std::int64_t, 3> baselines;
  for (size_t i = 0; i < 3; ++i) {
    if (!resets[i]->Enabled() || totalPending) counters[i]->SetTag(static_cast<std::int64_t>(std::trunc(measured[i])));
    baselines[i] = counters[i]->Tag();
  }

  FormatMemoryValues(m, baselines, formatSettings_, memValues_);
  widgets::Panel* panels[] = {&RamSize_Panel, &RamUsed_Panel,     &RamFree_Panel,     &MemLoad_Panel,
                              &SwpSize_Panel, &SwpUsed_Panel,     &SwpFree_Panel,     &VirtualSize_Panel,
                              &VirtualUsed_Panel, counters[0], counters[1], counters[2]};
  for (size_t i = 0; i < memValues_.size(); ++i) panels[i]->SetCaption(memValues_[i]);
  for (widgets::SpeedButton* reset : resets) reset->SetEnabled(true);
}

void TFormOrvane::ResetMesureBtns_Click(widgets::Control& sender) { sender.SetEnabled(false); }
