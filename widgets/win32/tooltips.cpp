#include "widgets/win32/tooltips.hpp"

#include <commctrl.h>
#include <windowsx.h>

#include "platform/utf.hpp"
#include "widgets/win32/window_peer.hpp"

namespace widgets::win32 {

Tooltips::~Tooltips() {
  if (tooltip_) DestroyWindow(tooltip_);
}

void Tooltips::Drop(HWND hwnd) {
  if (!tooltip_ || !tipped_.count(hwnd)) return;
  TOOLINFOW ti{};
  ti.cbSize = TTTOOLINFOW_V1_SIZE;
  ti.hwnd = GetParent(hwnd);
  ti.uId = reinterpret_cast<UINT_PTR>(hwnd);
  SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  tipped_.erase(hwnd);
}

void Tooltips::Pop() {
  if (tooltip_) SendMessageW(tooltip_, TTM_POP, 0, 0);
}

void Tooltips::Relay(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (!tooltip_ || !tipped_.count(hwnd)) return;
  const DWORD pos = GetMessagePos();
  MSG m{hwnd, msg, wp, lp, static_cast<DWORD>(GetMessageTime()), {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)}};
  SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&m));
}

void Tooltips::HintChanged(WindowPeer& peer) {
  Control& c = peer.Model();
  HWND hwnd = peer.Hwnd();
  if (!hwnd) return;
  if (!tooltip_) {
    // Owned by no window: under Wine a window that owns a topmost one is never made topmost
    // itself ("Stay on Top").
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               nullptr, nullptr, instance_, nullptr);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, maxWidth_);
  }
  TOOLINFOW ti{};
  ti.cbSize = TTTOOLINFOW_V1_SIZE;
  ti.uFlags = TTF_IDISHWND;  // the peer relays the mouse (Relay): no subclass per tool
  ti.hwnd = GetParent(hwnd);
  ti.uId = reinterpret_cast<UINT_PTR>(hwnd);
  ti.hinst = instance_;
  // Rewritten on every mouse move over a value panel: one buffer, kept.
  hint16_.clear();
  platform::AppendUtf16(hint16_, c.Hint());
  ti.lpszText = hint16_.data();
  const bool want = c.ShowHint() && !c.Hint().empty();
  const bool has = tipped_.count(hwnd) != 0;
  if (want && !has) {
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    tipped_.insert(hwnd);
  } else if (want) {
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
  } else if (has) {
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    tipped_.erase(hwnd);
  }
}

}  // namespace widgets::win32
