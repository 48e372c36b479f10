#include "tests/e2e/driver.hpp"

#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <iterator>

#include "platform/utf.hpp"
#include "tests/e2e/png.hpp"

namespace e2e {

std::string WindowsPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string w("Z:");
  for (char c : path) w += c == '/' ? '\\' : c;
  return w;
}

Program::~Program() {
  if (pi_.hProcess) {
    Kill();
    CloseHandle(pi_.hProcess);
    CloseHandle(pi_.hThread);
  }
}

bool Program::Start(const std::string& exe, const std::string& args) {
  std::string cmd = "\"" + WindowsPath(exe) + "\"";
  if (!args.empty()) cmd += " " + args;
  std::wstring wide = platform::Utf8ToUtf16(cmd);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  return CreateProcessW(nullptr, wide.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_) != 0;
}

namespace {

struct FindTop {
  DWORD pid;
  const std::string* caption;
  HWND found;
};

BOOL CALLBACK FindTopProc(HWND hwnd, LPARAM lp) {
  auto* f = reinterpret_cast<FindTop*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == f->pid && IsWindowVisible(hwnd) && WindowText(hwnd) == *f->caption) {
    f->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectProc(HWND hwnd, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
  return TRUE;
}

}  // namespace

HWND Program::WaitForWindow(const std::string& caption, const std::string& lastChildText, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    FindTop f{pi_.dwProcessId, &caption, nullptr};
    EnumWindows(FindTopProc, reinterpret_cast<LPARAM>(&f));
    if (f.found && (lastChildText.empty() || FindChild(f.found, lastChildText))) {
      Settle(200);
      return f.found;
    }
    if (WaitForSingleObject(pi_.hProcess, 50) == WAIT_OBJECT_0) return nullptr;
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

bool Program::WaitForExit(DWORD timeoutMs, DWORD* code) {
  if (!pi_.hProcess || WaitForSingleObject(pi_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
  if (code) GetExitCodeProcess(pi_.hProcess, code);
  return true;
}

void Program::Kill() {
  if (pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) != WAIT_OBJECT_0) {
    TerminateProcess(pi_.hProcess, 99);
    WaitForSingleObject(pi_.hProcess, 5000);
  }
}

std::string WindowText(HWND hwnd) {
  wchar_t buf[1024] = {};
  DWORD_PTR len = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, std::size(buf), reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 2000,
                           &len))
    return {};
  return platform::Utf16ToUtf8(buf, std::size(buf));
}

std::string ClassName(HWND hwnd) {
  wchar_t buf[256] = {};
  GetClassNameW(hwnd, buf, static_cast<int>(std::size(buf)));
  return platform::Utf16ToUtf8(buf, std::size(buf));
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> all;
  EnumChildWindows(parent, CollectProc, reinterpret_cast<LPARAM>(&all));
  return all;
}

HWND FindChild(HWND parent, const std::string& text, const std::string& cls) {
  for (HWND h : Descendants(parent))
    if (WindowText(h) == text && (cls.empty() || ClassName(h) == cls)) return h;
  return nullptr;
}

HWND ValueBeside(HWND main, const std::string& label) {
  HWND l = FindChild(main, label, "Static");
  if (!l) return nullptr;
  const RECT lr = ScreenRect(l);
  for (HWND h : Descendants(GetParent(l))) {
    const RECT r = ScreenRect(h);
    if (ClassName(h) == "OrvanePanel" && r.left > lr.right && std::abs(r.top - lr.top) <= 3) return h;
  }
  return nullptr;
}

SIZE ClientSize(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

RECT ScreenRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

std::vector<std::uint8_t> ScreenPixels(const RECT& r) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  std::vector<std::uint8_t> rgb;
  if (w <= 0 || h <= 0) return rgb;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bmp && bits) {
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    rgb.resize(static_cast<size_t>(w) * h * 3);
    const auto* px = static_cast<const std::uint8_t*>(bits);
    for (size_t i = 0; i < static_cast<size_t>(w) * h; ++i) {
      rgb[i * 3] = px[i * 4 + 2];
      rgb[i * 3 + 1] = px[i * 4 + 1];
      rgb[i * 3 + 2] = px[i * 4];
    }
    SelectObject(mem, old);
  }
  if (bmp) DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return rgb;
}

bool Screenshot(HWND hwnd, const std::string& path) {
  const RECT r = ScreenRect(hwnd);
  const std::vector<std::uint8_t> rgb = ScreenPixels(r);
  return !rgb.empty() && WritePng(path, r.right - r.left, r.bottom - r.top, rgb);
}

void Settle(DWORD ms) { Sleep(ms); }

}  // namespace e2e

namespace e2e {

bool RemoteRect(HANDLE process, HWND hwnd, UINT msg, WPARAM wp, RECT* out) {
  void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!remote) return false;
  DWORD_PTR result = 0;
  bool ok = SendMessageTimeoutA(hwnd, msg, wp, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 2000, &result) &&
            result != 0;
  SIZE_T read = 0;
  ok = ok && ReadProcessMemory(process, remote, out, sizeof(RECT), &read) && read == sizeof(RECT);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  return ok;
}

void ClickAt(HWND hwnd, int x, int y) {
  PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

bool ClickTab(HANDLE process, HWND tabControl, int index) {
  RECT r{};
  if (!RemoteRect(process, tabControl, 0x130A /* TCM_GETITEMRECT */, static_cast<WPARAM>(index), &r)) return false;
  ClickAt(tabControl, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  return true;
}

namespace {

struct OtherTop {
  DWORD pid;
  HWND except;
  std::vector<HWND> found;
};

BOOL CALLBACK OtherTopProc(HWND hwnd, LPARAM lp) {
  auto* o = reinterpret_cast<OtherTop*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == o->pid && hwnd != o->except && IsWindowVisible(hwnd)) o->found.push_back(hwnd);
  return TRUE;
}

}  // namespace

std::vector<HWND> OtherTopWindows(DWORD pid, HWND except) {
  OtherTop o{pid, except, {}};
  EnumWindows(OtherTopProc, reinterpret_cast<LPARAM>(&o));
  return o.found;
}

}  // namespace e2e

namespace e2e {

bool WaitResponsive(HWND hwnd, DWORD timeoutMs) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

int ListItemCount(HWND list) {
  DWORD_PTR count = 0;
  if (!SendMessageTimeoutA(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 2000, &count)) return -1;
  return static_cast<int>(count);
}

std::string RemoteListText(HANDLE process, HWND list, int item, int sub) {
  constexpr SIZE_T kText = 512;  // characters
  auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + kText * sizeof(wchar_t),
                                                   MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (!remote) return "<no remote buffer>";
  LVITEMW lvi{};
  lvi.iSubItem = sub;
  lvi.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
  lvi.cchTextMax = static_cast<int>(kText);
  wchar_t text[kText] = {};
  SIZE_T done = 0;
  DWORD_PTR length = 0;
  const bool ok = WriteProcessMemory(process, remote, &lvi, sizeof lvi, &done) &&
                  SendMessageTimeoutW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item),
                                      reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 2000, &length) &&
                  ReadProcessMemory(process, remote + sizeof(LVITEMW), text, (kText - 1) * sizeof(wchar_t), &done);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  return ok ? platform::Utf16ToUtf8(text, kText) : "<unreadable>";
}

void MouseTo(int x, int y) {
  SetCursorPos(x, y);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
}

void MouseLeft(bool down) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &in, sizeof in);
}

void MouseLeftClick() {
  MouseLeft(true);
  MouseLeft(false);
}

namespace {

struct TipSearch {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK TipProc(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<TipSearch*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == s->pid && IsWindowVisible(hwnd) && ClassName(hwnd) == TOOLTIPS_CLASSA) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND VisibleTooltip(DWORD pid) {
  TipSearch s{pid, nullptr};
  EnumWindows(TipProc, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

void PickComboItem(HWND combo, int index) {
  SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  PostMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
}

}  // namespace e2e
