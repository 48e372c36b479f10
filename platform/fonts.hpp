#pragma once
// Fonts the system recommends.
#include "platform/types.hpp"

namespace platform {

// A new font as the desktop uses for icon titles; 0 on failure. The caller owns it.
FontHandle CreateIconTitleFont();
// Frees a font the caller owns; 0 is ignored.
void DestroyFont(FontHandle font);

}  // namespace platform
