#pragma once
// What a program written by hand against Win32 does to show live texts: one plain window, STATIC
// controls in the dialog font, a timer, and SetWindowText only for a text that changed. The
// reference loops measure Orvane's pages against this.
#include <windows.h>

#include <string>

namespace bare {

inline HFONT DialogFont() {
  static HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Tahoma");
  return font;
}

inline HWND AddStatic(HWND parent, const char* text, int x, int y, int w, int h, DWORD style) {
  HWND hwnd = CreateWindowExA(0, "Static", text, WS_CHILD | WS_VISIBLE | SS_NOPREFIX | style, x, y, w, h, parent,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
  return hwnd;
}

// A label and its sunken, right-aligned value beside it; returns the value.
inline HWND AddRow(HWND parent, const char* label, int x, int y, int valueX, int valueW) {
  AddStatic(parent, label, x, y + 1, valueX - x - 4, 13, SS_LEFT);
  return AddStatic(parent, "n/a", valueX, y, valueW, 15, SS_RIGHT | SS_SUNKEN);
}

// Sets the window's text only when it differs from what it shows.
inline void Show(HWND hwnd, std::string& shown, const std::string& text) {
  if (shown == text) return;
  shown = text;
  SetWindowTextA(hwnd, text.c_str());
}

using TickFn = void (*)();
inline TickFn g_tick = nullptr;

inline LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_TIMER:
      if (wp == 1 && g_tick) g_tick();
      if (wp == 2) DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

// The main window, as large as Orvane's, captioned title.
inline HWND MakeMain(const char* title) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = MainProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "BareLoop";
  RegisterClassA(&wc);
  RECT r{0, 0, 376, 331};
  AdjustWindowRect(&r, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, FALSE);
  return CreateWindowExA(0, "BareLoop", title, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT,
                         r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
}

// Ticks every `interval` ms (10, the shortest, for the load comparison) until the window closes,
// or for `seconds` when that is above 0.
inline int Run(HWND main, TickFn tick, int seconds, int interval) {
  g_tick = tick;
  tick();
  ShowWindow(main, SW_SHOW);
  UpdateWindow(main);
  SetTimer(main, 1, static_cast<UINT>(interval), nullptr);
  if (seconds > 0) SetTimer(main, 2, static_cast<UINT>(seconds) * 1000, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

}  // namespace bare
