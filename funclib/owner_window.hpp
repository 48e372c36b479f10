#pragma once
// The window that owns the library's message boxes, clipboard access and shell calls. 0 (no
// owner) until the main window sets it to the application's window as its first start-up step.
#include "platform/types.hpp"

namespace funclib {

extern platform::WindowHandle OwnerWindow;

}  // namespace funclib
