#include "widgets/win32/backend.hpp"

#include <commctrl.h>

#include <algorithm>

#include "widgets/components.hpp"
#include "widgets/win32/peers.hpp"
#include "widgets/win32/window_peer.hpp"

namespace widgets::win32 {

Backend::Backend(Application& app, HINSTANCE instance) : app_(app), instance_(instance) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                           ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  if (HDC dc = GetDC(nullptr)) {
    dpi_ = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
  }
  if (dpi_ <= 0) dpi_ = 96;
  bigIcon_ = static_cast<HICON>(LoadImageA(instance_, "MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                           GetSystemMetrics(SM_CYICON), 0));
  smallIcon_ = static_cast<HICON>(LoadImageA(instance_, "MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), 0));
  app_.SetIcon(reinterpret_cast<IconHandle>(bigIcon_));
  LoadScreenCursors();
  app_.AttachPeer(this);
}

Backend::~Backend() {
  app_.AttachPeer(nullptr);
  // Destroying a top-level window destroys its children first; then the peers can go.
  for (auto& peer : peers_)
    if (peer->Hwnd() && !GetParent(peer->Hwnd())) DestroyWindow(peer->Hwnd());
  if (tooltip_) DestroyWindow(tooltip_);
  peers_.clear();
  componentPeers_.clear();
  for (auto& [key, font] : fonts_) DeleteObject(font);
  for (auto& [color, brush] : brushes_) DeleteObject(brush);
  for (const auto& cls : classes_) UnregisterClassA(cls.c_str(), instance_);
  if (app_.Icon() == reinterpret_cast<IconHandle>(bigIcon_)) app_.SetIcon(0);
  if (bigIcon_) DestroyIcon(bigIcon_);
  if (smallIcon_) DestroyIcon(smallIcon_);
}

const char* Backend::EnsureClass(const std::string& name, UINT style, HBRUSH background, HICON icon,
                                 HICON smallIcon) {
  for (const auto& cls : classes_)
    if (cls == name) return cls.c_str();
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = WindowPeer::OwnClassProc;
  wc.hInstance = instance_;
  wc.hIcon = icon;
  wc.hIconSm = smallIcon;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = background;
  wc.lpszClassName = name.c_str();
  RegisterClassExA(&wc);
  classes_.push_back(name);
  return classes_.back().c_str();
}

void Backend::Realize(Form& form) {
  if (!mainForm_) mainForm_ = &form;
  auto formPeer = MakeFormPeer(*this, form);
  WindowPeer* raw = formPeer.get();
  peers_.push_back(std::move(formPeer));
  raw->Create(nullptr);
  HWND hwnd = raw->Hwnd();
  if (&form == mainForm_) app_.SetHandle(reinterpret_cast<WindowHandle>(hwnd));

  // Components first: the lists show image lists, and the timer belongs to the form's window.
  for (Component* c : form.Components()) {
    if (auto* timer = dynamic_cast<Timer*>(c)) {
      const UINT_PTR id = timers_.size() + 1;
      componentPeers_.push_back(MakeTimerPeer(*this, *timer, hwnd, id));
      timers_.emplace(id, timer);
    } else if (auto* menu = dynamic_cast<PopupMenu*>(c)) {
      componentPeers_.push_back(MakeMenuPeer(*menu));
    } else if (auto* images = dynamic_cast<ImageList*>(c)) {
      componentPeers_.push_back(MakeImageListPeer(*this, *images));
    }
  }
  CreateChildren(form, hwnd);
  raw->ChildrenCreated();
}

void Backend::CreateChildren(Control& parent, HWND parentHwnd) {
  // Windows tabs through siblings in the order they were created.
  std::vector<Control*> children = parent.Children();
  std::stable_sort(children.begin(), children.end(), [](const Control* a, const Control* b) {
    const int ta = a->TabOrder() < 0 ? 1 << 20 : a->TabOrder();
    const int tb = b->TabOrder() < 0 ? 1 << 20 : b->TabOrder();
    return ta < tb;
  });
  for (Control* child : children) {
    auto peer = MakePeer(*child);
    if (!peer) continue;
    WindowPeer* raw = peer.get();
    peers_.push_back(std::move(peer));
    raw->Create(parentHwnd);
    if (child->ShowHint() && !child->Hint().empty()) HintChanged(*raw);
    CreateChildren(*child, raw->Hwnd());
    raw->ChildrenCreated();
  }
}

std::unique_ptr<WindowPeer> Backend::MakePeer(Control& control) {
  switch (control.Kind()) {
    case ControlKind::Form: return MakeFormPeer(*this, static_cast<Form&>(control));
    case ControlKind::PageControl: return MakePageControlPeer(*this, control);
    case ControlKind::TabSheet: return MakeTabSheetPeer(*this, control);
    case ControlKind::Panel: return MakePanelPeer(*this, control);
    case ControlKind::Label: return MakeLabelPeer(*this, control);
    case ControlKind::GroupBox: return MakeGroupBoxPeer(*this, control);
    case ControlKind::Button: return MakeButtonPeer(*this, control);
    case ControlKind::SpeedButton: return MakeSpeedButtonPeer(*this, control);
    case ControlKind::CheckBox: return MakeCheckBoxPeer(*this, control);
    case ControlKind::ComboBox: return MakeComboBoxPeer(*this, control);
    case ControlKind::ListView: return MakeListViewPeer(*this, control);
    case ControlKind::TrackBar: return MakeTrackBarPeer(*this, control);
    case ControlKind::Image: return MakeImagePeer(*this, control);
  }
  return nullptr;
}

void Backend::TimerFired(UINT_PTR id) {
  if (auto it = timers_.find(id); it != timers_.end()) it->second->Tick();
}

void Backend::Show(Form& form) {
  if (HWND hwnd = HandleOf(form)) {
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    SetForegroundWindow(hwnd);
    // The focus starts on the first control in tab order (they were created in that order).
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      const LONG style = GetWindowLongA(c, GWL_STYLE);
      if ((style & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) == (WS_TABSTOP | WS_VISIBLE)) {
        SetFocus(c);
        break;
      }
    }
  }
}

int Backend::Run() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

void Backend::ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the main loop
      return;
    }
    if (PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool Backend::PreTranslate(MSG& msg) {
  HWND main = mainForm_ ? HandleOf(*mainForm_) : nullptr;
  if (!main || (msg.hwnd != main && !IsChild(main, msg.hwnd))) return false;
  if (auto* peer = static_cast<FormPeerBase*>(WindowPeer::FromHwnd(main)); peer && peer->TranslateAccelerator(msg))
    return true;
  return IsDialogMessageA(main, &msg) != 0;
}

void Backend::MainWindowDestroyed() { PostQuitMessage(0); }

HWND Backend::HandleOf(const Component& c) const { return reinterpret_cast<HWND>(c.Handle()); }

HFONT Backend::FontFor(const Font& f) {
  if (f.handle) return reinterpret_cast<HFONT>(f.handle->Handle());
  const auto key = std::make_tuple(f.name, f.height, static_cast<int>(f.style));
  if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
  HFONT font = CreateFontA(Scale(f.height), 0, 0, 0, (f.style & fsBold) ? FW_BOLD : FW_NORMAL,
                           (f.style & fsItalic) != 0, (f.style & fsUnderline) != 0, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                           f.name.c_str());
  fonts_.emplace(key, font);
  return font;
}

COLORREF Backend::ToColorRef(Color c) {
  return IsSystemColor(c) ? GetSysColor(static_cast<int>(c & 0xFF)) : static_cast<COLORREF>(c & 0xFFFFFF);
}

HBRUSH Backend::BrushFor(Color c) {
  if (IsSystemColor(c)) return GetSysColorBrush(static_cast<int>(c & 0xFF));  // shared, never deleted
  if (auto it = brushes_.find(c); it != brushes_.end()) return it->second;
  HBRUSH brush = CreateSolidBrush(ToColorRef(c));
  brushes_.emplace(c, brush);
  return brush;
}

void Backend::HintChanged(WindowPeer& peer) {
  Control& c = peer.Model();
  HWND hwnd = peer.Hwnd();
  if (!hwnd) return;
  if (!tooltip_) {
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                               instance_, nullptr);
    // A width limit turns on line breaks at "\r\n" in the texts.
    SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, Scale(400));
  }
  TOOLINFOA ti{};
  ti.cbSize = TTTOOLINFOA_V1_SIZE;
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = GetParent(hwnd);
  ti.uId = reinterpret_cast<UINT_PTR>(hwnd);
  ti.hinst = instance_;
  ti.lpszText = const_cast<char*>(c.Hint().c_str());
  const bool want = c.ShowHint() && !c.Hint().empty();
  const bool has = tipped_.count(hwnd) != 0;
  if (want && !has) {
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    tipped_.insert(hwnd);
  } else if (want) {
    SendMessageA(tooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
  } else if (has) {
    SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    tipped_.erase(hwnd);
  }
}

}  // namespace widgets::win32

namespace widgets::win32 {

void Backend::ScreenCursorChanged() {
  const Cursor c = app_.ScreenCursor();
  if (c == crDefault) {
    // Back to each window's own cursor: ask the window under the mouse, if it is ours.
    POINT pt;
    GetCursorPos(&pt);
    HWND under = WindowFromPoint(pt);
    if (under && GetWindowThreadProcessId(under, nullptr) == GetCurrentThreadId()) {
      const LRESULT hit = SendMessageA(under, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
      SendMessageA(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(hit, WM_MOUSEMOVE));
      return;
    }
  }
  SetCursor(CursorHandle(c == crDefault ? crArrow : c));
}

}  // namespace widgets::win32
