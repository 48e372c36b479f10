#pragma once
// The keyboard side of the forms: the keys a form takes before its controls (key preview, page
// keys, short-cuts, dialog keys) and where the focus goes when its window can no longer take it.
#include <windows.h>

namespace widgets::win32 {

// Handles one message the way the active form wants it: key preview, Ctrl+Tab on a page control,
// the form's short-cuts, then the dialog keys (Tab, Esc, Enter, mnemonics). True when the message
// has been dealt with. Only key messages are looked at.
bool PreTranslate(MSG& msg);
// Whether the window can take keyboard input: it is shown, and it and the windows it lies in are
// enabled.
bool TakesInput(HWND hwnd);
// Where the focus goes when the window that held it, or one it lies in, is hidden or disabled:
// the tab strip of the page control it lies in, else the form's first tab stop, else the form.
HWND FocusHome(HWND gone);
// Called when a child window has been hidden or disabled: moves the focus home if that window
// held it (or had it dropped).
void FocusLeaves(HWND gone);

}  // namespace widgets::win32
