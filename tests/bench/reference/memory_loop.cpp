// The Memory page written by hand: the same twelve texts every 10 ms in STATIC controls.
//   memory_loop.exe [seconds [interval in ms]]
#include <cstdlib>
#include <string>

#include "funclib/format.hpp"
#include "platform/memory.hpp"
#include "tests/bench/reference/bare_window.hpp"

namespace {

const char* const kLabels[12] = {"Total physical RAM size:", "Used physical RAM:",  "Free physical RAM:",
                                 "Memory load:",            "Total/Max SWAP file size:", "Used of Max SWAP file:",
                                 "Free of Max SWAP file:",  "Total virtual size:", "Used virtual size:",
                                 "RAM Measure:",            "SWAP Measure:",       "Total Memory Measure:"};
const int kTops[12] = {13, 29, 45, 61, 85, 101, 117, 141, 157, 181, 197, 213};

HWND g_values[12];
std::string g_shown[12];
std::string g_text;
platform::FormatSettings g_fs;
double g_base[3];
bool g_based = false;

std::uint64_t Used(std::uint64_t total, std::uint64_t avail) { return avail < total ? total - avail : 0; }

void Kib(double kib) {
  funclib::AppendNumber(g_text, kib, 0, g_fs);
  g_text += " k";
}
void Share(std::uint64_t part, std::uint64_t total) {
  g_text += '(';
  funclib::AppendNumber(g_text, total ? static_cast<double>(part) / static_cast<double>(total) * 100.0 : 0.0, 1, g_fs);
  g_text += "%)   ";
  Kib(static_cast<double>(part) / 1024.0);
}
void Put(int i) {
  bare::Show(g_values[i], g_shown[i], g_text);
  g_text.clear();
}

void Tick() {
  const platform::MemoryStatus m = platform::GetMemoryStatus();
  Kib(static_cast<double>(m.totalPhys) / 1024.0), Put(0);
  Share(Used(m.totalPhys, m.availPhys), m.totalPhys), Put(1);
  Share(m.availPhys, m.totalPhys), Put(2);
  g_text += std::to_string(m.memoryLoad) + "%", Put(3);
  Kib(static_cast<double>(m.totalPageFile) / 1024.0), Put(4);
  Share(Used(m.totalPageFile, m.availPageFile), m.totalPageFile), Put(5);
  Share(m.availPageFile, m.totalPageFile), Put(6);
  Kib(static_cast<double>(m.totalVirtual) / 1024.0), Put(7);
  Kib(static_cast<double>(Used(m.totalVirtual, m.availVirtual)) / 1024.0), Put(8);
  const double now[3] = {static_cast<double>(m.availPhys) / 1024.0, static_cast<double>(m.availPageFile) / 1024.0,
                         static_cast<double>(m.availPhys) / 1024.0 + static_cast<double>(m.availPageFile) / 1024.0};
  for (int i = 0; i < 3; ++i) {
    if (!g_based) g_base[i] = static_cast<double>(static_cast<std::int64_t>(now[i]));
    Kib(now[i] - g_base[i]), Put(9 + i);
  }
  g_based = true;
}

}  // namespace

int main(int argc, char** argv) {
  g_fs = funclib::UserFormatSettings();
  HWND main = bare::MakeMain("Memory loop");
  for (int i = 0; i < 12; ++i) g_values[i] = bare::AddRow(main, kLabels[i], 30, 38 + kTops[i], 174, i < 9 ? 165 : 149);
  return bare::Run(main, Tick, argc > 1 ? std::atoi(argv[1]) : 0, argc > 2 ? std::atoi(argv[2]) : 10);
}
