#pragma once
// The keyboard and the mouse as the system describes them.
#include <cstdint>

namespace platform {

// The keyboard's type number (1..7 for the known types); 0 when the system cannot tell.
int QueryKeyboardType();
// The number of function keys on the keyboard; 0 when the system cannot tell.
int QueryFunctionKeyCount();
// The number of mouse buttons; 0 when no mouse is installed.
int QueryMouseButtonCount();

}  // namespace platform
