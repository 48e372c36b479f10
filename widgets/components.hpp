#pragma once
// The non-visual parts of a form: timer, popup menu, image list.
#include <functional>
#include <string>
#include <vector>

#include "widgets/control.hpp"

namespace widgets {

// Ticks every Interval milliseconds while enabled. A new interval starts counting afresh.
class Timer : public Component {
 public:
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  // One tick (the backend calls this; so do tests).
  void Tick();

  std::function<void(Component& sender)> OnTimer;

 private:
  unsigned interval_ = 1000;
  bool enabled_ = true;
};

struct MenuItem {
  std::string name;
  std::string caption;  // "-" is a separator
  ShortCut shortCut;
  std::function<void()> onClick;
  bool IsSeparator() const { return caption == "-"; }
};

// Which mouse button picks an item of a popped-up menu (the other one dismisses it).
enum class TrackButton : std::uint8_t { Left, Right };

// The peer of a popup menu: shows the real menu.
class PopupMenuPeer : public Peer {
 public:
  // Shows the menu at the screen point for the owner window and returns once the user picked an
  // item (its handler has run) or dismissed the menu.
  virtual void TrackAt(int x, int y, WindowHandle owner) = 0;
};

// A context menu with short-cuts that work while its form is active. Any component can also pop
// it up at a screen point for a window of its own.
class PopupMenu : public Component {
 public:
  const std::vector<MenuItem>& Items() const { return items_; }
  void AddItem(MenuItem item) { items_.push_back(std::move(item)); }
  // The user picks item i (from the menu or by its short-cut).
  void ClickItem(int i);
  // The item whose short-cut this is, or -1.
  int FindShortCut(const ShortCut& sc) const;
  // Whether short-cuts and mnemonics are invented for items that lack them.
  bool AutoHotkeys = false;
  // Whether a component that shows the menu on a click of its own (a tray icon) may pop it up.
  bool AutoPopup = true;
  // The component that popped the menu up last; that component clears it when it goes.
  Component* PopupComponent = nullptr;

  TrackButton GetTrackButton() const { return trackButton_; }
  void SetTrackButton(TrackButton b) { trackButton_ = b; }
  // Raised just before the menu pops up, so the owner can adjust its items.
  std::function<void(Component& sender)> OnPopup;
  // Raises OnPopup, then shows the menu at the screen point (x, y) for the owner window. With no
  // peer (tests) only the event is raised.
  void Popup(int x, int y, WindowHandle owner);

 private:
  std::vector<MenuItem> items_;
  TrackButton trackButton_ = TrackButton::Right;
};

// Small icons that list views and tray icons show. The list owns a copy of every icon added and
// releases them all when it is cleared or destroyed.
class ImageList : public Component {
 public:
  ImageList() = default;
  ~ImageList() override;

  int Count() const { return static_cast<int>(icons_.size()); }
  // Adds the list's own copy of the icon (the caller keeps its handle and may destroy it at once);
  // returns its index, or -1 when the icon cannot be copied.
  int AddIcon(IconHandle icon);
  // A new copy of icon `index` that the caller owns (free it with platform::DestroyIconHandle);
  // 0 when the index is outside the list.
  IconHandle GetIcon(int index) const;
  // Releases every icon.
  void Clear();
  // The list's own handles, valid while the list holds them.
  const std::vector<IconHandle>& Icons() const { return icons_; }

 private:
  std::vector<IconHandle> icons_;
};

}  // namespace widgets
