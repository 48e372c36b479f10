#include "widgets/list_view.hpp"

#include "widgets/components.hpp"

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

ListView::~ListView() {
  if (smallImages_) smallImages_->RemoveFreeNotification(imagesKey_);
}

void ListView::SetOptions(const Options& options) { Assign(options_, options, Prop::Options); }

void ListView::SetCell(int item, int column, std::string text) {
  if (item < 0 || item >= ItemCount() || column < 0) return;
  ListItem& it = items_[item];
  if (column == 0) {
    if (it.caption == text) return;
    it.caption = std::move(text);
  } else {
    auto& subs = it.subItems;
    const auto sub = static_cast<size_t>(column - 1);
    if (sub < subs.size() && subs[sub] == text) return;
    if (sub >= subs.size()) subs.resize(sub + 1);
    subs[sub] = std::move(text);
  }
  if (updating_ > 0) {
    dirty_ = true;
    return;
  }
  changedCell_ = {item, column};
  Changed(Prop::Cell);
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
  if (smallImages_) smallImages_->RemoveFreeNotification(imagesKey_);
  smallImages_ = images;
  if (images)
    imagesKey_ = images->AddFreeNotification([this](Component&) {
      smallImages_ = nullptr;
      Changed(Prop::SmallImages);
    });
  Changed(Prop::SmallImages);
}

}  // namespace widgets
