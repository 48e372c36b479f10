#include "platform/tray.hpp"

#include <windows.h>
#include <shellapi.h>

#include <cstring>

namespace platform {
namespace {

static_assert(sizeof(NotifyIconRecord) == NOTIFYICONDATAA_V1_SIZE, "the record is the shell's first version");

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

// The procedure that replaces the class's DefWindowProcA once the window exists: hands every
// message to the window's callback, then lets the default handling answer it.
LRESULT CALLBACK MessageWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* callback = reinterpret_cast<MessageCallback*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (callback && *callback) {
    try {
      (*callback)(message, wParam, lParam);
    } catch (...) {
      // Nothing may cross back into the system.
    }
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    delete callback;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

WindowHandle CreateMessageWindow(const std::string& className, const std::string& title, MessageCallback callback) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = instance;
  wc.lpszClassName = className.c_str();
  RegisterClassExA(&wc);
  HWND hwnd = CreateWindowExA(0, className.c_str(), title.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              instance, nullptr);
  if (!hwnd) return 0;
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new MessageCallback(std::move(callback))));
  SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MessageWindowProc));
  return reinterpret_cast<WindowHandle>(hwnd);
}

void DestroyMessageWindow(WindowHandle window, const std::string& className) {
  if (!window) return;
  DestroyWindow(ToHwnd(window));
  UnregisterClassA(className.c_str(), GetModuleHandleA(nullptr));
}

bool StartWindowTimer(WindowHandle window, std::uintptr_t id, unsigned milliseconds) {
  // Without a window SetTimer would make a thread timer with an id of its own choosing.
  if (!window) return false;
  return SetTimer(ToHwnd(window), id, milliseconds, nullptr) != 0;
}

void StopWindowTimer(WindowHandle window, std::uintptr_t id) {
  if (window) KillTimer(ToHwnd(window), id);
}

std::uint32_t TaskbarCreatedMessage() { return RegisterWindowMessageA("TaskbarCreated"); }

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
  NOTIFYICONDATAA data{};
  data.cbSize = record.cbSize;
  data.hWnd = ToHwnd(record.hWnd);
  data.uID = record.uID;
  data.uFlags = record.uFlags;
  data.uCallbackMessage = record.uCallbackMessage;
  data.hIcon = reinterpret_cast<HICON>(record.hIcon);
  static_assert(sizeof data.szTip >= sizeof record.szTip);
  std::memcpy(data.szTip, record.szTip, sizeof record.szTip);
  data.szTip[sizeof record.szTip - 1] = '\0';  // the shell reads at most this far
  return Shell_NotifyIconA(static_cast<DWORD>(action), &data) != FALSE;
}

}  // namespace platform
