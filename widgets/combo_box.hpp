#pragma once
// A drop-down list: the user picks one of its items and cannot type.
#include <string>
#include <vector>

#include "widgets/control.hpp"

namespace widgets {

class ComboBox : public Control {
 public:
  ComboBox() : Control(ControlKind::ComboBox) {}

  const std::vector<std::string>& Items() const { return items_; }
  // Replaces the items; the selection is cleared.
  void SetItems(std::vector<std::string> items);
  void AddItem(std::string item);
  void ClearItems() { SetItems({}); }

  // -1 when nothing is selected.
  int ItemIndex() const { return itemIndex_; }
  // Programmatic: no change event. An index outside the items selects nothing.
  void SetItemIndex(int index);
  // The user picks an item: it becomes selected and OnChange fires.
  void Select(int index);
  // The selected item's text, or "".
  const std::string& Text() const;

  // Rows the open list shows before it scrolls.
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int n) { Assign(dropDownCount_, n, Prop::Options); }

  NotifyEvent OnChange;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int dropDownCount_ = 8;
};

}  // namespace widgets
