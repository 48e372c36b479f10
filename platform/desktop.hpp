#pragma once
// What every program on the desktop shares: the mouse position and the system colours.
#include <cstdint>

namespace platform {

struct ScreenPoint {
  int x = 0;
  int y = 0;
};

// The mouse position in screen coordinates; false when it cannot be read (another desktop is
// active, for example).
bool QueryCursorPos(ScreenPoint& out);

// The colour 0x00BBGGRR of the system colour with this index (the index GetSysColor takes).
std::uint32_t QuerySysColor(int index);

}  // namespace platform
