#include "platform/dialogs.hpp"

#include <windows.h>

namespace platform {

int RunMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                  std::uint32_t style) {
  return MessageBoxA(reinterpret_cast<HWND>(owner), text.c_str(), caption.c_str(), style);
}

}  // namespace platform
