#include "widgets/win32/backend.hpp"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "widgets/components.hpp"
#include "widgets/page_control.hpp"
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

struct Backend::FormPeers {
  struct Entry {
    Component* component;  // nullptr once it is destroyed
    std::unique_ptr<Peer> peer;
    int key;  // of the free notification on the component
  };
  Form* form = nullptr;
  WindowPeer* formPeer = nullptr;
  std::vector<Entry> peers;  // in creation order
  std::map<UINT_PTR, Timer*> timers;
  UINT_PTR lastTimerId = 0;
};

Backend::~Backend() {
  app_.AttachPeer(nullptr);
  // Second forms first: they are owned by the main window.
  while (!forms_.empty()) {
    ReleaseRecord(*forms_.back());
    forms_.pop_back();
  }
  if (tooltip_) DestroyWindow(tooltip_);
  if (measureDc_) DeleteDC(measureDc_);
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
  std::erase_if(record.timers, [&](const auto& t) { return t.second == &component; });
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
    if (auto* w = dynamic_cast<WindowPeer*>(entry.peer.get()); w && w->Hwnd()) DropHint(w->Hwnd());
  if (record.formPeer && record.formPeer->Hwnd()) DestroyWindow(record.formPeer->Hwnd());
  if (main) mainForm_ = nullptr;  // after its window: the main window's end still ends the loop
  record.timers.clear();
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

  // Components first: the lists show image lists, and the timer belongs to the form's window.
  for (Component* c : form.Components()) {
    if (c->GetPeer()) continue;  // already shown by another form
    if (auto* timer = dynamic_cast<Timer*>(c)) {
      const UINT_PTR id = ++record.lastTimerId;
      Adopt(record, *timer, MakeTimerPeer(*this, *timer, hwnd, id));
      record.timers.emplace(id, timer);
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
          !(GetWindowLongA(hwnd, GWL_STYLE) & WS_TABSTOP) &&
          std::any_of(earlier.begin(), earlier.end(), [&](const RECT& e) { return IntersectRect(&both, &e, &r); }))
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      earlier.push_back(r);
    }
    if (child->ShowHint() && !child->Hint().empty()) HintChanged(*raw);
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

void Backend::TimerFired(const Form& form, UINT_PTR id) {
  FormPeers* record = RecordOf(form);
  if (!record) return;
  auto it = record->timers.find(id);
  if (it == record->timers.end()) return;
  // Ticked by another loop: the own loop's next tick is an interval from now.
  if (auto* loop = dynamic_cast<LoopTimer*>(it->second->GetPeer())) loop->due = GetTickCount64() + loop->interval;
  it->second->Tick();
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
  if (!Loop(msg, [&] { return !form.Modal() || form.GetModalResult() != mrNone || !IsWindow(hwnd); }))
    PostQuitMessage(static_cast<int>(msg.wParam));
}

int Backend::Run() {
  MSG msg{};
  Loop(msg, [] { return false; });
  return static_cast<int>(msg.wParam);
}

void Backend::ProcessMessages() {
  MSG msg{};
  Pumped pumped;
  while ((pumped = PumpOne(msg)) == Pumped::One) {
  }
  if (pumped == Pumped::Quit) PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the main loop
}

Backend::Pumped Backend::PumpOne(MSG& msg) {
  OwnLoopRuns();
  RunDueTimers();
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return Pumped::None;
  if (msg.message == WM_QUIT) return Pumped::Quit;
  if (!PreTranslate(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return Pumped::One;
}

bool Backend::Loop(MSG& msg, const std::function<bool()>& done) {
  while (!done()) {
    switch (PumpOne(msg)) {
      case Pumped::Quit:
        return false;
      case Pumped::One:
        break;
      case Pumped::None:
        // Nothing waiting: sleep until input comes or the next tick is due. A tick needs no look
        // at the queue; input needs one.
        for (;;) {
          const DWORD wait = RunDueTimers();
          if (done()) return true;
          if (MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE) != WAIT_TIMEOUT) break;
        }
        break;
    }
  }
  return true;
}

void Backend::Schedule(LoopTimer& timer) {
  timer.due = GetTickCount64() + timer.interval;
  if (std::find(loopTimers_.begin(), loopTimers_.end(), &timer) == loopTimers_.end()) loopTimers_.push_back(&timer);
  if (otherLoop_) timer.Arm(true);
}

void Backend::Unschedule(LoopTimer& timer) {
  std::erase(loopTimers_, &timer);
  timer.Arm(false);
}

void Backend::OtherLoopRuns() {
  if (otherLoop_) return;
  otherLoop_ = true;
  for (LoopTimer* t : loopTimers_) t->Arm(true);
}

void Backend::OwnLoopRuns() {
  if (!otherLoop_) return;
  otherLoop_ = false;
  for (LoopTimer* t : loopTimers_) t->Arm(false);
}

DWORD Backend::RunDueTimers() {
  if (loopTimers_.empty()) return INFINITE;
  // Only timers due when the pass starts tick, so none ticks twice and input is handled between
  // passes however long a tick takes. A tick may stop, start or destroy timers (its own too): the
  // list is walked by index, and one moved meanwhile waits for the next pass.
  const ULONGLONG start = GetTickCount64();
  ULONGLONG now = start;
  for (size_t i = 0; i < loopTimers_.size(); ++i) {
    LoopTimer* t = loopTimers_[i];
    if (t->due > start) continue;
    t->due += t->interval;
    if (t->due <= now) t->due = now + t->interval;  // late: no ticks are made up
    try {
      t->Fire();
    } catch (...) {
      OutputDebugStringA("Orvane: a timer handler failed\n");
    }
    now = GetTickCount64();
  }
  ULONGLONG next = ~0ULL;
  for (const LoopTimer* t : loopTimers_) next = std::min(next, t->due);
  if (next == ~0ULL) return INFINITE;
  return next <= now ? 0 : static_cast<DWORD>(std::min<ULONGLONG>(next - now, INFINITE - 1));
}

namespace {

// The keys a form's key preview sees: those that make a character, Backspace, Enter and Esc
// included; not the control characters of Ctrl+letter.
bool IsCharacterKey(WPARAM c) { return c >= 32 || c == '\b' || c == '\r' || c == 27; }

}  // namespace

bool Backend::TakesInput(HWND hwnd) {
  if (!hwnd || !IsWindowVisible(hwnd)) return false;  // visible: it and every window it lies in
  for (HWND h = hwnd; h; h = (GetWindowLongA(h, GWL_STYLE) & WS_CHILD) ? GetParent(h) : nullptr)
    if (!IsWindowEnabled(h)) return false;
  return true;
}

HWND Backend::FocusHome(HWND gone) {
  HWND root = GetAncestor(gone, GA_ROOT);
  WindowPeer* peer = WindowPeer::FromHwnd(gone);
  for (Control* c = peer && !peer->Detached() ? &peer->Model() : nullptr; c; c = c->Parent())
    if (c->Kind() == ControlKind::PageControl)
      if (HWND strip = HandleOf(*c); TakesInput(strip)) return strip;
  HWND first = root ? GetNextDlgTabItem(root, nullptr, FALSE) : nullptr;
  return first && first != gone && !IsChild(gone, first) && TakesInput(first) ? first : root;
}

void Backend::FocusLeaves(HWND gone) {
  if (!(GetWindowLongA(gone, GWL_STYLE) & WS_CHILD)) return;  // a form: activation moves the focus
  HWND focus = GetFocus();
  // Disabling a window drops the focus it held: then no window of the active form has it.
  const bool lost = focus ? focus == gone || IsChild(gone, focus) : GetActiveWindow() == GetAncestor(gone, GA_ROOT);
  if (lost)
    if (HWND home = FocusHome(gone)) SetFocus(home);
}

bool Backend::PreTranslate(MSG& msg) {
  // Only keys are pre-translated: timer, paint and mouse messages go straight to their window, as
  // in a hand-written loop, and cost no look-ups on every tick.
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  auto* peer = dynamic_cast<FormPeerBase*>(WindowPeer::FromHwnd(root));
  if (!peer || peer->Detached()) return false;
  // A form that is hidden, or disabled under a modal one, takes no keys: its short-cuts, page keys
  // and dialog keys wait, and what is posted to it is dispatched as it is.
  if (!TakesInput(root)) return false;
  Form& form = peer->GetForm();
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 &&
      CyclePages(msg.hwnd, GetKeyState(VK_SHIFT) >= 0))
    return true;
  if (form.KeyPreview() && form.OnKeyPress) {
    if (msg.message == WM_CHAR && IsCharacterKey(msg.wParam)) {
      char key = static_cast<char>(msg.wParam);
      form.KeyPress(key);
      if (key == 0 || !IsWindow(msg.hwnd)) return true;
      msg.wParam = static_cast<unsigned char>(key);
    } else if (msg.message == WM_KEYDOWN && (msg.wParam == VK_ESCAPE || msg.wParam == VK_RETURN)) {
      // The dialog keys below take Esc and Enter at the key-down, so no character would follow;
      // make it now, for the form to see after the key's own action.
      TranslateMessage(&msg);
    }
  }
  if (peer->TranslateAccelerator(msg)) return true;
  // The dialog keys look for a mnemonic by walking the shown controls from the message's window
  // round to it again: from a window inside a hidden or disabled one they would never get back.
  if (!TakesInput(msg.hwnd)) return false;
  return IsDialogMessageA(root, &msg) != 0;
}

// Ctrl+Tab (Shift: backwards) on a page control's tab strip or inside one of its pages shows the
// next page; the focus goes to the strip, since the page it was on is hidden now.
bool Backend::CyclePages(HWND focus, bool forward) {
  for (HWND h = focus; h; h = GetParent(h)) {
    WindowPeer* peer = WindowPeer::FromHwnd(h);
    if (!peer || peer->Detached()) continue;
    Control& c = peer->Model();
    if (c.Kind() == ControlKind::Form) return false;
    Control* pages = c.Kind() == ControlKind::PageControl ? &c
                     : (c.Kind() == ControlKind::TabSheet && c.Parent() && c.Parent()->Kind() == ControlKind::PageControl)
                         ? c.Parent()
                         : nullptr;
    if (!pages) continue;
    static_cast<PageControl*>(pages)->SelectNextPage(forward);
    if (HWND strip = HandleOf(*pages)) SetFocus(strip);
    return true;
  }
  return false;
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

SIZE Backend::TextSize(const Font& f, const std::string& text) {
  if (!measureDc_) measureDc_ = CreateCompatibleDC(nullptr);
  RECT r{0, 0, 0, 0};
  if (measureDc_) {
    HGDIOBJ old = SelectObject(measureDc_, FontFor(f));
    DrawTextA(measureDc_, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_LEFT);
    SelectObject(measureDc_, old);
  }
  return SIZE{r.right - r.left, r.bottom - r.top};
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

void Backend::DropHint(HWND hwnd) {
  if (!tooltip_ || !tipped_.count(hwnd)) return;
  TOOLINFOA ti{};
  ti.cbSize = TTTOOLINFOA_V1_SIZE;
  ti.hwnd = GetParent(hwnd);
  ti.uId = reinterpret_cast<UINT_PTR>(hwnd);
  SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  tipped_.erase(hwnd);
}

void Backend::RelayToTooltip(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (!tooltip_ || !tipped_.count(hwnd)) return;
  const DWORD pos = GetMessagePos();
  MSG m{hwnd, msg, wp, lp, static_cast<DWORD>(GetMessageTime()), {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)}};
  SendMessageA(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&m));
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
  ti.uFlags = TTF_IDISHWND;  // the peer relays the mouse (RelayToTooltip): no subclass per tool
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
