#pragma once
// Standard dialog boxes.
#include <cstdint>
#include <string>

#include "platform/types.hpp"

namespace platform {

// Message-box style bits (MB_*) the program uses.
inline constexpr std::uint32_t kMbOk = 0x00000000;
inline constexpr std::uint32_t kMbIconExclamation = 0x00000030;
inline constexpr std::uint32_t kMbSetForeground = 0x00010000;

// Shows a modal message box owned by `owner` (0: none) with the given MB_* style bits and waits
// for the user; returns the id of the button pressed, 0 when the box could not be shown.
int RunMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                  std::uint32_t style);

}  // namespace platform
