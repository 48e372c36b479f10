#pragma once
// Operations on our own windows, and on the top-level windows of other programs.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/types.hpp"

namespace platform {

// Puts the window above all non-topmost windows (topmost) or back among them; position and size
// stay. False when the system refused.
bool SetWindowTopmost(WindowHandle window, bool topmost);

// The first top-level window of that class (any title), or 0 when there is none.
WindowHandle FindWindowOfClass(const char* className);

// True when the handle names an existing window.
bool IsExistingWindow(WindowHandle window);

// Messages to another program's window never wait longer than `timeoutMs`, and not at all for a
// window the system already counts as hung: whatever that program does, ours keeps answering.

// Sends a message whose parameters are 32-bit values and returns the 32-bit reply; nothing when
// the window did not answer in time or is gone.
std::optional<std::int32_t> SendMessageWithin(WindowHandle window, std::uint32_t message, std::int32_t wParam,
                                              std::int32_t lParam, std::uint32_t timeoutMs);

// Asks the window for its caption (WM_GETTEXT, in Unicode: the system converts the text of a
// window that keeps it in its code page) into a buffer of `maxChars` characters and puts it in
// `caption`. The other program decides what lands there: the text ends at its first zero or one
// character before the buffer's end. False, with `caption` empty, when the window did not answer
// in time or is gone.
bool GetWindowCaptionWithin(WindowHandle window, std::string& caption, std::size_t maxChars, std::uint32_t timeoutMs);

}  // namespace platform
