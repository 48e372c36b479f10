#pragma once
// A report-style list: columns, and items that each have a caption, sub-items and an image.
// Changes made between BeginUpdate and EndUpdate reach the backend once, at the end.
#include <string>
#include <utility>
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
  // How the list looks and behaves: given before the window is made, they shape it; given later,
  // they reach the window too.
  struct Options {
    bool readOnly = true;       // the user cannot edit the item captions
    bool rowSelect = true;      // a click selects the whole row
    bool hideSelection = false;  // the selection hides while the list has no focus
    bool columnClick = false;   // the column headers are buttons
    bool columnDrag = false;    // the user can drag columns to new places
    bool operator==(const Options&) const = default;
  };

  ListView() : Control(ControlKind::ListView) {}
  ~ListView() override;

  const Options& GetOptions() const { return options_; }
  void SetOptions(const Options& options);

  const std::vector<ListColumn>& Columns() const { return columns_; }
  void SetColumns(std::vector<ListColumn> columns);

  const std::vector<ListItem>& Items() const { return items_; }
  int ItemCount() const { return static_cast<int>(items_.size()); }
  // Appends an item with the caption; returns its index.
  int AddItem(std::string caption, int imageIndex = -1);
  // Appends a sub-item to the item.
  void AddSubItem(int item, std::string text);
  // Replaces the text of one cell: column 0 is the item's caption, column c its sub-item c - 1.
  // Missing sub-items up to that column are added empty. Outside a batch only that cell is
  // redrawn; an item that does not exist is left alone.
  void SetCell(int item, int column, std::string text);
  // The cell that the last Prop::Cell change was about: {item, column}.
  std::pair<int, int> ChangedCell() const { return changedCell_; }
  void ClearItems();

  void BeginUpdate() { ++updating_; }
  void EndUpdate();
  bool Updating() const { return updating_ > 0; }

  // The icons of the items; the list forgets the image list when that is destroyed first.
  ImageList* SmallImages() const { return smallImages_; }
  void SetSmallImages(ImageList* images);

 private:
  void ItemsChanged();

  std::vector<ListColumn> columns_;
  std::vector<ListItem> items_;
  int updating_ = 0;
  bool dirty_ = false;
  ImageList* smallImages_ = nullptr;
  int imagesKey_ = 0;
  Options options_;
  std::pair<int, int> changedCell_{-1, -1};
};

}  // namespace widgets
