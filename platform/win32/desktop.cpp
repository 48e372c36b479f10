#include "platform/desktop.hpp"

#include <windows.h>

namespace platform {

bool QueryCursorPos(ScreenPoint& out) {
  POINT pt;
  if (!GetCursorPos(&pt)) return false;
  out.x = pt.x;
  out.y = pt.y;
  return true;
}

std::uint32_t QuerySysColor(int index) { return GetSysColor(index); }

}  // namespace platform
