#include "tray/tray_ctrl.hpp"

#include <algorithm>
#include <cstring>

#include "platform/files.hpp"

namespace {

using platform::TrayMouse;

constexpr std::uintptr_t kTimerId = 1;
constexpr std::size_t kMaxHint = 64;
constexpr std::size_t kMaxTip = platform::kNotifyTipSize - 1;

// Keeps a pointer to a component that may be destroyed first: the pointer is cleared then.
template <class T>
void Link(T*& ref, int& key, T* target) {
  ref = target;
  key = 0;
  if (!target) return;
  key = target->AddFreeNotification([&ref, &key](widgets::Component&) {
    ref = nullptr;
    key = 0;
  });
}

template <class T>
void Unlink(T*& ref, int& key) {
  if (ref) ref->RemoveFreeNotification(key);
  ref = nullptr;
  key = 0;
}

}  // namespace

TTrayCtrl::TTrayCtrl(widgets::Application& app) : app_(app) {
  record_.cbSize = platform::kNotifyIconRecordSize;
  record_.uID = 0;
  record_.uFlags = platform::kNifMessage | platform::kNifIcon | platform::kNifTip;
  record_.uCallbackMessage = kTrayCallbackMessage;
  taskbarCreated_ = platform::TaskbarCreatedMessage();
  record_.hWnd = platform::CreateMessageWindow(
      kTrayWindowClass, kTrayWindowTitle,
      [this](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) { WndProc(message, wParam, lParam); });
  timer_.SetEnabled(false);
  timer_.SetInterval(500);
  timer_.OnTimer = [this](widgets::Component& sender) { TimerTick(sender); };
}

TTrayCtrl::~TTrayCtrl() {
  // The icon goes even while Visible is true: nothing could remove it after this.
  platform::NotifyIcon(platform::NotifyIconAction::Delete, record_);
  platform::DestroyMessageWindow(record_.hWnd, kTrayWindowClass);  // its timer stops with it
  platform::DestroyIconHandle(icon_);
  platform::DestroyIconHandle(iconDisabled_);
  platform::DestroyIconHandle(listIcon_);
  DropPopupMenu();
  Unlink(iconList_, iconListKey_);
}

void TTrayCtrl::DropPopupMenu() {
  if (popupMenu_ && popupMenu_->PopupComponent == this) popupMenu_->PopupComponent = nullptr;
  Unlink(popupMenu_, popupMenuKey_);
}

void TTrayCtrl::AfterLoad() {
  if (showHint_) SetTip(true);
  UpdateIcon();
}

void TTrayCtrl::ReplaceIcon(platform::IconHandle& slot, platform::IconHandle icon) {
  if (icon == slot) return;  // the component's own icon handed back
  const platform::IconHandle old = slot;
  slot = icon ? platform::CopyIconHandle(icon) : 0;
  UpdateIcon();
  platform::DestroyIconHandle(old);  // the shell has its successor by now
}

void TTrayCtrl::SetIcon(platform::IconHandle icon) { ReplaceIcon(icon_, icon); }

void TTrayCtrl::SetIconDisabled(platform::IconHandle icon) { ReplaceIcon(iconDisabled_, icon); }

void TTrayCtrl::SetIconList(widgets::ImageList* list) {
  if (list == iconList_) return;
  Unlink(iconList_, iconListKey_);
  Link(iconList_, iconListKey_, list);
  UpdateIcon();
}

template <class T>
void TTrayCtrl::StoreAndRefresh(T& field, T value) {
  if (value == field) return;
  field = value;
  UpdateIcon();
}

void TTrayCtrl::SetUseIconList(bool on) { StoreAndRefresh(useIconList_, on); }

void TTrayCtrl::SetIconIndex(int index) { StoreAndRefresh(iconIndex_, index); }

void TTrayCtrl::SetTimerInterval(unsigned ms) {
  if (ms == timer_.Interval()) return;
  timer_.SetInterval(ms);
  if (timer_.Enabled()) SyncTimer();
  UpdateIcon();
}

void TTrayCtrl::SetCycleIcons(bool on) { SetSwitch(cycleIcons_, on); }

void TTrayCtrl::SetBlinkIcon(bool on) { SetSwitch(blinkIcon_, on); }

void TTrayCtrl::SetSwitch(bool& which, bool on) {
  if (on == which) return;
  which = on;
  SetTimerRunning(cycleIcons_ || blinkIcon_);
  if (on) TimerTick(timer_);  // the first step at once
  UpdateIcon();
}

void TTrayCtrl::SetPopupMenu(widgets::PopupMenu* menu) {
  if (menu == popupMenu_) return;
  DropPopupMenu();
  Link(popupMenu_, popupMenuKey_, menu);
}

void TTrayCtrl::SetHint(std::string_view hint) {
  hint = hint.substr(0, kMaxHint);
  if (hint == hint_) return;
  hint_.assign(hint);
  SetTip(true);  // whatever ShowHint says
  UpdateIcon();
}

void TTrayCtrl::SetShowHint(bool on) {
  if (on == showHint_ && TipIs(on)) return;
  showHint_ = on;
  SetTip(on);
  UpdateIcon();
}

void TTrayCtrl::SetTip(bool withHint) {
  std::memset(record_.szTip, 0, sizeof record_.szTip);
  if (withHint) std::memcpy(record_.szTip, hint_.data(), std::min(hint_.size(), kMaxTip));
}

bool TTrayCtrl::TipIs(bool withHint) const {
  char expected[platform::kNotifyTipSize] = {};
  if (withHint) std::memcpy(expected, hint_.data(), std::min(hint_.size(), kMaxTip));
  return std::memcmp(expected, record_.szTip, sizeof expected) == 0;
}

void TTrayCtrl::SetEnabled(bool on) { StoreAndRefresh(enabled_, on); }

void TTrayCtrl::SetVisible(bool on) {
  if (on == visible_) return;
  visible_ = on;
  ApplyVisible();
}

void TTrayCtrl::ApplyVisible() {
  platform::NotifyIcon(visible_ ? platform::NotifyIconAction::Add : platform::NotifyIconAction::Delete, record_);
  UpdateIcon();
}

void TTrayCtrl::SetTimerRunning(bool on) {
  if (on == timer_.Enabled()) return;
  timer_.SetEnabled(on);
  SyncTimer();
}

void TTrayCtrl::SyncTimer() {
  // A period of 0 would make the system tick at its shortest period; it means no ticks here.
  if (timer_.Enabled() && timer_.Interval() > 0)
    platform::StartWindowTimer(Handle(), kTimerId, timer_.Interval());
  else
    platform::StopWindowTimer(Handle(), kTimerId);
}

void TTrayCtrl::UpdateIcon() {
  const bool fromList = iconList_ && (useIconList_ || cycleIcons_);
  const int listIndex = iconIndex_;
  bool blinkPhase = false;
  if (blinkIcon_) {
    // Each refresh flips the phase; in phase 1 the normal icon shows whatever else would.
    iconIndex_ = (iconIndex_ ^ 1) & 127;
    SetTag((Tag() ^ 1) & 127);
    blinkPhase = Tag() == 1;
  }
  platform::IconHandle fresh = 0;
  if (blinkPhase)
    record_.hIcon = icon_;
  else if (fromList)
    record_.hIcon = fresh = iconList_->GetIcon(listIndex);
  else
    record_.hIcon = enabled_ ? icon_ : iconDisabled_;
  platform::NotifyIcon(platform::NotifyIconAction::Modify, record_);
  // The shell keeps its own copy: the list icon it showed before is no longer needed.
  platform::DestroyIconHandle(listIcon_);
  listIcon_ = fresh;
}

void TTrayCtrl::ShowPopupMenu(int x, int y) {
  if (!popupMenu_) return;
  // The menu must belong to the foreground window, or it stays open when the user clicks away.
  platform::BringToForeground(Handle());
  app_.ProcessMessages();
  if (!popupMenu_) return;  // a handler that ran meanwhile destroyed it
  popupMenu_->PopupComponent = this;
  if (OnMenuPopup) OnMenuPopup(*this);
  if (popupMenu_) popupMenu_->Popup(x, y, Handle());
}

void TTrayCtrl::WndProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  if (message == kTrayCallbackMessage)
    IconNotify(static_cast<std::uint32_t>(lParam));
  else if (message == platform::kTimerMessage && wParam == kTimerId)
    timer_.Tick();
  else if (message == platform::kPaintIconMessage || (taskbarCreated_ && message == taskbarCreated_))
    ApplyVisible();
  else if (message == platform::kEndSessionMessage && wParam != 0)  // the icon would outlive the process
    platform::NotifyIcon(platform::NotifyIconAction::Delete, record_);
}

void TTrayCtrl::IconNotify(std::uint32_t message) {
  const auto mouse = static_cast<TrayMouse>(message);
  if (!enabled_) return;
  if (mouse == TrayMouse::Move && !OnMouseMove) return;
  const platform::PointerState pointer = platform::QueryPointerState();
  widgets::ShiftState shift = 0;
  if (pointer.shift) shift |= widgets::ssShift;
  if (pointer.ctrl) shift |= widgets::ssCtrl;
  if (pointer.alt) shift |= widgets::ssAlt;
  widgets::MouseButton button = widgets::MouseButton::Left;
  if (mouse == TrayMouse::RightDown || mouse == TrayMouse::RightUp) button = widgets::MouseButton::Right;
  if (mouse == TrayMouse::MiddleDown || mouse == TrayMouse::MiddleUp) button = widgets::MouseButton::Middle;
  switch (button) {
    case widgets::MouseButton::Left: shift |= widgets::ssLeft; break;
    case widgets::MouseButton::Right: shift |= widgets::ssRight; break;
    case widgets::MouseButton::Middle: shift |= widgets::ssMiddle; break;
  }
  const int x = pointer.x;
  const int y = pointer.y;

  // The menu comes first: OnMouseUp of the button that pops it up fires once it has closed.
  if (popupMenu_ && popupMenu_->AutoPopup) {
    const widgets::TrackButton track = popupMenu_->GetTrackButton();
    if ((mouse == TrayMouse::RightUp && track == widgets::TrackButton::Right) ||
        (mouse == TrayMouse::LeftUp && track == widgets::TrackButton::Left))
      ShowPopupMenu(x, y);
  }

  switch (mouse) {
    case TrayMouse::Move:
      OnMouseMove(*this, shift, x, y);
      break;
    case TrayMouse::LeftDown:
    case TrayMouse::RightDown:
    case TrayMouse::MiddleDown:
      if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
      break;
    case TrayMouse::LeftUp:
      if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
      if (OnClick) OnClick(*this);
      break;
    case TrayMouse::LeftDoubleClick:
      if (OnDblClick) OnDblClick(*this);
      break;
    case TrayMouse::RightUp:
    case TrayMouse::MiddleUp:
      if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
      break;
    default:
      break;
  }
}

void TTrayCtrl::TimerTick(widgets::Component&) {
  if (cycleIcons_ && iconList_) {
    const int last = iconList_->Count() - 1;
    iconIndex_ = (iconIndex_ < 0 || iconIndex_ >= last) ? 0 : iconIndex_ + 1;
    if (OnCycle) OnCycle(*this);
  }
  UpdateIcon();
}
