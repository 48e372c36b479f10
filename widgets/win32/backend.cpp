#include "widgets/win32/backend.hpp"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/utf.hpp"
#include "widgets/components.hpp"
#include "widgets/page_control.hpp"
#include "widgets/win32/keys.hpp"
#include "widgets/win32/peers.hpp"
#include "widgets/win32/window_peer.hpp"

namespace widgets::win32 {

namespace {

int ScreenDpi() {
  int dpi = 0;
  if (HDC dc = GetDC(nullptr)) {
    dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
  }
  return dpi > 0 ? dpi : 96;
}

}  // namespace

Backend::Backend(Application& app, HINSTANCE instance)
    : app_(app), instance_(instance), dpi_(ScreenDpi()), gdi_(dpi_), loop_(PreTranslate), tips_(instance, Scale(400)) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                           ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  bigIcon_ = static_cast<HICON>(LoadImageW(instance_, L"MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                            GetSystemMetrics(SM_CYICON), 0));
  smallIcon_ = static_cast<HICON>(LoadImageW(instance_, L"MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                              GetSystemMetrics(SM_CYSMICON), 0));
  app_.SetIcon(reinterpret_cast<IconHandle>(bigIcon_));
  LoadScreenCursors();
  app_.AttachPeer(this);
}

struct Backend::FormPeers {
  struct Entry {
    Component* component;  // nullptr once it is destroyed
    std::unique_ptr<Peer> peer;
    int key;  // of the free notification on the component
  };
  Form* form = nullptr;
  WindowPeer* formPeer = nullptr;
  std::vector<Entry> peers;  // in creation order
};

Backend::~Backend() {
  app_.AttachPeer(nullptr);
  // Second forms first: they are owned by the main window.
  while (!forms_.empty()) {
    ReleaseRecord(*forms_.back());
    forms_.pop_back();
  }
  for (const auto& cls : classes_) UnregisterClassW(cls.c_str(), instance_);
  if (app_.Icon() == reinterpret_cast<IconHandle>(bigIcon_)) app_.SetIcon(0);
  if (bigIcon_) DestroyIcon(bigIcon_);
  if (smallIcon_) DestroyIcon(smallIcon_);
}

const wchar_t* Backend::EnsureClass(const std::string& name, UINT style, HBRUSH background, HICON icon,
                                    HICON smallIcon) {
  const std::wstring wide = platform::Utf8ToUtf16(name);
  for (const auto& cls : classes_)
    if (cls == wide) return cls.c_str();
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = WindowPeer::OwnClassProc;
  wc.hInstance = instance_;
  wc.hIcon = icon;
  wc.hIconSm = smallIcon;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = background;
  wc.lpszClassName = wide.c_str();
  RegisterClassExW(&wc);
  classes_.push_back(wide);
  return classes_.back().c_str();
}

Backend::FormPeers* Backend::RecordOf(const Form& form) const {
  for (const auto& record : forms_)
    if (record->form == &form) return record.get();
  return nullptr;
}

size_t Backend::PeerCount() const {
  size_t n = 0;
  for (const auto& record : forms_) n += record->peers.size();
  return n;
}

void Backend::Adopt(FormPeers& record, Component& component, std::unique_ptr<Peer> peer) {
  Peer* raw = peer.get();
  FormPeers* rec = &record;
  const int key = component.AddFreeNotification([this, rec, raw](Component& c) { ComponentDestroyed(*rec, raw, c); });
  record.peers.push_back({&component, std::move(peer), key});
}

void Backend::ComponentDestroyed(FormPeers& record, Peer* peer, Component& component) {
  if (component.GetPeer() == peer) component.AttachPeer(nullptr);
  if (auto* d = dynamic_cast<Detachable*>(peer)) d->Detach();
  if (&component == record.form) {  // the form itself: everything of it goes now
    for (auto& entry : record.peers)
      if (entry.peer.get() == peer) entry.component = nullptr;
    ReleaseRecord(record);
    std::erase_if(forms_, [&](const auto& r) { return r.get() == &record; });
    return;
  }
  std::unique_ptr<Peer> gone;  // destroyed after the record is consistent again
  for (auto it = record.peers.begin(); it != record.peers.end(); ++it)
    if (it->peer.get() == peer) {
      gone = std::move(it->peer);
      record.peers.erase(it);
      break;
    }
}

void Backend::ReleaseRecord(FormPeers& record) {
  const bool main = mainForm_ == record.form;
  if (main && record.formPeer && app_.Handle() == record.formPeer->Handle()) app_.SetHandle(0);
  // Destroying the top-level window destroys every window inside it once; the peers then go,
  // newest first, each freeing what it owns.
  for (auto& entry : record.peers)
    if (auto* w = dynamic_cast<WindowPeer*>(entry.peer.get()); w && w->Hwnd()) tips_.Drop(w->Hwnd());
  if (record.formPeer && record.formPeer->Hwnd()) DestroyWindow(record.formPeer->Hwnd());
  if (main) mainForm_ = nullptr;  // after its window: the main window's end still ends the loop
  while (!record.peers.empty()) {
    FormPeers::Entry entry = std::move(record.peers.back());
    record.peers.pop_back();
    if (entry.component) entry.component->RemoveFreeNotification(entry.key);
    entry.peer.reset();
  }
  record.formPeer = nullptr;
}

void Backend::Realize(Form& form) {
  if (RecordOf(form)) {
    if (HandleOf(form)) return;  // already made
    Release(form);                // closed: made afresh
  }
  if (!mainForm_) mainForm_ = &form;
  forms_.push_back(std::make_unique<FormPeers>());
  FormPeers& record = *forms_.back();
  record.form = &form;
  auto formPeer = MakeFormPeer(*this, form);
  WindowPeer* raw = formPeer.get();
  record.formPeer = raw;
  Adopt(record, form, std::move(formPeer));
  raw->Create(&form != mainForm_ ? HandleOf(*mainForm_) : nullptr);
  HWND hwnd = raw->Hwnd();
  if (&form == mainForm_) app_.SetHandle(reinterpret_cast<WindowHandle>(hwnd));

  // Components first: the lists show image lists.
  for (Component* c : form.Components()) {
    if (c->GetPeer()) continue;  // already shown by another form
    if (auto* timer = dynamic_cast<Timer*>(c)) {
      Adopt(record, *timer, MakeTimerPeer(*this, *timer));
    } else if (auto* menu = dynamic_cast<PopupMenu*>(c)) {
      Adopt(record, *menu, MakeMenuPeer(*this, *menu));
    } else if (auto* images = dynamic_cast<ImageList*>(c)) {
      Adopt(record, *images, MakeImageListPeer(*this, *images));
    }
  }
  CreateChildren(record, form, hwnd);
  raw->ChildrenCreated();
}

void Backend::Release(Form& form) {
  FormPeers* record = RecordOf(form);
  if (!record) return;
  ReleaseRecord(*record);
  std::erase_if(forms_, [&](const auto& r) { return r.get() == record; });
}

void Backend::CreateChildren(FormPeers& record, Control& parent, HWND parentHwnd) {
  // Windows tabs through siblings in the order they were created.
  std::vector<Control*> children = parent.Children();
  std::stable_sort(children.begin(), children.end(), [](const Control* a, const Control* b) {
    const int ta = a->TabOrder() < 0 ? 1 << 20 : a->TabOrder();
    const int tb = b->TabOrder() < 0 ? 1 << 20 : b->TabOrder();
    return ta < tb;
  });
  std::vector<RECT> earlier;  // the windows made so far under parentHwnd, on the screen
  for (Control* child : children) {
    auto peer = MakePeer(*child);
    if (!peer) continue;
    WindowPeer* raw = peer.get();
    Adopt(record, *child, std::move(peer));
    raw->Create(parentHwnd);
    // Windows stack siblings in creation order, the first on top; the tab order follows that list.
    // A control that is no tab stop and holds no controls (a label, an image, a line) is lifted
    // above the rest instead, so that of two overlapping ones the later lies on top and gets the
    // mouse, as a layout means it; the tab stops keep their order. Only a window that overlaps
    // one made before it needs the move: those made after it go below it anyway.
    if (HWND hwnd = raw->Hwnd()) {
      RECT r, both;
      GetWindowRect(hwnd, &r);
      if (child->Kind() != ControlKind::TabSheet && child->Children().empty() &&
          !(GetWindowLongW(hwnd, GWL_STYLE) & WS_TABSTOP) &&
          std::any_of(earlier.begin(), earlier.end(), [&](const RECT& e) { return IntersectRect(&both, &e, &r); }))
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      earlier.push_back(r);
    }
    if (child->ShowHint() && !child->Hint().empty()) tips_.HintChanged(*raw);
    CreateChildren(record, *child, raw->ChildParent());
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
    case ControlKind::BevelLine: return MakeBevelPeer(*this, control);
  }
  return nullptr;
}

void Backend::Show(Form& form) {
  if (!HandleOf(form)) Realize(form);
  HWND hwnd = HandleOf(form);
  if (!hwnd) return;
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  SetForegroundWindow(hwnd);
  // The focus starts on the first control in tab order (they were created in that order).
  HWND first = GetNextDlgTabItem(hwnd, nullptr, FALSE);
  SetFocus(first && IsChild(hwnd, first) ? first : hwnd);
  form.Shown();
}

void Backend::RunModal(Form& form) {
  if (!HandleOf(form)) Realize(form);
  HWND hwnd = HandleOf(form);
  if (!hwnd) return;  // no window: the form ends at once, with no result
  HWND previous = GetActiveWindow();
  // Every other form takes no input while this one is up.
  std::vector<HWND> disabled;
  for (const auto& record : forms_) {
    HWND other = record->formPeer ? record->formPeer->Hwnd() : nullptr;
    if (other && other != hwnd && IsWindowEnabled(other)) {
      EnableWindow(other, FALSE);
      disabled.push_back(other);
    }
  }
  struct Restore {  // also when a handler throws
    HWND hwnd, previous;
    std::vector<HWND>& disabled;
    ~Restore() {
      // The others first, so that hiding the form activates one of them and not another program.
      for (HWND h : disabled)
        if (IsWindow(h)) EnableWindow(h, TRUE);
      if (IsWindow(hwnd)) ShowWindow(hwnd, SW_HIDE);
      if (previous && previous != hwnd && IsWindow(previous)) {
        SetActiveWindow(previous);
        SetForegroundWindow(previous);
      }
    }
  } restore{hwnd, previous, disabled};

  Show(form);
  MSG msg{};
  // The program is ending: leave the quit message for the main loop.
  if (!loop_.RunUntil(msg, [&] { return !form.Modal() || form.GetModalResult() != mrNone || !IsWindow(hwnd); }))
    PostQuitMessage(static_cast<int>(msg.wParam));
}

int Backend::Run() {
  MSG msg{};
  loop_.RunUntil(msg, [] { return false; });
  return static_cast<int>(msg.wParam);
}

void Backend::ProcessMessages() { loop_.ProcessMessages(); }

void Backend::MainWindowDestroyed() { PostQuitMessage(0); }

HWND Backend::HandleOf(const Component& c) const { return reinterpret_cast<HWND>(c.Handle()); }

void Backend::ScreenCursorChanged() {
  const Cursor c = app_.ScreenCursor();
  if (c == crDefault) {
    // Back to each window's own cursor: ask the window under the mouse, if it is ours.
    POINT pt;
    GetCursorPos(&pt);
    HWND under = WindowFromPoint(pt);
    if (under && GetWindowThreadProcessId(under, nullptr) == GetCurrentThreadId()) {
      const LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
      SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(hit, WM_MOUSEMOVE));
      return;
    }
  }
  SetCursor(CursorHandle(c == crDefault ? crArrow : c));
}

}  // namespace widgets::win32
