#include "platform/tray.hpp"

#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <iterator>
#include <string>

#include "platform/utf.hpp"

namespace platform {
namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

// The procedure that replaces the class's DefWindowProcW once the window exists: hands every
// message to the window's callback, then lets the default handling answer it.
LRESULT CALLBACK MessageWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* callback = reinterpret_cast<MessageCallback*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (callback && *callback) {
    try {
      (*callback)(message, wParam, lParam);
    } catch (...) {
      // Nothing may cross back into the system.
    }
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    delete callback;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

WindowHandle CreateMessageWindow(const std::string& className, const std::string& title, MessageCallback callback) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  const std::wstring wideClass = Utf8ToUtf16(className);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.lpszClassName = wideClass.c_str();
  RegisterClassExW(&wc);
  HWND hwnd = CreateWindowExW(0, wideClass.c_str(), Utf8ToUtf16(title).c_str(), WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, instance, nullptr);
  if (!hwnd) return 0;
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new MessageCallback(std::move(callback))));
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MessageWindowProc));
  return reinterpret_cast<WindowHandle>(hwnd);
}

void DestroyMessageWindow(WindowHandle window, const std::string& className) {
  if (!window) return;
  DestroyWindow(ToHwnd(window));
  UnregisterClassW(Utf8ToUtf16(className).c_str(), GetModuleHandleW(nullptr));
}

bool StartWindowTimer(WindowHandle window, std::uintptr_t id, unsigned milliseconds) {
  // Without a window SetTimer would make a thread timer with an id of its own choosing.
  if (!window) return false;
  return SetTimer(ToHwnd(window), id, milliseconds, nullptr) != 0;
}

void StopWindowTimer(WindowHandle window, std::uintptr_t id) {
  if (window) KillTimer(ToHwnd(window), id);
}

std::uint32_t TaskbarCreatedMessage() { return RegisterWindowMessageW(L"TaskbarCreated"); }

void BringToForeground(WindowHandle window) { SetForegroundWindow(ToHwnd(window)); }

PointerState QueryPointerState() {
  PointerState state;
  POINT pt{};
  if (GetCursorPos(&pt)) {
    state.x = pt.x;
    state.y = pt.y;
  }
  state.shift = (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
  state.ctrl = (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
  state.alt = (GetAsyncKeyState(VK_MENU) & 0x8000) != 0;
  return state;
}

bool NotifyIcon(NotifyIconAction action, const NotifyIconRecord& record) {
  // The shell gets the wide record of the same first version: its tip holds as many characters as
  // the record's holds bytes, so the UTF-8 tip always fits.
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = ToHwnd(record.hWnd);
  data.uID = record.uID;
  data.uFlags = record.uFlags;
  data.uCallbackMessage = record.uCallbackMessage;
  data.hIcon = reinterpret_cast<HICON>(record.hIcon);
  static_assert(std::size(data.szTip) >= sizeof record.szTip);
  const size_t length = BoundedLength(record.szTip, sizeof record.szTip - 1);  // the shell reads no further
  const std::wstring tip = Utf8ToUtf16(std::string_view(record.szTip, length));
  std::memcpy(data.szTip, tip.c_str(), (tip.size() + 1) * sizeof(wchar_t));
  return Shell_NotifyIconW(static_cast<DWORD>(action), &data) != FALSE;
}

}  // namespace platform
