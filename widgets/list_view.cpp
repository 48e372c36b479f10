#include "widgets/list_view.hpp"

namespace widgets {

void ListView::SetColumns(std::vector<ListColumn> columns) {
  columns_ = std::move(columns);
  Changed(Prop::Range);
}

void ListView::ItemsChanged() {
  if (updating_ > 0)
    dirty_ = true;
  else
    Changed(Prop::Items);
}

int ListView::AddItem(std::string caption, int imageIndex) {
  items_.push_back(ListItem{std::move(caption), {}, imageIndex});
  ItemsChanged();
  return static_cast<int>(items_.size()) - 1;
}

void ListView::AddSubItem(int item, std::string text) {
  if (item < 0 || item >= ItemCount()) return;
  items_[item].subItems.push_back(std::move(text));
  ItemsChanged();
}

void ListView::SetSubItem(int item, int sub, std::string text) {
  if (item < 0 || item >= ItemCount()) return;
  auto& subs = items_[item].subItems;
  if (sub < 0 || sub >= static_cast<int>(subs.size()) || subs[sub] == text) return;
  subs[sub] = std::move(text);
  ItemsChanged();
}

void ListView::ClearItems() {
  if (items_.empty()) return;
  items_.clear();
  ItemsChanged();
}

void ListView::EndUpdate() {
  if (updating_ == 0) return;
  if (--updating_ == 0 && dirty_) {
    dirty_ = false;
    Changed(Prop::Items);
  }
}

void ListView::SetSmallImages(ImageList* images) {
  if (smallImages_ == images) return;
  smallImages_ = images;
  Changed(Prop::SmallImages);
}

}  // namespace widgets
