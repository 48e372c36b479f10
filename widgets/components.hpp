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

// A context menu with short-cuts that work while its form is active.
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

 private:
  std::vector<MenuItem> items_;
};

// Small icons that list views show. The backend keeps its own copy of each icon added.
class ImageList : public Component {
 public:
  int Count() const { return static_cast<int>(icons_.size()); }
  // Adds a copy of the icon (the caller keeps its handle); returns its index.
  int AddIcon(IconHandle icon);
  void Clear();
  const std::vector<IconHandle>& Icons() const { return icons_; }

 private:
  std::vector<IconHandle> icons_;
};

}  // namespace widgets
