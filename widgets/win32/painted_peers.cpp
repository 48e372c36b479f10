// Controls that are windows of our own classes and paint themselves: tab sheets, panels (with
// bevels and a caption: the value panels), group boxes and images. Each window's text is the
// control's caption, so screen readers and test drivers read it like any other.
#include "widgets/image.hpp"
#include "widgets/page_control.hpp"
#include "widgets/panel.hpp"
#include "widgets/win32/backend.hpp"
#include "widgets/win32/peers.hpp"

namespace widgets::win32 {
namespace {

// Paints into a memory bitmap and copies it out in one go, so a caption change never flickers.
class BufferedPaint {
 public:
  explicit BufferedPaint(HWND hwnd) : hwnd_(hwnd) {
    dc_ = BeginPaint(hwnd_, &ps_);
    GetClientRect(hwnd_, &rc_);
    mem_ = CreateCompatibleDC(dc_);
    bmp_ = CreateCompatibleBitmap(dc_, rc_.right > 0 ? rc_.right : 1, rc_.bottom > 0 ? rc_.bottom : 1);
    old_ = SelectObject(mem_, bmp_);
  }
  ~BufferedPaint() {
    BitBlt(dc_, 0, 0, rc_.right, rc_.bottom, mem_, 0, 0, SRCCOPY);
    SelectObject(mem_, old_);
    DeleteObject(bmp_);
    DeleteDC(mem_);
    EndPaint(hwnd_, &ps_);
  }
  BufferedPaint(const BufferedPaint&) = delete;
  BufferedPaint& operator=(const BufferedPaint&) = delete;
  HDC Dc() const { return mem_; }
  RECT Client() const { return rc_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_ = nullptr;
  HDC mem_ = nullptr;
  HBITMAP bmp_ = nullptr;
  HGDIOBJ old_ = nullptr;
  RECT rc_{};
};

// Base of the peers of our own classes.
class PaintedPeer : public WindowPeer {
 public:
  PaintedPeer(Backend& backend, Control& control, const char* cls) : WindowPeer(backend, control), cls_(cls) {}

  void Create(HWND parent) override {
    const char* cls = backend_.EnsureClass(cls_, CS_DBLCLKS, nullptr, nullptr, nullptr);
    DWORD ex = 0;
    if (!control_.Children().empty() || control_.Kind() == ControlKind::TabSheet)
      ex |= WS_EX_CONTROLPARENT;  // dialog keys reach the controls inside
    Adopt(CreateChild(parent, cls, WS_CLIPCHILDREN | WS_CLIPSIBLINGS, ex));
  }

  void Changed(Prop what) override {
    WindowPeer::Changed(what);
    if (hwnd_ && (what == Prop::Caption || what == Prop::Font || what == Prop::Enabled || what == Prop::Picture ||
                  what == Prop::Options))
      InvalidateRect(hwnd_, nullptr, FALSE);
  }

 protected:
  bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    switch (msg) {
      // A click is a left press and release over the control; the release may come anywhere
      // (the mouse is captured meanwhile) but only counts inside.
      case WM_LBUTTONDOWN:
        pressed_ = true;
        SetCapture(hwnd_);
        break;
      case WM_LBUTTONUP: {
        const bool click = pressed_;
        pressed_ = false;
        if (GetCapture() == hwnd_) ReleaseCapture();
        RECT rc;
        GetClientRect(hwnd_, &rc);
        const POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        if (click && PtInRect(&rc, pt)) control_.Click();
        return true;
      }
      case WM_CAPTURECHANGED:
        pressed_ = false;
        break;
      case WM_ERASEBKGND:
        result = 1;  // WM_PAINT covers every pixel
        return true;
      case WM_PAINT: {
        BufferedPaint paint(hwnd_);
        RECT rc = paint.Client();
        FillRect(paint.Dc(), &rc, backend_.BrushFor(control_.GetColor()));
        Paint(paint.Dc(), rc);
        return true;
      }
      default:
        break;
    }
    return WindowPeer::HandleMessage(msg, wp, lp, result);
  }
  virtual void Paint(HDC dc, RECT rc) = 0;

  // Draws the caption inside rc with the control's font and colour.
  void DrawCaption(HDC dc, RECT rc, UINT format) {
    HGDIOBJ oldFont = SelectObject(dc, backend_.FontFor(control_.GetFont()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Backend::ToColorRef(control_.Enabled() ? control_.GetFont().color : SystemColor(COLOR_GRAYTEXT)));
    DrawTextA(dc, control_.Caption().c_str(), static_cast<int>(control_.Caption().size()), &rc, format);
    SelectObject(dc, oldFont);
  }

 private:
  const char* cls_;
  bool pressed_ = false;
};

// A page of a page control: shown while it is the active page and its contents are visible.
class TabSheetWindow : public PaintedPeer {
 public:
  TabSheetWindow(Backend& b, Control& c) : PaintedPeer(b, c, "OrvaneTabSheet") {}

  void Create(HWND parent) override {
    PaintedPeer::Create(parent);
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);  // the page control shows the active sheet
  }

  void Changed(Prop what) override {
    if (what == Prop::Visible)
      UpdateShown();
    else if (what != Prop::Bounds)  // the page control places its sheets
      PaintedPeer::Changed(what);
  }

  void UpdateShown() {
    if (!hwnd_) return;
    const auto* pages = static_cast<const PageControl*>(control_.Parent());
    const bool show = control_.Visible() && pages && pages->Showing() && pages->ActivePage() == &control_;
    if (show != (IsWindowVisible(hwnd_) != 0)) ShowWindow(hwnd_, show ? SW_SHOWNA : SW_HIDE);
  }

  void Paint(HDC, RECT) override {}
};

class PanelWindow : public PaintedPeer {
 public:
  PanelWindow(Backend& b, Control& c) : PaintedPeer(b, c, "OrvanePanel") {}

  void Paint(HDC dc, RECT rc) override {
    const auto& panel = static_cast<const Panel&>(control_);
    auto bevel = [&](Bevel b) {
      if (b == Bevel::None) return;
      DrawEdge(dc, &rc, b == Bevel::Lowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
      InflateRect(&rc, -1, -1);
    };
    bevel(panel.BevelOuter());
    bevel(panel.BevelInner());
    if (control_.Caption().empty()) return;
    // The caption is centred on the whole height, so a 15-pixel panel still shows a 13-pixel
    // line; only the sides keep the border's distance.
    RECT text = rc;
    InflateRect(&text, -backend_.Scale(panel.BorderWidth()), 0);
    RECT full;
    GetClientRect(hwnd_, &full);
    text.top = full.top;
    text.bottom = full.bottom;
    UINT align = DT_CENTER;
    if (panel.CaptionAlignment() == Alignment::Left) align = DT_LEFT;
    if (panel.CaptionAlignment() == Alignment::Right) align = DT_RIGHT;
    DrawCaption(dc, text, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
};

class GroupBoxWindow : public PaintedPeer {
 public:
  GroupBoxWindow(Backend& b, Control& c) : PaintedPeer(b, c, "OrvaneGroupBox") {}

  void Paint(HDC dc, RECT rc) override {
    HGDIOBJ oldFont = SelectObject(dc, backend_.FontFor(control_.GetFont()));
    SIZE size{};
    GetTextExtentPoint32A(dc, control_.Caption().c_str(), static_cast<int>(control_.Caption().size()), &size);
    SelectObject(dc, oldFont);
    RECT frame = rc;
    frame.top += size.cy / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (control_.Caption().empty()) return;
    const int left = backend_.Scale(8);
    RECT text{left, 0, left + size.cx + backend_.Scale(4), size.cy};
    FillRect(dc, &text, backend_.BrushFor(control_.GetColor()));
    OffsetRect(&text, backend_.Scale(2), 0);
    DrawCaption(dc, text, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
  }
};

class ImageWindow : public PaintedPeer {
 public:
  ImageWindow(Backend& b, Control& c) : PaintedPeer(b, c, "OrvaneImage") {}

  void Paint(HDC dc, RECT) override {
    if (HICON icon = reinterpret_cast<HICON>(static_cast<const Image&>(control_).Icon()))
      DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
  }
};

// A line or frame: an etched groove (lowered) or a ridge (raised) along the chosen edges.
class BevelWindow : public PaintedPeer {
 public:
  BevelWindow(Backend& b, Control& c) : PaintedPeer(b, c, "OrvaneBevel") {}

  void Paint(HDC dc, RECT rc) override {
    const auto& bevel = static_cast<const BevelLine&>(control_);
    UINT edges = BF_RECT;
    switch (bevel.Shape()) {
      case BevelShape::TopLine: edges = BF_TOP; break;
      case BevelShape::BottomLine: edges = BF_BOTTOM; break;
      case BevelShape::LeftLine: edges = BF_LEFT; break;
      case BevelShape::RightLine: edges = BF_RIGHT; break;
      case BevelShape::Box:
      case BevelShape::Frame: break;
    }
    UINT edge = bevel.Style() == Bevel::Raised ? EDGE_BUMP : EDGE_ETCHED;
    if (bevel.Shape() == BevelShape::Box)
      edge = bevel.Style() == Bevel::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER;
    if (bevel.Style() != Bevel::None) DrawEdge(dc, &rc, edge, edges);
  }

 protected:
  // The line lies under whatever is beside it: the mouse goes through to the parent.
  bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg == WM_NCHITTEST) {
      result = HTTRANSPARENT;
      return true;
    }
    return PaintedPeer::HandleMessage(msg, wp, lp, result);
  }
};

}  // namespace

std::unique_ptr<WindowPeer> MakeBevelPeer(Backend& b, Control& c) { return std::make_unique<BevelWindow>(b, c); }

std::unique_ptr<WindowPeer> MakeTabSheetPeer(Backend& b, Control& c) { return std::make_unique<TabSheetWindow>(b, c); }

void UpdateSheetShown(WindowPeer& sheet) { static_cast<TabSheetWindow&>(sheet).UpdateShown(); }
std::unique_ptr<WindowPeer> MakePanelPeer(Backend& b, Control& c) { return std::make_unique<PanelWindow>(b, c); }
std::unique_ptr<WindowPeer> MakeGroupBoxPeer(Backend& b, Control& c) { return std::make_unique<GroupBoxWindow>(b, c); }
std::unique_ptr<WindowPeer> MakeImagePeer(Backend& b, Control& c) { return std::make_unique<ImageWindow>(b, c); }

}  // namespace widgets::win32
