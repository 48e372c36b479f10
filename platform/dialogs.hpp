#pragma once
// Standard dialog boxes.
#include <cstdint>
#include <string>

#include "platform/types.hpp"

namespace platform {

// Shows a modal message box owned by `owner` (0: none) with the given MB_* style bits and waits
// for the user; returns the id of the button pressed, 0 when the box could not be shown.
int RunMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                  std::uint32_t style);

}  // namespace platform
