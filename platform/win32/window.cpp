#include "platform/window.hpp"

#include <windows.h>

namespace platform {

bool SetWindowTopmost(WindowHandle window, bool topmost) {
  return SetWindowPos(reinterpret_cast<HWND>(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                      SWP_NOMOVE | SWP_NOSIZE) != 0;
}

}  // namespace platform
