#pragma once
// TTrayCtrl: a non-visual component that owns one icon in the notification area. It shows an icon
// with a tooltip, can blink it or cycle through an image list on its own timer, pops up a menu
// from it and turns the mouse on it into events. The shell reports that mouse activity to a hidden
// window of the component's own.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/tray.hpp"
#include "widgets/application.hpp"
#include "widgets/components.hpp"

// Names of the hidden window every component makes.
inline constexpr const char* kTrayWindowClass = "KvTrayCtrlClass";
inline constexpr const char* kTrayWindowTitle = "Kelvo Tray Controller v1.3";
// The message the shell sends for the mouse on the icon (lParam is the mouse message).
inline constexpr std::uint32_t kTrayCallbackMessage = 0x0401;

class TTrayCtrl : public widgets::Component {
 public:
  using NotifyEvent = std::function<void(widgets::Component& sender)>;
  using MouseEvent = std::function<void(widgets::Component& sender, widgets::MouseButton button,
                                        widgets::ShiftState shift, int x, int y)>;
  using MouseMoveEvent = std::function<void(widgets::Component& sender, widgets::ShiftState shift, int x, int y)>;

  // The application processes pending messages before a menu pops up. The icon is not shown
  // until Visible becomes true.
  explicit TTrayCtrl(widgets::Application& app);
  // Removes the icon from the notification area (shown or not) and frees the window, the icons
  // and the timer.
  ~TTrayCtrl() override;

  // After the properties were loaded: puts the hint into the tooltip if ShowHint says so, then
  // refreshes. Does not add the icon.
  void AfterLoad();

  // The hidden window (0 if it could not be made).
  platform::WindowHandle Handle() const { return record_.hWnd; }

  // The normal icon and the one shown while disabled. Setting one stores the component's own
  // copy (the caller keeps its handle); the handles returned belong to the component.
  platform::IconHandle Icon() const { return icon_; }
  void SetIcon(platform::IconHandle icon);
  platform::IconHandle IconDisabled() const { return iconDisabled_; }
  void SetIconDisabled(platform::IconHandle icon);

  // The image list UseIconList and CycleIcons take icons from; not owned, forgotten when it is
  // destroyed.
  widgets::ImageList* IconList() const { return iconList_; }
  void SetIconList(widgets::ImageList* list);
  bool UseIconList() const { return useIconList_; }
  void SetUseIconList(bool on);
  int IconIndex() const { return iconIndex_; }
  void SetIconIndex(int index);  // no range test: an index outside the list shows no icon

  // Period of blinking and cycling in ms; 0 stops them while their switches stay on.
  unsigned TimerInterval() const { return timer_.Interval(); }
  void SetTimerInterval(unsigned ms);
  bool CycleIcons() const { return cycleIcons_; }
  void SetCycleIcons(bool on);
  bool BlinkIcon() const { return blinkIcon_; }
  void SetBlinkIcon(bool on);

  // The menu the icon pops up; not owned, forgotten when it is destroyed.
  widgets::PopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(widgets::PopupMenu* menu);

  // The tooltip text, at most 64 characters (the tooltip shows 63). Setting it always puts it into
  // the tooltip; ShowHint false empties the tooltip, true puts the hint back.
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string_view hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool on);

  // Disabled: the disabled icon, and no mouse events or menu.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  // Whether the icon is in the notification area.
  bool Visible() const { return visible_; }
  void SetVisible(bool on);

  NotifyEvent OnClick;
  NotifyEvent OnDblClick;
  NotifyEvent OnCycle;
  NotifyEvent OnMenuPopup;
  MouseEvent OnMouseDown;
  MouseEvent OnMouseUp;
  MouseMoveEvent OnMouseMove;

  // Chooses the icon (the blink phase is the component's Tag) and hands the record to the shell.
  void UpdateIcon();
  // Shows PopupMenu at the screen point, for the hidden window.
  void ShowPopupMenu(int x, int y);
  // The hidden window's messages.
  void WndProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
  // One period of the timer: the next icon of the list when cycling, then a refresh.
  void TimerTick(widgets::Component& sender);

 private:
  // Stores a property and refreshes; nothing at all when it has that value already.
  template <class T>
  void StoreAndRefresh(T& field, T value);
  // Blinking and cycling: the timer runs while either is on; switching one on takes a step at once.
  void SetSwitch(bool& which, bool on);
  void IconNotify(std::uint32_t mouseMessage);
  // Adds or removes the icon as Visible says, then refreshes.
  void ApplyVisible();
  // Puts the hint into the tooltip, or empties it.
  void SetTip(bool withHint);
  bool TipIs(bool withHint) const;
  // Runs the real timer exactly while the widget timer is enabled with a period.
  void SyncTimer();
  void SetTimerRunning(bool on);
  // Replaces an owned icon by a copy of `icon`, refreshes, then frees the old one.
  void ReplaceIcon(platform::IconHandle& slot, platform::IconHandle icon);
  // Forgets the menu, and that this component popped it up.
  void DropPopupMenu();

  platform::NotifyIconRecord record_;
  widgets::Timer timer_;
  std::string hint_;
  platform::IconHandle icon_ = 0;
  platform::IconHandle iconDisabled_ = 0;
  // The last icon taken from the image list: the shell shows it until its successor is sent.
  platform::IconHandle listIcon_ = 0;
  widgets::PopupMenu* popupMenu_ = nullptr;
  widgets::ImageList* iconList_ = nullptr;
  int popupMenuKey_ = 0;
  int iconListKey_ = 0;
  int iconIndex_ = 0;
  bool useIconList_ = false;
  bool showHint_ = true;
  bool enabled_ = true;
  bool visible_ = false;
  bool cycleIcons_ = false;
  bool blinkIcon_ = false;
  std::uint32_t taskbarCreated_ = 0;
  widgets::Application& app_;
};
