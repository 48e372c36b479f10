#include "widgets/combo_box.hpp"

namespace widgets {

void ComboBox::SetItems(std::vector<std::string> items) {
  if (items == items_ && itemIndex_ == -1) return;
  items_ = std::move(items);
  itemIndex_ = -1;
  Changed(Prop::Items);
}

void ComboBox::AddItem(std::string item) {
  items_.push_back(std::move(item));
  Changed(Prop::Items);
}

void ComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  Changed(Prop::ItemIndex);
}

void ComboBox::Select(int index) {
  if (!Enabled() || index < 0 || index >= static_cast<int>(items_.size())) return;
  SetItemIndex(index);
  if (OnChange) OnChange(*this);
}

const std::string& ComboBox::Text() const {
  static const std::string kNone;
  return itemIndex_ >= 0 ? items_[itemIndex_] : kNone;
}

}  // namespace widgets
