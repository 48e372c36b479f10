// The non-visual parts of a form: its timer (run by the scheduler) and its popup
// menu (a real menu and the short-cut table that goes with it).
#include <memory>
#include <string>
#include <vector>

#include "platform/utf.hpp"
#include "widgets/win32/backend.hpp"
#include "widgets/win32/peers.hpp"

namespace widgets::win32 {
namespace {

// A timer the scheduler runs (message_loop.hpp).
class TimerPeer : public ComponentPeer, public LoopTimer {
 public:
  TimerPeer(Backend& backend, Timer& timer) : loop_(backend.Loop()), timer_(timer) {
    timer_.AttachPeer(this);
    Restart();
  }
  ~TimerPeer() override {
    if (!detached_ && timer_.GetPeer() == this) timer_.AttachPeer(nullptr);
    loop_.Unschedule(*this);
  }
  void Changed(Prop what) override {
    if (what == Prop::Interval || what == Prop::Enabled) Restart();
  }
  void Fire() override { timer_.Tick(); }

 private:
  // A new interval counts afresh from now.
  void Restart() {
    interval = timer_.Interval();
    if (timer_.Enabled() && interval > 0)
      loop_.Schedule(*this);
    else
      loop_.Unschedule(*this);
  }

  MessageLoop& loop_;
  Timer& timer_;
};

std::string ShortCutText(const ShortCut& sc) {
  std::string text;
  if (sc.ctrl) text += "Ctrl+";
  if (sc.shift) text += "Shift+";
  if (sc.alt) text += "Alt+";
  if (sc.key >= VK_F1 && sc.key <= VK_F24)
    text += "F" + std::to_string(sc.key - VK_F1 + 1);
  else
    text += static_cast<char>(sc.key);
  return text;
}

class MenuPeer : public MenuPeerBase {
 public:
  MenuPeer(Backend& backend, PopupMenu& menu) : backend_(backend), menu_(menu) {
    menu_.AttachPeer(this);
    Build();
  }
  ~MenuPeer() override {
    *alive_ = false;
    if (!detached_ && menu_.GetPeer() == this) menu_.AttachPeer(nullptr);
    Free();
  }
  void Changed(Prop) override {}
  HMENU Menu() const override { return handle_; }
  HACCEL Accelerators() const override { return accel_; }

  // The menu is made afresh from the items, which OnPopup may just have changed. The owner comes
  // to the foreground first, and gets a message afterwards: without both, a menu popped up for
  // a window that is not active (a hidden one, the tray's) stays open when the user clicks
  // elsewhere. The chosen item's handler runs once the menu has closed.
  void TrackAt(int x, int y, WindowHandle owner) override {
    Build();
    if (!handle_) return;
    HWND hwnd = reinterpret_cast<HWND>(owner);
    if (hwnd) SetForegroundWindow(hwnd);
    const UINT button = menu_.GetTrackButton() == TrackButton::Left ? TPM_LEFTBUTTON : TPM_RIGHTBUTTON;
    const std::shared_ptr<bool> alive = alive_;  // a handler may destroy the menu meanwhile
    const UINT cmd = TrackPopupMenu(handle_, TPM_RETURNCMD | TPM_LEFTALIGN | button, x, y, 0, hwnd, nullptr);
    if (hwnd) PostMessageW(hwnd, WM_NULL, 0, 0);
    if (*alive && !detached_ && cmd >= kFirstCommand) menu_.ClickItem(static_cast<int>(cmd - kFirstCommand));
  }

 private:
  void Build() {
    Free();
    handle_ = CreatePopupMenu();
    std::vector<ACCEL> accels;
    UINT id = kFirstCommand;
    for (const MenuItem& item : menu_.Items()) {
      if (item.IsSeparator()) {
        AppendMenuW(handle_, MF_SEPARATOR, 0, nullptr);
      } else {
        std::string text = item.caption;
        if (item.shortCut.key) text += "\t" + ShortCutText(item.shortCut);
        AppendMenuW(handle_, MF_STRING, id, platform::Utf8ToUtf16(text).c_str());
        if (item.shortCut.key) {
          BYTE flags = FVIRTKEY;
          if (item.shortCut.alt) flags |= FALT;
          if (item.shortCut.ctrl) flags |= FCONTROL;
          if (item.shortCut.shift) flags |= FSHIFT;
          accels.push_back(ACCEL{flags, item.shortCut.key, static_cast<WORD>(id)});
        }
      }
      ++id;
    }
    if (!accels.empty()) accel_ = CreateAcceleratorTableW(accels.data(), static_cast<int>(accels.size()));
  }
  void Free() {
    if (handle_) DestroyMenu(handle_);
    if (accel_) DestroyAcceleratorTable(accel_);
    handle_ = nullptr;
    accel_ = nullptr;
  }

  Backend& backend_;
  PopupMenu& menu_;
  HMENU handle_ = nullptr;
  HACCEL accel_ = nullptr;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace

std::unique_ptr<ComponentPeer> MakeTimerPeer(Backend& backend, Timer& timer) {
  return std::make_unique<TimerPeer>(backend, timer);
}

std::unique_ptr<MenuPeerBase> MakeMenuPeer(Backend& backend, PopupMenu& menu) {
  return std::make_unique<MenuPeer>(backend, menu);
}

}  // namespace widgets::win32
