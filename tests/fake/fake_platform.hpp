#pragma once
// The scriptable stand-in for the platform layer that the host unit tests link against. Tests set
// what the "system" answers in Fake() and read back what the program asked of it.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/locale.hpp"
#include "platform/memory.hpp"
#include "platform/types.hpp"
#include "tests/fake/fake_clipboard.hpp"
#include "tests/fake/fake_clock.hpp"
#include "tests/fake/fake_cpu.hpp"
#include "tests/fake/fake_desktop.hpp"
#include "tests/fake/fake_disks.hpp"
#include "tests/fake/fake_dialogs.hpp"
#include "tests/fake/fake_files.hpp"
#include "tests/fake/fake_fonts.hpp"
#include "tests/fake/fake_input.hpp"
#include "tests/fake/fake_network.hpp"
#include "tests/fake/fake_printers.hpp"
#include "tests/fake/fake_shell.hpp"
#include "tests/fake/fake_sysinfo.hpp"
#include "tests/fake/fake_window.hpp"
#include "tests/fake/fake_tray.hpp"

namespace fake {

// The report's standard streams and every file it wrote, by path; `fileError`: the system error
// every file write fails with (0: they work).
struct Output {
  std::string standardOutput, standardError;
  std::map<std::string, std::string> files;
  bool streamsWork = true;
  std::uint32_t fileError = 0;
};

struct Platform {
  platform::FormatSettings format;
  int formatReads = 0;
  platform::MemoryStatus memory;
  int memoryReads = 0;
  // Every SetWindowTopmost call: window and whether it asked for topmost.
  std::vector<std::pair<platform::WindowHandle, bool>> topmostCalls;
  Clipboard clipboard;
  Dialogs dialogs;
  Shell shell;
  Fonts fonts;
  SysInfo sysinfo;
  Network network;
  Cpu cpu;
  Files files;
  Input input;
  Display display;
  Player player;
  Tray tray;
  Disks disks;
  Clock clock;
  Desktop desktop;
  Printers printers;
  Output output;
  std::uint32_t lastError = 0;  // what the last failed call left
};

// The one fake system of the test process.
Platform& Fake();
// Back to the defaults: an English locale, nothing recorded.
void ResetFake();

}  // namespace fake
