#pragma once
// The screen's current display mode.
#include <cstdint>

namespace platform {

struct DisplayMode {
  int width = 0;         // pixels
  int height = 0;        // pixels
  int bitsPerPixel = 0;
  int refreshHz = 0;     // 0 or 1 means the hardware's default rate
};

// The display mode of the screen; all zero when the screen's device context cannot be made.
DisplayMode QueryDisplayMode();

}  // namespace platform
