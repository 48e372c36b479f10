#include "platform/input.hpp"

#include <windows.h>

namespace platform {

int QueryKeyboardType() { return GetKeyboardType(0); }

int QueryFunctionKeyCount() { return GetKeyboardType(2); }

int QueryMouseButtonCount() { return GetSystemMetrics(SM_CMOUSEBUTTONS); }

}  // namespace platform
