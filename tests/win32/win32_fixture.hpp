#pragma once
// The main window realised by the Win32 backend inside the test process.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "form/orvane_form.hpp"
#include "platform/utf.hpp"
#include "widgets/win32/backend.hpp"

namespace win32_tests {

// The window text in Unicode, as UTF-8.
inline std::string Text(HWND hwnd) {
  wchar_t buf[512] = {};
  GetWindowTextW(hwnd, buf, 512);
  return platform::Utf16ToUtf8(buf, 512);
}

inline std::string Class(HWND hwnd) {
  char buf[128] = {};
  GetClassNameA(hwnd, buf, sizeof buf);
  return buf;
}

// Handles what is waiting, through the backend's own pre-translation (short-cuts, dialog keys).
inline void Pump(widgets::Application& app, DWORD ms = 0) {
  const DWORD start = GetTickCount();
  do {
    app.ProcessMessages();
    if (ms) Sleep(5);
  } while (GetTickCount() - start < ms);
}

// Counts the WM_SETTEXT messages that reach one window while it lives: whether a caption that did
// not change was written again.
class SetTextCounter {
 public:
  explicit SetTextCounter(HWND hwnd) {
    target_ = hwnd;
    count_ = 0;
    hook_ = SetWindowsHookExA(WH_CALLWNDPROC, Proc, nullptr, GetCurrentThreadId());
  }
  ~SetTextCounter() { UnhookWindowsHookEx(hook_); }
  SetTextCounter(const SetTextCounter&) = delete;
  SetTextCounter& operator=(const SetTextCounter&) = delete;
  int Count() const { return count_; }

 private:
  static LRESULT CALLBACK Proc(int code, WPARAM wp, LPARAM lp) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && m->hwnd == target_ && m->message == WM_SETTEXT) ++count_;
    return CallNextHookEx(nullptr, code, wp, lp);
  }
  static inline HWND target_ = nullptr;
  static inline int count_ = 0;
  HHOOK hook_ = nullptr;
};

// Posts a key press (down and, for the character, as the keyboard would make it) to a window.
inline void PostKey(HWND hwnd, UINT vk) {
  const LPARAM lp = 1 | (static_cast<LPARAM>(MapVirtualKeyA(vk, 0)) << 16);
  PostMessageA(hwnd, WM_KEYDOWN, vk, lp);
  PostMessageA(hwnd, WM_KEYUP, vk, lp | 0xC0000000);
}

// Holds modifier keys down in the thread's keyboard state for its lifetime.
class HeldKeys {
 public:
  explicit HeldKeys(std::initializer_list<int> keys) {
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    for (int k : keys) state[k] |= 0x80;
    SetKeyboardState(state);
  }
  ~HeldKeys() { SetKeyboardState(saved_); }
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;

 private:
  BYTE saved_[256] = {};
};

class RealWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    backend_ = std::make_unique<widgets::win32::Backend>(app_, GetModuleHandleA(nullptr));
    form_ = std::make_unique<TFormOrvane>(app_);
    backend_->Realize(*form_);
    form_->FormCreate();
    main_ = backend_->HandleOf(*form_);
  }
  void TearDown() override {
    backend_.reset();
    form_.reset();
    MSG msg;  // the main window's quit message must not reach the next test
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  HWND Hwnd(const widgets::Component& c) const { return backend_->HandleOf(c); }

  widgets::Application app_;
  std::unique_ptr<widgets::win32::Backend> backend_;
  std::unique_ptr<TFormOrvane> form_;
  HWND main_ = nullptr;
};

}  // namespace win32_tests
