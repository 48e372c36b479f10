// Controls that are the system's own window classes: page control (tab control), label (static),
// push button, flat speed button (custom-drawn button), check box, drop-down list and track bar.
#include "platform/utf.hpp"
#include "widgets/button.hpp"
#include "widgets/combo_box.hpp"
#include "widgets/label.hpp"
#include "widgets/page_control.hpp"
#include "widgets/track_bar.hpp"
#include "widgets/win32/backend.hpp"
#include "widgets/win32/peers.hpp"

#include <uxtheme.h>

namespace widgets::win32 {
namespace {

// A system control whose text colour comes from its widget: visual styles would override it.
void UseWidgetColours(HWND hwnd) { SetWindowTheme(hwnd, L"", L""); }

// The tab strip is a stop in the tab order of its own (the arrow keys then change pages). Its
// sheets are therefore its siblings, made right after it, not its children: the dialog keys treat
// a window that contains others as a container and never stop on it. The strip lies above the
// sheets, so its window region leaves out the display area where the active sheet shows.
class PageControlWindow : public WindowPeer {
 public:
  PageControlWindow(Backend& b, Control& c) : WindowPeer(b, c), pages_(static_cast<PageControl&>(c)) {
    textIsCaption_ = false;
  }

  void Create(HWND parent) override {
    DWORD style = WS_TABSTOP | WS_CLIPSIBLINGS | TCS_TABS;
    if (pages_.HotTrack()) style |= TCS_HOTTRACK;
    Adopt(CreateChild(parent, WC_TABCONTROLW, style, 0));
    Subclass();
    int i = 0;
    for (TabSheet* sheet : pages_.Pages()) {
      std::wstring text = platform::Utf8ToUtf16(sheet->Caption());
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = text.data();
      SendMessageW(hwnd_, TCM_INSERTITEMW, i++, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(hwnd_, TCM_SETCURSEL, pages_.ActivePageIndex(), 0);
  }

  HWND ChildParent() const override { return hwnd_ ? GetParent(hwnd_) : nullptr; }

  void ChildrenCreated() override { PlaceSheets(); }

  void Changed(Prop what) override {
    if (!hwnd_) return;
    switch (what) {
      case Prop::ActivePage:
        if (SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0) != pages_.ActivePageIndex())
          SendMessageW(hwnd_, TCM_SETCURSEL, pages_.ActivePageIndex(), 0);
        UpdateSheets();
        break;
      case Prop::Options: {
        const LONG style = GetWindowLongW(hwnd_, GWL_STYLE);
        SetWindowLongW(hwnd_, GWL_STYLE, pages_.HotTrack() ? (style | TCS_HOTTRACK) : (style & ~TCS_HOTTRACK));
        InvalidateRect(hwnd_, nullptr, TRUE);
        break;
      }
      case Prop::Bounds:
        WindowPeer::Changed(what);
        PlaceSheets();
        break;
      case Prop::Visible:
        WindowPeer::Changed(what);
        UpdateSheets();
        break;
      default:
        WindowPeer::Changed(what);
    }
  }

  bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lp)->code == static_cast<UINT>(TCN_SELCHANGE)) {
      pages_.SelectPage(static_cast<int>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0)));
      return true;
    }
    return WindowPeer::OnReflected(msg, wp, lp, result);
  }

 private:
  // Places every sheet over the display area and shows the active one.
  void PlaceSheets() {
    RECT client;
    GetClientRect(hwnd_, &client);
    RECT display = client;
    SendMessageW(hwnd_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    HRGN strip = CreateRectRgnIndirect(&client);
    HRGN inside = CreateRectRgnIndirect(&display);
    CombineRgn(strip, strip, inside, RGN_DIFF);
    DeleteObject(inside);
    if (!SetWindowRgn(hwnd_, strip, TRUE)) DeleteObject(strip);  // the window owns it when set
    MapWindowPoints(hwnd_, GetParent(hwnd_), reinterpret_cast<POINT*>(&display), 2);
    for (TabSheet* sheet : pages_.Pages())
      if (auto* peer = FromHwnd(reinterpret_cast<HWND>(sheet->Handle())))
        SetWindowPos(peer->Hwnd(), nullptr, display.left, display.top, display.right - display.left,
                     display.bottom - display.top, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateSheets();
  }
  void UpdateSheets() {
    for (TabSheet* sheet : pages_.Pages())
      if (auto* peer = FromHwnd(reinterpret_cast<HWND>(sheet->Handle()))) UpdateSheetShown(*peer);
  }

  PageControl& pages_;
};

// Static text that raises mouse and click events (SS_NOTIFY: without it the mouse passes through
// to the parent). Changes of font, colour or style show at once.
class LabelWindow : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;

  // An auto-sized label is made as wide as its text at once.
  void Create(HWND parent) override {
    RECT r = ScaledBounds();
    if (static_cast<Label&>(control_).AutoSize()) r.right = r.left + FittedSize().cx;
    Adopt(CreateChild(parent, L"Static", SS_NOTIFY | WS_CLIPSIBLINGS | AlignStyle(), 0, &r));
    Subclass();
  }

  void Changed(Prop what) override {
    WindowPeer::Changed(what);
    if (!hwnd_) return;
    if (what == Prop::Options) {
      const LONG style = GetWindowLongW(hwnd_, GWL_STYLE);
      SetWindowLongW(hwnd_, GWL_STYLE, (style & ~SS_TYPEMASK) | AlignStyle());
      if (!static_cast<Label&>(control_).AutoSize()) WindowPeer::Changed(Prop::Bounds);
      InvalidateRect(hwnd_, nullptr, TRUE);
    }
    if (what == Prop::Caption || what == Prop::Font || what == Prop::Options || what == Prop::Bounds) FitText();
    if (what == Prop::Font || what == Prop::Options) UpdateWindow(hwnd_);
  }

  bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg == WM_COMMAND && HIWORD(wp) == STN_CLICKED) {
      control_.Click();
      return true;
    }
    return WindowPeer::OnReflected(msg, wp, lp, result);
  }

 private:
  DWORD AlignStyle() const {
    switch (static_cast<Label&>(control_).GetAlignment()) {
      case Alignment::Center: return SS_CENTER;
      case Alignment::Right: return SS_RIGHT;
      default: return SS_LEFT;
    }
  }

  SIZE FittedSize() {
    return SIZE{backend_.Gdi().TextSize(control_.GetFont(), control_.Caption()).cx, backend_.Scale(control_.Bounds().height)};
  }

  // An auto-sized label is as wide as its text; a fixed one keeps its bounds.
  void FitText() {
    if (!hwnd_ || !static_cast<Label&>(control_).AutoSize()) return;
    const SIZE want = FittedSize();
    RECT now;
    GetWindowRect(hwnd_, &now);
    if (now.right - now.left != want.cx || now.bottom - now.top != want.cy)
      SetWindowPos(hwnd_, nullptr, 0, 0, want.cx, want.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
};

class ButtonWindow : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;

  void Create(HWND parent) override {
    Adopt(CreateChild(parent, L"Button", BS_PUSHBUTTON | WS_TABSTOP, 0));
    Subclass();
  }

  bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
      control_.Click();
      return true;
    }
    return WindowPeer::OnReflected(msg, wp, lp, result);
  }
};

class CheckBoxWindow : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;

  void Create(HWND parent) override {
    Adopt(CreateChild(parent, L"Button", BS_AUTOCHECKBOX | WS_TABSTOP, 0));
    Subclass();
    UseWidgetColours(hwnd_);
    SyncCheck();
  }

  void Changed(Prop what) override {
    if (what == Prop::Checked)
      SyncCheck();
    else
      WindowPeer::Changed(what);
  }

  bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
      // The button has toggled its own mark; the widget toggles its state and runs the handler.
      control_.Click();
      SyncCheck();
      return true;
    }
    return WindowPeer::OnReflected(msg, wp, lp, result);
  }

 private:
  void SyncCheck() {
    const WPARAM want = static_cast<CheckBox&>(control_).Checked() ? BST_CHECKED : BST_UNCHECKED;
    if (hwnd_ && static_cast<WPARAM>(SendMessageW(hwnd_, BM_GETCHECK, 0, 0)) != want)
      SendMessageW(hwnd_, BM_SETCHECK, want, 0);
  }
};

// A flat button drawn by us (custom draw): flat at rest, raised under the mouse, sunken while
// down. A button of a group is a push-like check box whose check is its down state, so that
// BM_GETCHECK and screen readers tell which one is down; it never checks itself, the widget
// decides. (Not a radio button: one of those clicks itself when it merely gets the focus.) A plain
// one is a push button.
class SpeedButtonWindow : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;

  void Create(HWND parent) override {
    const auto& b = static_cast<const SpeedButton&>(control_);
    Adopt(CreateChild(parent, L"Button", b.GroupIndex() == 0 ? BS_PUSHBUTTON : BS_CHECKBOX | BS_PUSHLIKE, 0));
    Subclass();
    SyncDown();
  }

  void Changed(Prop what) override {
    WindowPeer::Changed(what);
    if (what == Prop::Down) SyncDown();
    if (hwnd_ && (what == Prop::Down || what == Prop::Enabled || what == Prop::Caption))
      InvalidateRect(hwnd_, nullptr, FALSE);
  }

  bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
      control_.Click();
      SyncDown();
      return true;
    }
    if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lp)->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
      const auto& cd = *reinterpret_cast<NMCUSTOMDRAW*>(lp);
      result = CDRF_DODEFAULT;
      if (cd.dwDrawStage == CDDS_PREPAINT) {
        Draw(cd.hdc, cd.rc, (cd.uItemState & CDIS_SELECTED) != 0);
        result = CDRF_SKIPDEFAULT;
      }
      return true;
    }
    return WindowPeer::OnReflected(msg, wp, lp, result);
  }

 protected:
  bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg == WM_MOUSEMOVE && !hot_) {
      hot_ = true;
      TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd_, 0};
      TrackMouseEvent(&tme);
      InvalidateRect(hwnd_, nullptr, FALSE);
    } else if (msg == WM_MOUSELEAVE) {
      hot_ = false;
      InvalidateRect(hwnd_, nullptr, FALSE);
    }
    return WindowPeer::HandleMessage(msg, wp, lp, result);
  }

 private:
  // The window's own state follows the widget: the check of a group's button, the pushed state
  // of a plain one held down.
  void SyncDown() {
    if (!hwnd_) return;
    const auto& b = static_cast<const SpeedButton&>(control_);
    if (b.GroupIndex() != 0) {
      const WPARAM want = b.Down() ? BST_CHECKED : BST_UNCHECKED;
      if (static_cast<WPARAM>(SendMessageW(hwnd_, BM_GETCHECK, 0, 0)) != want)
        SendMessageW(hwnd_, BM_SETCHECK, want, 0);
    } else if (((SendMessageW(hwnd_, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0) != b.Down()) {
      SendMessageW(hwnd_, BM_SETSTATE, b.Down(), 0);
    }
  }

  void Draw(HDC dc, RECT rc, bool held) {
    const auto& b = static_cast<const SpeedButton&>(control_);
    FillRect(dc, &rc, backend_.Gdi().BrushFor(control_.GetColor()));
    const bool pressed = b.Down() || held;
    if (pressed)
      DrawEdge(dc, &rc, BDR_SUNKENOUTER, BF_RECT);
    else if ((hot_ && b.Enabled()) || !b.Flat())
      DrawEdge(dc, &rc, BDR_RAISEDINNER, BF_RECT);
    if (pressed) OffsetRect(&rc, 1, 1);
    HGDIOBJ oldFont = SelectObject(dc, backend_.Gdi().FontFor(control_.GetFont()));
    SetBkMode(dc, TRANSPARENT);
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    const std::wstring& caption = Caption16();
    const int n = static_cast<int>(caption.size());
    if (b.Enabled()) {
      SetTextColor(dc, GdiCache::ToColorRef(control_.GetFont().color));
      DrawTextW(dc, caption.c_str(), n, &rc, format);
    } else {  // engraved grey, as disabled flat buttons look
      RECT shadow = rc;
      OffsetRect(&shadow, 1, 1);
      SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      DrawTextW(dc, caption.c_str(), n, &shadow, format);
      SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
      DrawTextW(dc, caption.c_str(), n, &rc, format);
    }
    SelectObject(dc, oldFont);
  }

  bool hot_ = false;
};

// A drop-down list whose text and background colours are its widget's, in the closed box and in
// the open list alike.
class ComboBoxWindow : public WindowPeer {
 public:
  ComboBoxWindow(Backend& b, Control& c) : WindowPeer(b, c), combo_(static_cast<ComboBox&>(c)) {
    textIsCaption_ = false;  // the text is the selected item
  }

  void Create(HWND parent) override {
    Adopt(CreateChild(parent, L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0));
    Subclass();
    SyncItems();
    SyncDropDown();
  }

  void Changed(Prop what) override {
    if (!hwnd_) return;
    if (what == Prop::Items)
      SyncItems();
    else if (what == Prop::ItemIndex)
      SyncSelection();
    else if (what == Prop::Options)
      SyncDropDown();
    else if (what == Prop::Bounds)
      SyncDropDown();
    else if (what != Prop::Caption)
      WindowPeer::Changed(what);
  }

  bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg == WM_COMMAND && HIWORD(wp) == CBN_SELCHANGE) {
      combo_.Select(static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)));
      return true;
    }
    if (msg == WM_CTLCOLORLISTBOX || msg == WM_CTLCOLOREDIT) {  // the closed box
      result = ColorStatic(reinterpret_cast<HDC>(wp));
      return true;
    }
    return WindowPeer::OnReflected(msg, wp, lp, result);
  }

 protected:
  bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg == WM_CTLCOLORLISTBOX) {  // the open list asks the box, which would ask our parent
      result = ColorStatic(reinterpret_cast<HDC>(wp));
      return true;
    }
    return WindowPeer::HandleMessage(msg, wp, lp, result);
  }

 private:
  // The window's height includes the open list, which shows DropDownCount rows.
  void SyncDropDown() {
    const LRESULT itemHeight = SendMessageW(hwnd_, CB_GETITEMHEIGHT, 0, 0);
    const RECT r = ScaledBounds();
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left,
                 (r.bottom - r.top) + static_cast<int>(itemHeight) * combo_.DropDownCount() + 2,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(hwnd_, CB_SETMINVISIBLE, combo_.DropDownCount(), 0);
  }

  void SyncItems() {
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : combo_.Items())
      SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::Utf8ToUtf16(item).c_str()));
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    SyncSelection();
    InvalidateRect(hwnd_, nullptr, TRUE);
  }
  void SyncSelection() {
    if (SendMessageW(hwnd_, CB_GETCURSEL, 0, 0) != combo_.ItemIndex())
      SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(combo_.ItemIndex()), 0);
  }

  ComboBox& combo_;
};

class TrackBarWindow : public WindowPeer {
 public:
  TrackBarWindow(Backend& b, Control& c) : WindowPeer(b, c), bar_(static_cast<TrackBar&>(c)) {
    textIsCaption_ = false;
  }

  void Create(HWND parent) override {
    DWORD style = TBS_HORZ | TBS_ENABLESELRANGE | TBS_FIXEDLENGTH | WS_TABSTOP;
    if (bar_.GetOptions().noTicks) style |= TBS_NOTICKS;
    Adopt(CreateChild(parent, TRACKBAR_CLASSW, style, 0));
    Subclass();
    SendMessageW(hwnd_, TBM_SETRANGEMIN, FALSE, bar_.Min());
    SendMessageW(hwnd_, TBM_SETRANGEMAX, FALSE, bar_.Max());
    SyncOptions();
    SendMessageW(hwnd_, TBM_SETSEL, FALSE, MAKELPARAM(bar_.SelStart(), bar_.SelEnd()));
    SendMessageW(hwnd_, TBM_SETPOS, TRUE, bar_.Position());
  }

  void Changed(Prop what) override {
    if (!hwnd_) return;
    switch (what) {
      case Prop::Position:
        if (SendMessageW(hwnd_, TBM_GETPOS, 0, 0) != bar_.Position()) SendMessageW(hwnd_, TBM_SETPOS, TRUE, bar_.Position());
        break;
      case Prop::Selection:
        SendMessageW(hwnd_, TBM_SETSEL, TRUE, MAKELPARAM(bar_.SelStart(), bar_.SelEnd()));
        break;
      case Prop::Range:
        SendMessageW(hwnd_, TBM_SETRANGEMIN, FALSE, bar_.Min());
        SendMessageW(hwnd_, TBM_SETRANGEMAX, TRUE, bar_.Max());
        break;
      case Prop::Options: {
        const LONG style = GetWindowLongW(hwnd_, GWL_STYLE);
        SetWindowLongW(hwnd_, GWL_STYLE, bar_.GetOptions().noTicks ? (style | TBS_NOTICKS) : (style & ~TBS_NOTICKS));
        SyncOptions();
        InvalidateRect(hwnd_, nullptr, TRUE);
        break;
      }
      default:
        WindowPeer::Changed(what);
    }
  }

  bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg == WM_HSCROLL) {
      bar_.SetPosition(static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0)));
      return true;
    }
    return WindowPeer::OnReflected(msg, wp, lp, result);
  }

 private:
  void SyncOptions() {
    const TrackBar::Options& o = bar_.GetOptions();
    SendMessageW(hwnd_, TBM_SETLINESIZE, 0, o.lineSize);
    SendMessageW(hwnd_, TBM_SETPAGESIZE, 0, o.pageSize);
    SendMessageW(hwnd_, TBM_SETTICFREQ, static_cast<WPARAM>(o.frequency), 0);
    SendMessageW(hwnd_, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(backend_.Scale(o.thumbLength)), 0);
  }

  TrackBar& bar_;
};

}  // namespace

std::unique_ptr<WindowPeer> MakePageControlPeer(Backend& b, Control& c) { return std::make_unique<PageControlWindow>(b, c); }
std::unique_ptr<WindowPeer> MakeLabelPeer(Backend& b, Control& c) { return std::make_unique<LabelWindow>(b, c); }
std::unique_ptr<WindowPeer> MakeButtonPeer(Backend& b, Control& c) { return std::make_unique<ButtonWindow>(b, c); }
std::unique_ptr<WindowPeer> MakeSpeedButtonPeer(Backend& b, Control& c) { return std::make_unique<SpeedButtonWindow>(b, c); }
std::unique_ptr<WindowPeer> MakeCheckBoxPeer(Backend& b, Control& c) { return std::make_unique<CheckBoxWindow>(b, c); }
std::unique_ptr<WindowPeer> MakeComboBoxPeer(Backend& b, Control& c) { return std::make_unique<ComboBoxWindow>(b, c); }
std::unique_ptr<WindowPeer> MakeTrackBarPeer(Backend& b, Control& c) { return std::make_unique<TrackBarWindow>(b, c); }

}  // namespace widgets::win32
