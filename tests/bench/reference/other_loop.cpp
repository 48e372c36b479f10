// The Other page's live part written by hand: current time, uptime, start time (once) and mouse
// position every 10 ms in STATIC controls.
//   other_loop.exe [seconds [interval in ms]]
#include <cstdlib>
#include <string>

#include "form/other_page.hpp"
#include "funclib/format.hpp"
#include "platform/clock.hpp"
#include "tests/bench/reference/bare_window.hpp"

namespace {

HWND g_values[4];
std::string g_shown[4];
std::string g_text;
platform::FormatSettings g_fs;
bool g_started = false;

void Put(int i) {
  bare::Show(g_values[i], g_shown[i], g_text);
  g_text.clear();
}

void Tick() {
  const std::uint64_t ms = platform::QueryTickCount();
  const platform::LocalDateTime now = platform::QueryLocalTime();
  AppendDateTime(g_text, now, g_fs), Put(0);
  AppendUptime(g_text, ms), Put(1);
  if (!g_started) {
    g_started = true;
    AppendDateTime(g_text, SubtractMilliseconds(now, ms), g_fs), Put(2);
  }
  // The page reads the position once for each coordinate.
  POINT x, y;
  GetCursorPos(&x);
  GetCursorPos(&y);
  g_text += std::to_string(x.x) + " x " + std::to_string(y.y), Put(3);
}

}  // namespace

int main(int argc, char** argv) {
  g_fs = funclib::UserFormatSettings();
  HWND main = bare::MakeMain("Other loop");
  g_values[0] = bare::AddRow(main, "Current Time:", 30, 55, 146, 197);
  g_values[1] = bare::AddRow(main, "Windows Uptime:", 30, 71, 146, 197);
  g_values[2] = bare::AddRow(main, "Computer started:", 30, 87, 146, 197);
  g_values[3] = bare::AddRow(main, "Mouse positions:", 30, 180, 154, 193);
  return bare::Run(main, Tick, argc > 1 ? std::atoi(argv[1]) : 0, argc > 2 ? std::atoi(argv[2]) : 10);
}
