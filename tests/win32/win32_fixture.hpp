#pragma once
// The main window realised by the Win32 backend inside the test process.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "form/orvane_form.hpp"
#include "widgets/win32/backend.hpp"

namespace win32_tests {

inline std::string Text(HWND hwnd) {
  char buf[512] = {};
  GetWindowTextA(hwnd, buf, sizeof buf);
  return buf;
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
