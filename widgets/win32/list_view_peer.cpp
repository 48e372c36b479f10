// Report-style list views and the image lists they show.
#include "platform/utf.hpp"
#include "widgets/components.hpp"
#include "widgets/list_view.hpp"
#include "widgets/win32/backend.hpp"
#include "widgets/win32/peers.hpp"

namespace widgets::win32 {
namespace {

int ColumnFormat(Alignment a) {
  switch (a) {
    case Alignment::Right: return LVCFMT_RIGHT;
    case Alignment::Center: return LVCFMT_CENTER;
    default: return LVCFMT_LEFT;
  }
}

class ListViewWindow : public WindowPeer {
 public:
  ListViewWindow(Backend& b, Control& c) : WindowPeer(b, c), list_(static_cast<ListView&>(c)) {
    textIsCaption_ = false;
  }

  void Create(HWND parent) override {
    Adopt(CreateChild(parent, WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHAREIMAGELISTS | OptionStyles(),
                      WS_EX_CLIENTEDGE));
    Subclass();
    SyncOptions();
    SyncColours();
    SyncColumns();
    SyncImages();
    SyncItems();
  }

  void Changed(Prop what) override {
    if (!hwnd_) return;
    switch (what) {
      case Prop::Items: SyncItems(); break;
      case Prop::Cell: SyncCell(); break;
      case Prop::Options:
        SetWindowLongW(hwnd_, GWL_STYLE, (GetWindowLongW(hwnd_, GWL_STYLE) & ~kOptionStyles) | OptionStyles());
        SyncOptions();
        break;
      case Prop::Range: SyncColumns(); break;
      case Prop::SmallImages: SyncImages(); break;
      case Prop::Font:
      case Prop::Color:
        SyncColours();
        WindowPeer::Changed(what);
        break;
      case Prop::Caption: break;
      default: WindowPeer::Changed(what);
    }
  }

 private:
  static constexpr DWORD kOptionStyles = LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | LVS_EDITLABELS;
  DWORD OptionStyles() const {
    const ListView::Options& o = list_.GetOptions();
    DWORD style = WS_TABSTOP;
    if (!o.hideSelection) style |= LVS_SHOWSELALWAYS;
    if (!o.columnClick) style |= LVS_NOSORTHEADER;
    if (!o.readOnly) style |= LVS_EDITLABELS;
    return style;
  }
  void SyncOptions() {
    const ListView::Options& o = list_.GetOptions();
    DWORD ex = 0;
    if (o.rowSelect) ex |= LVS_EX_FULLROWSELECT;
    if (o.columnDrag) ex |= LVS_EX_HEADERDRAGDROP;
    SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP, ex);
  }

  // One cell outside a batch: only that text is set, and only that cell repaints.
  void SyncCell() {
    const auto [item, column] = list_.ChangedCell();
    if (item < 0 || item >= list_.ItemCount()) return;
    const ListItem& it = list_.Items()[item];
    std::wstring text = platform::Utf8ToUtf16(column == 0 ? it.caption : it.subItems[column - 1]);
    LVITEMW cell{};
    cell.iSubItem = column;
    cell.pszText = text.data();
    SendMessageW(hwnd_, LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&cell));
  }

  void SyncColours() {
    SendMessageW(hwnd_, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(GdiCache::ToColorRef(control_.GetFont().color)));
    SendMessageW(hwnd_, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(GdiCache::ToColorRef(control_.GetColor())));
    SendMessageW(hwnd_, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(GdiCache::ToColorRef(control_.GetColor())));
  }

  void SyncColumns() {
    while (SendMessageW(hwnd_, LVM_DELETECOLUMN, 0, 0)) {
    }
    int i = 0;
    for (const ListColumn& col : list_.Columns()) {
      std::wstring text = platform::Utf8ToUtf16(col.caption);
      LVCOLUMNW c{};
      c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
      c.fmt = ColumnFormat(col.alignment);
      c.cx = backend_.Scale(col.width);
      c.pszText = text.data();
      SendMessageW(hwnd_, LVM_INSERTCOLUMNW, i++, reinterpret_cast<LPARAM>(&c));
    }
  }

  void SyncImages() {
    HIMAGELIST images = nullptr;
    if (ImageList* list = list_.SmallImages())
      if (auto* peer = dynamic_cast<ImageListPeerBase*>(list->GetPeer())) images = peer->List();
    SendMessageW(hwnd_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
  }

  // Rewrites the rows with redrawing off, so the list repaints once.
  void SyncItems() {
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0);
    int row = 0;
    std::wstring text;  // one buffer for every cell
    for (const ListItem& item : list_.Items()) {
      text.clear();
      platform::AppendUtf16(text, item.caption);
      LVITEMW it{};
      it.mask = LVIF_TEXT | LVIF_IMAGE;
      it.iItem = row;
      it.pszText = text.data();
      // A row without an image must say so: -1 would be I_IMAGECALLBACK, asking us for one.
      it.iImage = item.imageIndex >= 0 ? item.imageIndex : I_IMAGENONE;
      SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&it));
      int sub = 1;
      for (const std::string& cell : item.subItems) {
        text.clear();
        platform::AppendUtf16(text, cell);
        LVITEMW s{};
        s.iSubItem = sub++;
        s.pszText = text.data();
        SendMessageW(hwnd_, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&s));
      }
      ++row;
    }
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
  }

  ListView& list_;
};

// A comctl32 image list holding copies of the icons added to the widget.
class ImageListPeer : public ImageListPeerBase {
 public:
  ImageListPeer(Backend& backend, ImageList& list) : list_(list) {
    const int size = backend.Scale(16);
    handle_ = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 4, 4);
    list_.AttachPeer(this);
    Changed(Prop::Items);
  }
  ~ImageListPeer() override {
    if (list_.GetPeer() == this) list_.AttachPeer(nullptr);
    if (handle_) ImageList_Destroy(handle_);
  }
  HIMAGELIST List() const override { return handle_; }

  // The widget only ever grows or is cleared; copy each new icon at once, while its handle lives.
  void Changed(Prop what) override {
    if (what != Prop::Items || !handle_) return;
    const auto& icons = list_.Icons();
    if (static_cast<int>(icons.size()) < ImageList_GetImageCount(handle_)) ImageList_RemoveAll(handle_);
    for (size_t i = static_cast<size_t>(ImageList_GetImageCount(handle_)); i < icons.size(); ++i)
      ImageList_AddIcon(handle_, reinterpret_cast<HICON>(icons[i]));
  }

 private:
  ImageList& list_;
  HIMAGELIST handle_ = nullptr;
};

}  // namespace

std::unique_ptr<WindowPeer> MakeListViewPeer(Backend& b, Control& c) { return std::make_unique<ListViewWindow>(b, c); }

std::unique_ptr<ImageListPeerBase> MakeImageListPeer(Backend& backend, ImageList& list) {
  return std::make_unique<ImageListPeer>(backend, list);
}

}  // namespace widgets::win32
