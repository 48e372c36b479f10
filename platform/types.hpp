#pragma once
// Plain stand-ins for the operating system's handle types, so that headers above the platform
// layer never need <windows.h>. A value of 0 means "no handle".
#include <cstdint>

namespace platform {

using WindowHandle = std::uintptr_t;  // HWND
using IconHandle = std::uintptr_t;    // HICON (also HCURSOR)
using FontHandle = std::uintptr_t;    // HFONT

}  // namespace platform
