#pragma once
// The notification area: a hidden top-level window whose messages reach a callback, a timer of that
// window, and the shell's notification icons. A component built on these stays free of Windows
// headers and runs in host tests against the fake.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/types.hpp"

namespace platform {

// Every message of a hidden window, as the system delivers it. Afterwards the window's default
// handling runs and gives the message's result.
using MessageCallback = std::function<void(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)>;

// The mouse messages the shell reports in lParam of a notification icon's callback message.
enum class TrayMouse : std::uint32_t {
  Move = 0x0200,
  LeftDown = 0x0201,
  LeftUp = 0x0202,
  LeftDoubleClick = 0x0203,
  RightDown = 0x0204,
  RightUp = 0x0205,
  MiddleDown = 0x0207,
  MiddleUp = 0x0208,
};

// WM_PAINTICON: re-applies the icon, as the shell's "taskbar created" broadcast does.
inline constexpr std::uint32_t kPaintIconMessage = 0x0026;

// WM_ENDSESSION: wParam non-zero when the session is ending; the process may end at any moment
// after it has been handled.
inline constexpr std::uint32_t kEndSessionMessage = 0x0016;

// The message a running window timer delivers; wParam is the timer's id.
inline constexpr std::uint32_t kTimerMessage = 0x0113;

// Registers the class (a second registration of the same name fails harmlessly), then creates a
// hidden top-level window of it (WS_POPUP, never shown, no parent, position and size 0) and hands
// its messages to `callback` from then on. Returns 0 when the window cannot be made. The window
// keeps its own copy of the callback until it is destroyed.
WindowHandle CreateMessageWindow(const std::string& className, const std::string& title, MessageCallback callback);
// Destroys the window (its timers stop), then unregisters the class (which fails harmlessly
// while other windows of it exist). 0 is ignored.
void DestroyMessageWindow(WindowHandle window, const std::string& className);

// Starts (or restarts with a new period) timer `id` of the window; false on failure or window 0.
bool StartWindowTimer(WindowHandle window, std::uintptr_t id, unsigned milliseconds);
void StopWindowTimer(WindowHandle window, std::uintptr_t id);

// The number of the message the shell broadcasts when the taskbar has been created anew (after
// Explorer restarts); every icon must be added again then.
std::uint32_t TaskbarCreatedMessage();

// Makes the window the foreground window, so that a menu it tracks closes when the user clicks
// elsewhere.
void BringToForeground(WindowHandle window);

// The cursor's screen position and the modifier keys, read at the moment of the call.
struct PointerState {
  int x = 0;
  int y = 0;
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};
PointerState QueryPointerState();

// The record of one notification icon, in the layout of the shell's first version (88 bytes on
// the 32-bit target): no balloon fields. The tip is UTF-8; the shell gets it in Unicode.
inline constexpr std::uint32_t kNotifyIconRecordSize = 88;
inline constexpr std::uint32_t kNifMessage = 1;
inline constexpr std::uint32_t kNifIcon = 2;
inline constexpr std::uint32_t kNifTip = 4;
inline constexpr std::size_t kNotifyTipSize = 64;  // terminating zero included

struct NotifyIconRecord {
  std::uint32_t cbSize = kNotifyIconRecordSize;
  WindowHandle hWnd = 0;  // the window that receives the callback message
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  IconHandle hIcon = 0;  // the shell keeps its own copy; the caller still owns this handle
  char szTip[kNotifyTipSize] = {};
};
static_assert(sizeof(void*) != 4 || sizeof(NotifyIconRecord) == kNotifyIconRecordSize);

enum class NotifyIconAction : std::uint32_t { Add = 0, Modify = 1, Delete = 2 };

// Shell_NotifyIconW: adds, changes or removes the icon the record names (by hWnd and uID). False
// when the shell refused (for example, changing an icon that is not there).
bool NotifyIcon(NotifyIconAction action, const NotifyIconRecord& record);

}  // namespace platform
