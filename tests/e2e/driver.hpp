#pragma once
// What the end-to-end driver does to Orvane.exe: start it, find its windows, read and click its
// controls from outside the process, take screenshots, close it.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

// A Unix path ("/work/x") as Wine's Windows programs see it ("Z:\work\x"); others unchanged.
std::string WindowsPath(const std::string& path);

class Program {
 public:
  ~Program();
  // Starts the exe with the arguments; false when it cannot be started.
  bool Start(const std::string& exe, const std::string& args = "");
  // Waits until a visible top-level window of the process has the caption and holds a child
  // with the given text (the last control to be created), so it is not caught half-built.
  HWND WaitForWindow(const std::string& caption, const std::string& lastChildText, DWORD timeoutMs);
  // True when the process ended within the time; its exit code goes to *code.
  bool WaitForExit(DWORD timeoutMs, DWORD* code = nullptr);
  void Kill();
  DWORD ProcessId() const { return pi_.dwProcessId; }
  HANDLE Process() const { return pi_.hProcess; }

 private:
  PROCESS_INFORMATION pi_{};
};

std::string WindowText(HWND hwnd);
std::string ClassName(HWND hwnd);
// Every descendant window of parent, in Z order.
std::vector<HWND> Descendants(HWND parent);
// The first descendant with this exact window text (and class, when given), or nullptr.
HWND FindChild(HWND parent, const std::string& text, const std::string& cls = "");
// The value panel on the row of the label with this text, or nullptr.
HWND ValueBeside(HWND main, const std::string& label);
// The window's client size in pixels.
SIZE ClientSize(HWND hwnd);
// The screen rectangle of the window, frame included.
RECT ScreenRect(HWND hwnd);

// What the screen shows in the rectangle, as rows of red, green and blue bytes; empty on failure.
std::vector<std::uint8_t> ScreenPixels(const RECT& r);
// Saves a PNG of the screen area that the window covers; true when written.
bool Screenshot(HWND hwnd, const std::string& path);

// Lets the target process handle what it was sent.
void Settle(DWORD ms = 100);

}  // namespace e2e

namespace e2e {

// Reads a rectangle that a control writes into a buffer (TCM_GETITEMRECT and the like): the
// buffer must live in the target process.
bool RemoteRect(HANDLE process, HWND hwnd, UINT msg, WPARAM wp, RECT* out);
// Clicks the tab of the page at index in a tab control, as the mouse would.
bool ClickTab(HANDLE process, HWND tabControl, int index);
// Clicks at a point of the window's client area (posted button down and up).
void ClickAt(HWND hwnd, int x, int y);
// The visible top-level windows of the process other than `except`.
std::vector<HWND> OtherTopWindows(DWORD pid, HWND except);

}  // namespace e2e

namespace e2e {

// Waits until the window's thread has handled everything sent before (it may be busy in a long
// step); false when it did not answer within the time.
bool WaitResponsive(HWND hwnd, DWORD timeoutMs);
// The number of items of a list view, and the text of one cell (sub 0 is the item's caption),
// read through a buffer in the target process.
int ListItemCount(HWND list);
std::string RemoteListText(HANDLE process, HWND list, int item, int sub);
// Moves the real mouse to a screen point; presses and releases its left button there.
void MouseTo(int x, int y);
void MouseLeftClick();
// The visible tooltip window of the process, or nullptr.
HWND VisibleTooltip(DWORD pid);
// Picks an item of a drop-down list as the user would: selects it and tells its owner.
void PickComboItem(HWND combo, int index);

}  // namespace e2e
