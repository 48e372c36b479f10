#include "platform/window.hpp"

#include <windows.h>

namespace platform {

bool SetWindowTopmost(WindowHandle window, bool topmost) {
  return SetWindowPos(reinterpret_cast<HWND>(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                      SWP_NOMOVE | SWP_NOSIZE) != 0;
}

WindowHandle FindWindowOfClass(const char* className) {
  return reinterpret_cast<WindowHandle>(FindWindowA(className, nullptr));
}

bool IsExistingWindow(WindowHandle window) { return window && IsWindow(reinterpret_cast<HWND>(window)); }

std::optional<std::int32_t> SendMessageWithin(WindowHandle window, std::uint32_t message, std::int32_t wParam,
                                              std::int32_t lParam, std::uint32_t timeoutMs) {
  DWORD_PTR reply = 0;
  // Without SMTO_BLOCK our thread still handles messages sent to it while it waits.
  if (!SendMessageTimeoutA(reinterpret_cast<HWND>(window), message, static_cast<WPARAM>(static_cast<DWORD>(wParam)),
                           static_cast<LPARAM>(lParam), SMTO_ABORTIFHUNG, timeoutMs, &reply))
    return std::nullopt;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(reply));
}

bool GetWindowCaptionWithin(WindowHandle window, char* buffer, std::size_t size, std::uint32_t timeoutMs) {
  DWORD_PTR copied = 0;  // the other program's word; unused
  return size != 0 && SendMessageTimeoutA(reinterpret_cast<HWND>(window), WM_GETTEXT, static_cast<WPARAM>(size),
                                          reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, timeoutMs, &copied) != 0;
}

}  // namespace platform
