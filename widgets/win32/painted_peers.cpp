// Controls that are windows of our own classes and paint themselves: tab sheets, panels (with
// bevels and a caption: the value panels), group boxes and images. Each window's text is the
// control's caption, so screen readers and test drivers read it like any other.
#include <algorithm>
#include <string>

#include "widgets/image.hpp"
#include "widgets/page_control.hpp"
#include "widgets/panel.hpp"
#include "widgets/win32/backend.hpp"
#include "widgets/win32/peers.hpp"

namespace widgets::win32 {
namespace {

// Base of the peers of our own classes.
class PaintedPeer : public WindowPeer {
 public:
  PaintedPeer(Backend& backend, Control& control, const char* cls) : WindowPeer(backend, control), cls_(cls) {}

  void Create(HWND parent) override {
    const wchar_t* cls = backend_.EnsureClass(cls_, CS_DBLCLKS, nullptr, nullptr, nullptr);
    DWORD ex = 0;
    if (!control_.Children().empty() || control_.Kind() == ControlKind::TabSheet)
      ex |= WS_EX_CONTROLPARENT;  // dialog keys reach the controls inside
    Adopt(CreateChild(parent, cls, WS_CLIPCHILDREN | WS_CLIPSIBLINGS, ex));
    if (hwnd_) form_ = dynamic_cast<FormPeerBase*>(FromHwnd(GetAncestor(hwnd_, GA_ROOT)));
  }

  void Changed(Prop what) override {
    WindowPeer::Changed(what);
    if (!hwnd_) return;
    if (what == Prop::Caption)
      CaptionChanged();
    else if (what == Prop::Font || what == Prop::Enabled || what == Prop::Picture || what == Prop::Options)
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
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        RECT rc;
        GetClientRect(hwnd_, &rc);
        Paint(dc, rc);
        EndPaint(hwnd_, &ps);
        return true;
      }
      default:
        break;
    }
    return WindowPeer::HandleMessage(msg, wp, lp, result);
  }
  // Shows a new caption. By default the whole window paints again with its next WM_PAINT.
  virtual void CaptionChanged() { InvalidateRect(hwnd_, nullptr, FALSE); }

  // Draws every pixel of the client rectangle rc straight to the window, each pixel once, so
  // nothing is ever seen half drawn.
  virtual void Paint(HDC dc, RECT rc) = 0;

  // Whether what the window draws now can be seen: it is shown and its form is not minimised (a
  // hidden form hides its controls too). What is not drawn now is painted when shown again.
  bool Seen() const { return IsWindowVisible(hwnd_) && !(form_ && form_->Minimized()); }

  void Fill(HDC dc, const RECT& rc) { FillRect(dc, &rc, backend_.Gdi().BrushFor(control_.GetColor())); }

  // Selects the control's font and colours into dc (a paint DC starts with the defaults).
  void UseLook(HDC dc) {
    SelectObject(dc, backend_.Gdi().FontFor(control_.GetFont()));
    SetTextColor(dc, GdiCache::ToColorRef(control_.Enabled() ? control_.GetFont().color : SystemColor(COLOR_GRAYTEXT)));
    SetBkColor(dc, GdiCache::ToColorRef(control_.GetColor()));
  }

  // The background of box and the caption in one call. The caption lies between left and right,
  // aligned as asked (one too wide ends in "..."), centred between top and bottom, cut at box.
  // The control's look must be selected (UseLook).
  void DrawCaption(HDC dc, const RECT& box, int left, int right, int top, int bottom, Alignment align) {
    const std::wstring& text = Caption16();
    const wchar_t* s = text.c_str();
    int n = static_cast<int>(text.size());
    SIZE size{};
    GetTextExtentPoint32W(dc, s, n, &size);
    int x = left;
    std::wstring cut;
    if (size.cx > right - left) {
      SIZE dots{};
      GetTextExtentPoint32W(dc, L"...", 3, &dots);
      int fit = 0;
      SIZE whole{};
      GetTextExtentExPointW(dc, s, n, std::max(0, static_cast<int>(right - left - dots.cx)), &fit, nullptr, &whole);
      // Never half of a pair of surrogates.
      if (fit > 0 && IS_HIGH_SURROGATE(text[static_cast<size_t>(fit) - 1])) --fit;
      cut.assign(text, 0, static_cast<size_t>(fit));
      cut += L"...";
      s = cut.c_str();
      n = static_cast<int>(cut.size());
    } else if (align == Alignment::Right) {
      x = right - size.cx;
    } else if (align == Alignment::Center) {
      x = left + (right - left - size.cx) / 2;
    }
    ExtTextOutW(dc, x, top + (bottom - top - size.cy) / 2, ETO_OPAQUE | ETO_CLIPPED, &box, s, static_cast<UINT>(n),
                nullptr);
  }

 private:
  const char* cls_;
  FormPeerBase* form_ = nullptr;  // the form the window lies in; it outlives its controls
  bool pressed_ = false;
};

// A page of a page control: shown while it is the active page and its contents are visible.
class TabSheetWindow : public PaintedPeer {
 public:
  // Made hidden: the page control shows the active sheet.
  TabSheetWindow(Backend& b, Control& c) : PaintedPeer(b, c, "OrvaneTabSheet") { createHidden_ = true; }

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
    // Its own visibility, not its parents': a sheet hidden while the form is hidden stays hidden.
    if (show != ((GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0)) ShowWindow(hwnd_, show ? SW_SHOWNA : SW_HIDE);
  }

  void Paint(HDC dc, RECT rc) override { Fill(dc, rc); }
};

class PanelWindow : public PaintedPeer {
 public:
  PanelWindow(Backend& b, Control& c) : PaintedPeer(b, c, "OrvanePanel") {}

  void Paint(HDC dc, RECT rc) override {
    const auto& panel = static_cast<const Panel&>(control_);
    const RECT full = rc;
    auto bevel = [&](Bevel b) {
      if (b != Bevel::None) DrawEdge(dc, &rc, b == Bevel::Lowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    };
    bevel(panel.BevelOuter());
    bevel(panel.BevelInner());
    PaintInside(dc, full, rc);
  }

 protected:
  // A new caption changes only what lies inside the bevels: that is drawn at once, in one call,
  // as a static control does, with no repaint of the rest.
  void CaptionChanged() override {
    if (!Seen()) return;  // painted when shown
    const auto& panel = static_cast<const Panel&>(control_);
    RECT full;
    GetClientRect(hwnd_, &full);
    RECT inside = full;
    const int bevels = (panel.BevelOuter() != Bevel::None) + (panel.BevelInner() != Bevel::None);
    InflateRect(&inside, -bevels, -bevels);
    HDC dc = GetDC(hwnd_);
    PaintInside(dc, full, inside);
    ReleaseDC(hwnd_, dc);
  }

 private:
  // The caption is centred on the whole height, so a 15-pixel panel still shows a 13-pixel
  // line; only the sides keep the border's distance.
  void PaintInside(HDC dc, const RECT& full, const RECT& inside) {
    if (control_.Caption().empty()) {
      Fill(dc, inside);
      return;
    }
    UseLook(dc);
    const auto& panel = static_cast<const Panel&>(control_);
    const int border = backend_.Scale(panel.BorderWidth());
    DrawCaption(dc, inside, inside.left + border, inside.right - border, full.top, full.bottom, panel.CaptionAlignment());
  }
};

class GroupBoxWindow : public PaintedPeer {
 public:
  GroupBoxWindow(Backend& b, Control& c) : PaintedPeer(b, c, "OrvaneGroupBox") {}

  // The etched frame runs through the middle of the caption's line; the caption covers it.
  void Paint(HDC dc, RECT rc) override {
    UseLook(dc);
    const std::wstring& caption = Caption16();
    SIZE size{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    const int left = backend_.Scale(8);
    const RECT text{left, 0, left + size.cx + backend_.Scale(4), size.cy};
    if (!caption.empty()) ExcludeClipRect(dc, text.left, text.top, text.right, text.bottom);
    RECT frame = rc;
    frame.top += size.cy / 2;
    const RECT above{rc.left, rc.top, rc.right, frame.top};
    Fill(dc, above);
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT | BF_ADJUST);
    Fill(dc, frame);
    if (caption.empty()) return;
    SelectClipRgn(dc, nullptr);
    DrawCaption(dc, text, text.left + backend_.Scale(2), text.right, text.top, text.bottom, Alignment::Left);
  }
};

class ImageWindow : public PaintedPeer {
 public:
  ImageWindow(Backend& b, Control& c) : PaintedPeer(b, c, "OrvaneImage") {}

  void Paint(HDC dc, RECT rc) override {
    Fill(dc, rc);
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
    if (bevel.Style() != Bevel::None) DrawEdge(dc, &rc, edge, edges | BF_ADJUST);
    Fill(dc, rc);
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
