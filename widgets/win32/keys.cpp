#include "widgets/win32/keys.hpp"

#include "widgets/page_control.hpp"
#include "widgets/win32/peers.hpp"

namespace widgets::win32 {
namespace {

HWND HandleOf(const Component& c) { return reinterpret_cast<HWND>(c.Handle()); }

// The keys a form's key preview sees: those that make a character, Backspace, Enter and Esc
// included; not the control characters of Ctrl+letter.
bool IsCharacterKey(WPARAM c) { return c >= 32 || c == '\b' || c == '\r' || c == 27; }

// Ctrl+Tab (Shift: backwards) on a page control's tab strip or inside one of its pages shows the
// next page; the focus goes to the strip, since the page it was on is hidden now.
bool CyclePages(HWND focus, bool forward) {
  for (HWND h = focus; h; h = GetParent(h)) {
    WindowPeer* peer = WindowPeer::FromHwnd(h);
    if (!peer || peer->Detached()) continue;
    Control& c = peer->Model();
    if (c.Kind() == ControlKind::Form) return false;
    Control* pages = c.Kind() == ControlKind::PageControl ? &c
                     : (c.Kind() == ControlKind::TabSheet && c.Parent() && c.Parent()->Kind() == ControlKind::PageControl)
                         ? c.Parent()
                         : nullptr;
    if (!pages) continue;
    static_cast<PageControl*>(pages)->SelectNextPage(forward);
    if (HWND strip = HandleOf(*pages)) SetFocus(strip);
    return true;
  }
  return false;
}

}  // namespace

bool TakesInput(HWND hwnd) {
  if (!hwnd || !IsWindowVisible(hwnd)) return false;  // visible: it and every window it lies in
  for (HWND h = hwnd; h; h = (GetWindowLongW(h, GWL_STYLE) & WS_CHILD) ? GetParent(h) : nullptr)
    if (!IsWindowEnabled(h)) return false;
  return true;
}

HWND FocusHome(HWND gone) {
  HWND root = GetAncestor(gone, GA_ROOT);
  WindowPeer* peer = WindowPeer::FromHwnd(gone);
  for (Control* c = peer && !peer->Detached() ? &peer->Model() : nullptr; c; c = c->Parent())
    if (c->Kind() == ControlKind::PageControl)
      if (HWND strip = HandleOf(*c); TakesInput(strip)) return strip;
  HWND first = root ? GetNextDlgTabItem(root, nullptr, FALSE) : nullptr;
  return first && first != gone && !IsChild(gone, first) && TakesInput(first) ? first : root;
}

void FocusLeaves(HWND gone) {
  if (!(GetWindowLongW(gone, GWL_STYLE) & WS_CHILD)) return;  // a form: activation moves the focus
  HWND focus = GetFocus();
  // Disabling a window drops the focus it held: then no window of the active form has it.
  const bool lost = focus ? focus == gone || IsChild(gone, focus) : GetActiveWindow() == GetAncestor(gone, GA_ROOT);
  if (lost)
    if (HWND home = FocusHome(gone)) SetFocus(home);
}

bool PreTranslate(MSG& msg) {
  // Only keys are pre-translated: timer, paint and mouse messages go straight to their window, as
  // in a hand-written loop, and cost no look-ups on every tick.
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  auto* peer = dynamic_cast<FormPeerBase*>(WindowPeer::FromHwnd(root));
  if (!peer || peer->Detached()) return false;
  // A form that is hidden, or disabled under a modal one, takes no keys: its short-cuts, page keys
  // and dialog keys wait, and what is posted to it is dispatched as it is.
  if (!TakesInput(root)) return false;
  Form& form = peer->GetForm();
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 &&
      CyclePages(msg.hwnd, GetKeyState(VK_SHIFT) >= 0))
    return true;
  if (form.KeyPreview() && form.OnKeyPress) {
    if (msg.message == WM_CHAR && IsCharacterKey(msg.wParam)) {
      // The form sees a character beyond ASCII as 0x80, since one byte cannot hold it; the message
      // keeps its own character unless the form swallows it or puts another in its place.
      const char seen = msg.wParam < 0x80 ? static_cast<char>(msg.wParam) : '\x80';
      char key = seen;
      form.KeyPress(key);
      if (key == 0 || !IsWindow(msg.hwnd)) return true;
      if (key != seen) msg.wParam = static_cast<unsigned char>(key);
    } else if (msg.message == WM_KEYDOWN && (msg.wParam == VK_ESCAPE || msg.wParam == VK_RETURN)) {
      // The dialog keys below take Esc and Enter at the key-down, so no character would follow;
      // make it now, for the form to see after the key's own action.
      TranslateMessage(&msg);
    }
  }
  if (peer->TranslateAccelerator(msg)) return true;
  // The dialog keys look for a mnemonic by walking the shown controls from the message's window
  // round to it again: from a window inside a hidden or disabled one they would never get back.
  if (!TakesInput(msg.hwnd)) return false;
  return IsDialogMessageW(root, &msg) != 0;
}

}  // namespace widgets::win32
