#pragma once
// Operations on our own windows.
#include "platform/types.hpp"

namespace platform {

// Puts the window above all non-topmost windows (topmost) or back among them; position and size
// stay. False when the system refused.
bool SetWindowTopmost(WindowHandle window, bool topmost);

}  // namespace platform
