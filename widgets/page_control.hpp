#pragma once
// A row of tabs over pages. Each page is a TabSheet child; only the active one shows.
#include <vector>

#include "widgets/control.hpp"

namespace widgets {

class TabSheet : public Control {
 public:
  TabSheet() : Control(ControlKind::TabSheet) {}
  // A sheet's Visible is its content's; its tab stays and can still be selected.
};

class PageControl : public Control {
 public:
  PageControl() : Control(ControlKind::PageControl) {}

  // The sheets, in tab order (the children that are tab sheets).
  std::vector<TabSheet*> Pages() const;
  int PageCount() const { return static_cast<int>(Pages().size()); }

  int ActivePageIndex() const { return active_; }
  TabSheet* ActivePage() const;
  // Programmatic selection: no change event.
  void SetActivePageIndex(int index);
  // The user picks a tab: the page becomes active and OnChange fires.
  void SelectPage(int index);

  // Tabs highlight under the mouse.
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool on) { Assign(hotTrack_, on, Prop::Options); }
  // The page after (or before) the active one, wrapping round; the user's choice (OnChange).
  void SelectNextPage(bool forward);

  NotifyEvent OnChange;

 private:
  int active_ = 0;
  bool hotTrack_ = false;
};

}  // namespace widgets
