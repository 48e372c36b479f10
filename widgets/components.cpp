#include "widgets/components.hpp"

#include "platform/files.hpp"

namespace widgets {

void Timer::SetInterval(unsigned ms) {
  if (ms == interval_) return;
  interval_ = ms;
  Changed(Prop::Interval);
}

void Timer::SetEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  Changed(Prop::Enabled);
}

void Timer::Tick() {
  if (enabled_ && interval_ > 0 && OnTimer) OnTimer(*this);
}

void PopupMenu::ClickItem(int i) {
  if (i < 0 || i >= static_cast<int>(items_.size()) || items_[i].IsSeparator()) return;
  if (items_[i].onClick) items_[i].onClick();
}

void PopupMenu::Popup(int x, int y, WindowHandle owner) {
  if (OnPopup) OnPopup(*this);
  if (auto* peer = dynamic_cast<PopupMenuPeer*>(GetPeer())) peer->TrackAt(x, y, owner);
}

int PopupMenu::FindShortCut(const ShortCut& sc) const {
  if (sc.key == 0) return -1;
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i].shortCut == sc) return static_cast<int>(i);
  return -1;
}

ImageList::~ImageList() {
  for (IconHandle icon : icons_) platform::DestroyIconHandle(icon);
}

int ImageList::AddIcon(IconHandle icon) {
  const IconHandle copy = platform::CopyIconHandle(icon);
  if (!copy) return -1;
  icons_.push_back(copy);
  Changed(Prop::Items);
  return Count() - 1;
}

IconHandle ImageList::GetIcon(int index) const {
  if (index < 0 || index >= Count()) return 0;
  return platform::CopyIconHandle(icons_[static_cast<size_t>(index)]);
}

void ImageList::Clear() {
  if (icons_.empty()) return;
  // The backend drops its copies first, while these handles are still valid.
  std::vector<IconHandle> released;
  released.swap(icons_);
  Changed(Prop::Items);
  for (IconHandle icon : released) platform::DestroyIconHandle(icon);
}

}  // namespace widgets
