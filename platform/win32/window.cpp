#include "platform/window.hpp"

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "platform/utf.hpp"

namespace platform {

bool SetWindowTopmost(WindowHandle window, bool topmost) {
  return SetWindowPos(reinterpret_cast<HWND>(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                      SWP_NOMOVE | SWP_NOSIZE) != 0;
}

WindowHandle FindWindowOfClass(const char* className) {
  // Asked on every tick of a live page with the same name: converted once, not per call.
  static std::string lastName;
  static std::wstring wideName;
  if (lastName != className) {
    lastName = className;
    wideName = Utf8ToUtf16(lastName);
  }
  return reinterpret_cast<WindowHandle>(FindWindowW(wideName.c_str(), nullptr));
}

bool IsExistingWindow(WindowHandle window) { return window && IsWindow(reinterpret_cast<HWND>(window)); }

std::optional<std::int32_t> SendMessageWithin(WindowHandle window, std::uint32_t message, std::int32_t wParam,
                                              std::int32_t lParam, std::uint32_t timeoutMs) {
  DWORD_PTR reply = 0;
  // Without SMTO_BLOCK our thread still handles messages sent to it while it waits.
  if (!SendMessageTimeoutW(reinterpret_cast<HWND>(window), message, static_cast<WPARAM>(static_cast<DWORD>(wParam)),
                           static_cast<LPARAM>(lParam), SMTO_ABORTIFHUNG, timeoutMs, &reply))
    return std::nullopt;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(reply));
}

bool GetWindowCaptionWithin(WindowHandle window, std::string& caption, std::size_t maxChars, std::uint32_t timeoutMs) {
  caption.clear();
  if (maxChars == 0) return false;
  // On the stack for a caption of the usual size: asked on every tick.
  wchar_t local[512];
  std::wstring large;
  wchar_t* buffer = local;
  if (maxChars > std::size(local)) {
    large.resize(maxChars);
    buffer = large.data();
  }
  std::fill_n(buffer, maxChars, L'\0');  // what the other program leaves untouched reads as the end
  DWORD_PTR copied = 0;  // the other program's word; unused
  if (!SendMessageTimeoutW(reinterpret_cast<HWND>(window), WM_GETTEXT, static_cast<WPARAM>(maxChars),
                           reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, timeoutMs, &copied))
    return false;
  AppendUtf8(caption, std::wstring_view(buffer, BoundedLength(buffer, maxChars - 1)));
  return true;
}

}  // namespace platform
