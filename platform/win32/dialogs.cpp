#include "platform/dialogs.hpp"

#include <windows.h>

#include "platform/utf.hpp"

namespace platform {

int RunMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                  std::uint32_t style) {
  return MessageBoxW(reinterpret_cast<HWND>(owner), Utf8ToUtf16(text).c_str(), Utf8ToUtf16(caption).c_str(), style);
}

}  // namespace platform
