#include "widgets/page_control.hpp"

namespace widgets {

std::vector<TabSheet*> PageControl::Pages() const {
  std::vector<TabSheet*> pages;
  for (Control* c : Children())
    if (c->Kind() == ControlKind::TabSheet) pages.push_back(static_cast<TabSheet*>(c));
  return pages;
}

TabSheet* PageControl::ActivePage() const {
  const auto pages = Pages();
  return active_ >= 0 && active_ < static_cast<int>(pages.size()) ? pages[active_] : nullptr;
}

void PageControl::SetActivePageIndex(int index) {
  if (index < 0 || index >= PageCount() || index == active_) return;
  active_ = index;
  Changed(Prop::ActivePage);
}

void PageControl::SelectPage(int index) {
  if (!Enabled() || index < 0 || index >= PageCount() || index == active_) return;
  active_ = index;
  Changed(Prop::ActivePage);
  if (OnChange) OnChange(*this);
}

void PageControl::SelectNextPage(bool forward) {
  const int n = PageCount();
  if (n < 2) return;
  SelectPage((active_ + (forward ? 1 : n - 1)) % n);
}

}  // namespace widgets
