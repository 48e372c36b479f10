#pragma once
// A report-style list: columns, and items that each have a caption, sub-items and an image.
// Changes made between BeginUpdate and EndUpdate reach the backend once, at the end.
#include <string>
#include <vector>

#include "widgets/control.hpp"
#include "widgets/panel.hpp"

namespace widgets {

class ImageList;

struct ListColumn {
  std::string caption;
  int width = 50;
  Alignment alignment = Alignment::Left;
};

struct ListItem {
  std::string caption;
  std::vector<std::string> subItems;
  int imageIndex = -1;
};

class ListView : public Control {
 public:
  ListView() : Control(ControlKind::ListView) {}

  const std::vector<ListColumn>& Columns() const { return columns_; }
  void SetColumns(std::vector<ListColumn> columns);

  const std::vector<ListItem>& Items() const { return items_; }
  int ItemCount() const { return static_cast<int>(items_.size()); }
  // Appends an item with the caption; returns its index.
  int AddItem(std::string caption, int imageIndex = -1);
  // Appends a sub-item to the item.
  void AddSubItem(int item, std::string text);
  // Replaces sub-item `sub` of the item (which must exist).
  void SetSubItem(int item, int sub, std::string text);
  void ClearItems();

  void BeginUpdate() { ++updating_; }
  void EndUpdate();
  bool Updating() const { return updating_ > 0; }

  ImageList* SmallImages() const { return smallImages_; }
  void SetSmallImages(ImageList* images);

  // Report options, fixed at creation.
  bool ReadOnly = true;
  bool RowSelect = true;
  bool HideSelection = false;
  bool ColumnClick = false;
  bool ColumnDrag = false;

 private:
  void ItemsChanged();

  std::vector<ListColumn> columns_;
  std::vector<ListItem> items_;
  int updating_ = 0;
  bool dirty_ = false;
  ImageList* smallImages_ = nullptr;
};

}  // namespace widgets
