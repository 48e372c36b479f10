#include "platform/display.hpp"

#include <windows.h>

namespace platform {

DisplayMode QueryDisplayMode() {
  DisplayMode mode;
  HDC dc = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
  if (!dc) return mode;
  mode.width = GetDeviceCaps(dc, HORZRES);
  mode.height = GetDeviceCaps(dc, VERTRES);
  mode.bitsPerPixel = GetDeviceCaps(dc, BITSPIXEL);
  mode.refreshHz = GetDeviceCaps(dc, VREFRESH);
  DeleteDC(dc);
  return mode;
}

}  // namespace platform
