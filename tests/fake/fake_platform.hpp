#pragma once
// The scriptable stand-in for the platform layer that the host unit tests link against. Tests set
// what the "system" answers in Fake() and read back what the program asked of it.
#include <utility>
#include <vector>

#include "platform/locale.hpp"
#include "platform/memory.hpp"
#include "platform/types.hpp"

namespace fake {

struct Platform {
  platform::FormatSettings format;
  platform::MemoryStatus memory;
  int memoryReads = 0;
  // Every SetWindowTopmost call: window and whether it asked for topmost.
  std::vector<std::pair<platform::WindowHandle, bool>> topmostCalls;
};

// The one fake system of the test process.
Platform& Fake();
// Back to the defaults: an English locale, nothing recorded.
void ResetFake();

}  // namespace fake
