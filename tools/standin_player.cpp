// A stand-in for the Winamp player: a small window of the player's class that answers the
// player's messages from values it is told, so that Orvane's Winamp page can be tried and tested
// without the real player.
//
//   standin_player [--key=value ...]
//
// Keys: version, state (1 playing, 3 paused, 0 not playing), position (ms), length (s), index
// (playlist entry from 0), count (entries), caption (the window's caption, UTF-8 in the values
// file and any script on the command line), ansi=1 (a window that keeps its caption in the code
// page, as older players do; from the command line only), values (a file of key=value lines,
// re-read while running) and log (a file that gets one line per command id or seek received:
// "command 40158", "seek 45000"). The values file may also say hang=<ms> (the
// window stops answering for that long, once per change of the file), hangevery=<ms> (the last
// hang comes back at that period, start to start, until the file says hangevery=0) and quit=1.
// The plain transport commands act as a player would: play, pause, stop, previous and next
// change the state and entry, a seek moves the position.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "platform/utf.hpp"
#include "winamp/winamp_hdrs.hpp"

namespace {

struct Values {
  std::int32_t version = 0x5094;
  std::int32_t state = winamp::kStatePlaying;
  std::int32_t position = 0;
  std::int32_t length = 0;
  std::int32_t index = 0;
  std::int32_t count = 1;
  std::string caption = "1. Stand-in Player - Winamp";
  std::string valuesFile, logFile;
  DWORD hangMs = 0;      // a hang still to come
  DWORD hangEveryMs = 0;  // period of the repeated hang; 0: once
  DWORD lastHangMs = 0;
  DWORD lastHangStart = 0;
  bool quit = false;
  bool ansi = false;
};

Values g;
std::string g_lastFile;  // the values file as last read

// Applies one key=value; unknown keys are ignored.
void Apply(const std::string& line) {
  const size_t eq = line.find('=');
  if (eq == std::string::npos) return;
  std::string key = line.substr(0, eq);
  if (key.rfind("--", 0) == 0) key.erase(0, 2);
  const std::string value = line.substr(eq + 1);
  const auto number = static_cast<std::int32_t>(std::strtoll(value.c_str(), nullptr, 0));
  if (key == "version") g.version = number;
  else if (key == "state") g.state = number;
  else if (key == "position") g.position = number;
  else if (key == "length") g.length = number;
  else if (key == "index") g.index = number;
  else if (key == "count") g.count = number;
  else if (key == "caption") g.caption = value;
  else if (key == "values") g.valuesFile = value;
  else if (key == "log") g.logFile = value;
  else if (key == "hang") g.hangMs = static_cast<DWORD>(number);
  else if (key == "hangevery") g.hangEveryMs = static_cast<DWORD>(number);
  else if (key == "quit") g.quit = number != 0;
  else if (key == "ansi") g.ansi = number != 0;
}

// Re-reads the values file; true when its contents changed.
bool ReloadValues() {
  if (g.valuesFile.empty()) return false;
  FILE* f = std::fopen(g.valuesFile.c_str(), "rb");
  if (!f) return false;
  std::string text;
  char buf[4096];
  for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) text.append(buf, n);
  std::fclose(f);
  if (text == g_lastFile) return false;
  g_lastFile = text;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Apply(line);
    start = end + 1;
  }
  return true;
}

void Log(const char* what, long long value) {
  if (g.logFile.empty()) return;
  if (FILE* f = std::fopen(g.logFile.c_str(), "ab")) {
    std::fprintf(f, "%s %lld\n", what, value);
    std::fclose(f);
  }
}

void OnCommand(std::int32_t id) {
  Log("command", id);
  switch (id - winamp::kCommandBase) {
    case 1: g.index = g.index > 0 ? g.index - 1 : 0; break;
    case 2: g.state = winamp::kStatePlaying; break;
    case 3:
      if (g.state != winamp::kStateStopped)
        g.state = g.state == winamp::kStatePaused ? winamp::kStatePlaying : winamp::kStatePaused;
      break;
    case 4:
      g.state = winamp::kStateStopped;
      g.position = 0;
      break;
    case 5: g.index = g.index + 1 < g.count ? g.index + 1 : g.index; break;
    default: break;
  }
}

LRESULT OnIpc(WPARAM wp, LPARAM lp) {
  const auto w = static_cast<std::int32_t>(wp);
  switch (static_cast<std::int32_t>(lp)) {
    case winamp::kIpcGetVersion: return g.version;
    case winamp::kIpcIsPlaying: return g.state;
    case winamp::kIpcGetOutputTime: return w == winamp::kTimeLength ? g.length : g.position;
    case winamp::kIpcGetListPos: return g.index;
    case winamp::kIpcGetListLength: return g.count;
    case winamp::kIpcJumpToTime:
      Log("seek", w);
      g.position = w;
      return 0;
    default: return 0;
  }
}

void OnPaint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  char line[160];
  std::snprintf(line, sizeof line, "state %d   position %d ms   length %d s   entry %d of %d", g.state, g.position,
                g.length, g.index + 1, g.count);
  TextOutA(dc, 8, 8, line, static_cast<int>(std::strlen(line)));
  EndPaint(hwnd, &ps);
}

// Not answering any message for that long, as a hung player would.
void Hang(DWORD ms) {
  g.lastHangMs = ms;
  g.lastHangStart = GetTickCount();
  Sleep(ms);
}

// The caption as the window keeps it: in Unicode, or in the code page for an ANSI window (what
// the code page cannot hold becomes its default character, as in such a player).
void SetCaption(HWND hwnd) {
  const std::wstring wide = platform::Utf8ToUtf16(g.caption);
  if (!g.ansi) {
    SetWindowTextW(hwnd, wide.c_str());
    return;
  }
  std::string ansi(wide.size() * 2 + 1, '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi.data(), static_cast<int>(ansi.size()), nullptr, nullptr);
  SetWindowTextA(hwnd, ansi.c_str());
}

// Takes the values in: the caption becomes the window's, a hang or quit is carried out.
void Refresh(HWND hwnd) {
  SetCaption(hwnd);
  InvalidateRect(hwnd, nullptr, TRUE);
  if (g.hangMs) Hang(std::exchange(g.hangMs, 0));
  if (g.quit) DestroyWindow(hwnd);
}

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case winamp::kMsgIpc: return OnIpc(wp, lp);
    case winamp::kMsgCommand: {
      OnCommand(static_cast<std::int32_t>(wp));
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    }
    case WM_TIMER:
      if (ReloadValues())
        Refresh(hwnd);
      else if (g.hangEveryMs && g.lastHangMs && GetTickCount() - g.lastHangStart >= g.hangEveryMs)
        Hang(g.lastHangMs);
      return 0;
    case WM_PAINT: OnPaint(hwnd); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return g.ansi ? DefWindowProcA(hwnd, msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  // The arguments in Unicode, so a caption in any script comes through.
  int argc = 0;
  if (wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc)) {
    for (int i = 1; i < argc; ++i) Apply(platform::Utf16ToUtf8(std::wstring_view(argv[i])));
    LocalFree(argv);
  }
  ReloadValues();

  // The player's class, registered the way the window keeps its texts.
  const std::wstring wideClass = platform::Utf8ToUtf16(winamp::kWindowClass);
  WNDCLASSW wc{};
  wc.lpfnWndProc = WndProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = wideClass.c_str();
  WNDCLASSA wca{};
  wca.lpfnWndProc = WndProc;
  wca.hInstance = instance;
  wca.hCursor = wc.hCursor;
  wca.hbrBackground = wc.hbrBackground;
  wca.lpszClassName = winamp::kWindowClass;
  if (!(g.ansi ? RegisterClassA(&wca) : RegisterClassW(&wc))) return 1;
  HWND hwnd = g.ansi ? CreateWindowExA(0, winamp::kWindowClass, "", WS_OVERLAPPEDWINDOW, 40, 40, 420, 90, nullptr,
                                       nullptr, instance, nullptr)
                     : CreateWindowExW(0, wideClass.c_str(), L"", WS_OVERLAPPEDWINDOW, 40, 40, 420, 90, nullptr,
                                       nullptr, instance, nullptr);
  if (!hwnd) return 1;
  SetCaption(hwnd);
  ShowWindow(hwnd, show);
  SetTimer(hwnd, 1, 100, nullptr);
  if (g.quit) DestroyWindow(hwnd);

  MSG m;
  while (GetMessageW(&m, nullptr, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
  return 0;
}
