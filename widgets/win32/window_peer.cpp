#include "widgets/win32/window_peer.hpp"

#include <commctrl.h>
#include <windowsx.h>

#include <unordered_map>

#include "platform/utf.hpp"
#include "widgets/win32/backend.hpp"
#include "widgets/win32/keys.hpp"

namespace widgets::win32 {
namespace {

// Our windows and their peers. Looked up on every message, so it stays in this process: a window
// property would cost two trips to the window server under Wine (atom and property).
std::unordered_map<HWND, WindowPeer*>& Peers() {
  static std::unordered_map<HWND, WindowPeer*> peers;
  return peers;
}


// Whether the zero-terminated text is the same as `text`, read no further than that one is long.
bool SameText(const std::wstring& text, const wchar_t* other) {
  for (size_t i = 0; i < text.size(); ++i)
    if (other[i] != text[i]) return false;
  return other[text.size()] == 0;
}

ShiftState ShiftFromKeys(WPARAM keys) {
  ShiftState s = 0;
  if (keys & MK_SHIFT) s |= ssShift;
  if (keys & MK_CONTROL) s |= ssCtrl;
  if (keys & MK_LBUTTON) s |= ssLeft;
  if (keys & MK_RBUTTON) s |= ssRight;
  if (keys & MK_MBUTTON) s |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

}  // namespace

WindowPeer::~WindowPeer() {
  if (!detached_ && control_.GetPeer() == this) control_.AttachPeer(nullptr);
  detached_ = true;
  if (!hwnd_) return;
  HWND hwnd = hwnd_;
  backend_.Tips().Drop(hwnd);
  DestroyWindow(hwnd);  // its WM_NCDESTROY clears hwnd_, the property and the subclass
  if (hwnd_) {          // not destroyed (another thread's window): at least forget it
    if (auto it = Peers().find(hwnd); it != Peers().end() && it->second == this) Peers().erase(it);
    if (systemProc_ && GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(SystemClassProc))
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc_));
    hwnd_ = nullptr;
  }
}

WindowPeer* WindowPeer::FromHwnd(HWND hwnd) {
  if (!hwnd) return nullptr;
  const auto it = Peers().find(hwnd);
  return it != Peers().end() ? it->second : nullptr;
}

RECT WindowPeer::ScaledBounds() const {
  const Rect& b = control_.Bounds();
  return RECT{backend_.Scale(b.left), backend_.Scale(b.top), backend_.Scale(b.left + b.width),
              backend_.Scale(b.top + b.height)};
}

const std::wstring& WindowPeer::Caption16() {
  caption16_.clear();
  platform::AppendUtf16(caption16_, control_.Caption());
  return caption16_;
}

HWND WindowPeer::CreateChild(HWND parent, const wchar_t* cls, DWORD style, DWORD exStyle, const RECT* bounds) {
  const RECT r = bounds ? *bounds : ScaledBounds();
  if (control_.Visible() && !createHidden_) style |= WS_VISIBLE;
  if (!control_.Enabled()) style |= WS_DISABLED;
  HWND hwnd = CreateWindowExW(exStyle, cls, Caption16().c_str(), style | WS_CHILD, r.left, r.top, r.right - r.left,
                              r.bottom - r.top, parent, nullptr, backend_.Instance(), this);
  return hwnd;
}

void WindowPeer::Adopt(HWND hwnd) {
  hwnd_ = hwnd;
  if (!hwnd_) return;
  Peers()[hwnd_] = this;
  control_.AttachPeer(this);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(backend_.Gdi().FontFor(control_.GetFont())), FALSE);
}

void WindowPeer::Subclass() {
  // The window procedure itself is replaced (one call), not chained through SetWindowSubclass,
  // whose bookkeeping lives in window properties: under Wine a trip to the window server at
  // creation and again on every message.
  if (hwnd_)
    systemProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SystemClassProc)));
}

void WindowPeer::Changed(Prop what) {
  if (!hwnd_) return;
  switch (what) {
    case Prop::Caption:
      SetWindowTextW(hwnd_, Caption16().c_str());
      break;
    case Prop::Bounds: {
      const RECT r = ScaledBounds();
      SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case Prop::Visible:
      ShowWindow(hwnd_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Prop::Enabled:
      EnableWindow(hwnd_, control_.Enabled());
      break;
    case Prop::Font:
      SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(backend_.Gdi().FontFor(control_.GetFont())), FALSE);
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case Prop::Color:
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case Prop::Hint:
    case Prop::ShowHint:
      backend_.Tips().HintChanged(*this);
      break;
    default:
      break;
  }
}

bool WindowPeer::OnReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  switch (msg) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      result = ColorStatic(reinterpret_cast<HDC>(wp));
      return true;
    default:
      return false;
  }
}

LRESULT WindowPeer::ColorStatic(HDC dc) {
  SetTextColor(dc, GdiCache::ToColorRef(control_.Enabled() ? control_.GetFont().color : SystemColor(COLOR_GRAYTEXT)));
  SetBkColor(dc, GdiCache::ToColorRef(control_.GetColor()));
  return reinterpret_cast<LRESULT>(backend_.Gdi().BrushFor(control_.GetColor()));
}

bool WindowPeer::Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  HWND child = nullptr;
  switch (msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      child = reinterpret_cast<HWND>(lp);
      break;
    case WM_NOTIFY:
      child = reinterpret_cast<NMHDR*>(lp)->hwndFrom;
      break;
    case WM_DRAWITEM:
      child = reinterpret_cast<DRAWITEMSTRUCT*>(lp)->hwndItem;
      break;
    default:
      return false;
  }
  WindowPeer* peer = FromHwnd(child);
  return peer && peer->OnReflected(msg, wp, lp, result);
}

bool WindowPeer::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (Reflect(msg, wp, lp, result)) return true;
  switch (msg) {
    case WM_SETTEXT:
      // Our own SetWindowText passes the caption (as Caption16 made it just before); any other
      // text (from another program) is refused, so the window text and what the control shows
      // never part.
      if (textIsCaption_ && (!lp || !SameText(caption16_, reinterpret_cast<const wchar_t*>(lp)))) {
        result = FALSE;
        return true;
      }
      return false;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
      const bool dbl = msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
      const MouseButton button = (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK)   ? MouseButton::Left
                                 : (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK) ? MouseButton::Right
                                                                                       : MouseButton::Middle;
      ShiftState shift = ShiftFromKeys(wp);
      if (dbl) shift |= ssDouble;
      control_.MouseDown(button, shift, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      if (dbl && button == MouseButton::Left) control_.DblClick();
      return false;
    }
    case WM_MOUSEMOVE:
      control_.MouseMove(ShiftFromKeys(wp), GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      return false;
    case WM_SETCURSOR: {
      if (LOWORD(lp) != HTCLIENT) return false;
      const Cursor screen = backend_.App().ScreenCursor();
      const Cursor c = screen != crDefault ? screen : control_.GetCursor();
      if (c == crDefault) return false;
      SetCursor(backend_.CursorHandle(c));
      result = TRUE;
      return true;
    }
    default:
      return false;
  }
}

LRESULT WindowPeer::Dispatch(UINT msg, WPARAM wp, LPARAM lp, bool ownClass) {
  HWND hwnd = hwnd_;
  LRESULT result = 0;
  bool handled = false;
  try {
    if (!detached_) {
      if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) backend_.Tips().Relay(hwnd, msg, wp, lp);
      handled = HandleMessage(msg, wp, lp, result);
      // The focus never rests on a hidden or disabled control, however it came to be hidden. The
      // system may move it only off the window hidden itself (Wine does), not off one inside it.
      if ((msg == WM_WINDOWPOSCHANGED && (reinterpret_cast<const WINDOWPOS*>(lp)->flags & SWP_HIDEWINDOW)) ||
          (msg == WM_ENABLE && !wp))
        FocusLeaves(hwnd);
    }
  } catch (...) {
    // Nothing may cross back into Windows; the message gets its default processing instead.
    OutputDebugStringW(L"Orvane: a handler failed; the message was dropped\n");
    handled = false;
  }
  if (msg == WM_NCDESTROY) {
    if (auto it = Peers().find(hwnd); it != Peers().end() && it->second == this) Peers().erase(it);
    hwnd_ = nullptr;
  }
  if (handled) return result;
  return ownClass ? DefWindowProcW(hwnd, msg, wp, lp) : CallWindowProcW(systemProc_, hwnd, msg, wp, lp);
}

LRESULT CALLBACK WindowPeer::OwnClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  WindowPeer* peer = FromHwnd(hwnd);
  if (!peer && msg == WM_NCCREATE) {
    peer = static_cast<WindowPeer*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    if (peer) {
      peer->hwnd_ = hwnd;
      Peers()[hwnd] = peer;
    }
  }
  if (!peer) return DefWindowProcW(hwnd, msg, wp, lp);
  return peer->Dispatch(msg, wp, lp, true);
}

LRESULT CALLBACK WindowPeer::SystemClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  WindowPeer* peer = FromHwnd(hwnd);
  if (peer && peer->systemProc_) return peer->Dispatch(msg, wp, lp, false);
  // No peer any more (it let go of a window it could not destroy): the class's own procedure.
  return CallWindowProcW(reinterpret_cast<WNDPROC>(GetClassLongPtrW(hwnd, GCLP_WNDPROC)), hwnd, msg, wp, lp);
}

}  // namespace widgets::win32
