// Forms and their peers may be destroyed in either order; second forms, modal ones included, come
// and go while the main window runs, and leave nothing behind.
#include <cstdio>
#include <stdexcept>

#include "tests/win32/handle_counts.hpp"
#include "tests/win32/win32_fixture.hpp"

namespace win32_tests {
namespace {

using widgets::Component;
using widgets::Control;

// A small second form with a control of each kind an about box uses.
class Dialog : public widgets::Form {
 public:
  Dialog() : Form("TTestDialog") {
    SetClientSize(236, 162);
    SetBorderStyle(widgets::BorderStyle::ToolWindow);
    SetBorderIcons(widgets::biSystemMenu);
    SetPosition(widgets::FormPosition::ScreenCenter);
    SetCaption("About Test");
    panel.SetParent(this);
    panel.SetBounds({4, 4, 229, 154});
    panel.SetBevels(widgets::Bevel::Raised, widgets::Bevel::Lowered);
    title.SetParent(&panel);
    title.SetBounds({8, 5, 213, 19});
    title.SetAutoSize(false);
    title.SetAlignment(widgets::Alignment::Center);
    title.SetCaption("Kelvo Productions");
    title.SetFont(widgets::Font{"Courier New", -16, 0x804000, 0, {}});
    line.SetParent(&panel);
    line.SetBounds({2, 27, 225, 2});
    line.SetShape(widgets::BevelShape::BottomLine);
    credits.SetParent(&panel);
    credits.SetBounds({48, 33, 160, 65});
    credits.SetAutoSize(false);
    credits.SetCaption("line one\r\nline two\r\nline three");
    image.SetParent(&panel);
    image.SetBounds({8, 35, 32, 32});
    mail.SetParent(&panel);  // lies on the credits' second line
    mail.SetBounds({48, 46, 91, 13});
    mail.SetCaption("support@example.org");
    link.SetParent(&panel);
    link.SetBounds({48, 98, 104, 13});
    link.SetCaption("http://example.org/");
    link.SetFontColor(widgets::clBlue);
    link.SetCursor(widgets::crHandPoint);
    ok.SetParent(&panel);
    ok.SetBounds({150, 124, 60, 21});
    ok.SetCaption("&OK");
    timer.SetInterval(1000);
    AddComponent(timer);
    menu.AddItem({"Copy1", "&Copy", {}, [this] { log.push_back(MenuShowing() ? "copy while open" : "copy"); }});
    menu.AddItem({"Paste1", "&Paste", {}, [this] { log.push_back(MenuShowing() ? "paste while open" : "paste"); }});
    menu.OnPopup = [this](Component&) { log.push_back("popup"); };
    AddComponent(menu);
    SetContextMenu(&menu);
  }

  static bool MenuShowing() {
    HWND m = FindWindowA("#32768", nullptr);
    return m && IsWindowVisible(m);
  }

  widgets::Panel panel;
  widgets::Label title, credits, mail, link;
  widgets::BevelLine line;
  widgets::Image image;
  widgets::Button ok;
  widgets::Timer timer;
  widgets::PopupMenu menu;
  std::vector<std::string> log;
};

// Closes a form after a time, so a test whose keys or ticks never arrive fails instead of hanging.
class Watchdog {
 public:
  Watchdog(widgets::Form& form, UINT ms) {
    target_ = &form;
    id_ = SetTimer(nullptr, 0, ms, Fire);
  }
  ~Watchdog() {
    KillTimer(nullptr, id_);
    target_ = nullptr;
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD) {
    if (target_) target_->Close();
  }
  static inline widgets::Form* target_ = nullptr;
  UINT_PTR id_ = 0;
};

void DropWaitingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

TEST(FormLifetime, AFormAndItsBackendMayGoInEitherOrder) {
  widgets::Application app;
  {  // the form first, as the program entry does it
    auto backend = std::make_unique<widgets::win32::Backend>(app, GetModuleHandleA(nullptr));
    auto form = std::make_unique<TFormOrvane>(app);
    backend->Realize(*form);
    form->FormCreate();
    HWND main = backend->HandleOf(*form);
    HWND panel = backend->HandleOf(form->RamSize_Panel);
    ASSERT_TRUE(IsWindow(main));
    // The tray icon keeps a hidden window of its own and needs no peer.
    size_t withPeers = 0;
    for (widgets::Component* c : form->LayoutComponents()) withPeers += dynamic_cast<TTrayCtrl*>(c) == nullptr;
    EXPECT_EQ(backend->PeerCount(), withPeers + 1) << "one peer per control and component";
    form.reset();
    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(IsWindow(panel));
    EXPECT_EQ(backend->PeerCount(), 0u) << "the form took its peers along, at once";
  }
  DropWaitingMessages();
  {  // the backend first: the controls live on without windows
    auto backend = std::make_unique<widgets::win32::Backend>(app, GetModuleHandleA(nullptr));
    auto form = std::make_unique<TFormOrvane>(app);
    backend->Realize(*form);
    form->FormCreate();
    HWND main = backend->HandleOf(*form);
    backend.reset();
    EXPECT_FALSE(IsWindow(main));
    for (Component* c : form->LayoutComponents()) EXPECT_EQ(c->GetPeer(), nullptr) << c->Name();
    EXPECT_EQ(form->GetPeer(), nullptr);
    form->MemPage_Update();
    form->Timer1.SetInterval(10);
    form->Main_PageCtrl.SetActivePageIndex(4);
  }
  DropWaitingMessages();
}

using SecondForms = RealWindow;

TEST_F(SecondForms, AControlOrComponentDestroyedFirstTakesItsWindowAndTimerAlong) {
  widgets::Form loose("TTestLoose");
  loose.SetClientSize(120, 80);
  auto label = std::make_unique<widgets::Label>();
  label->SetParent(&loose);
  label->SetCaption("going");
  auto timer = std::make_unique<widgets::Timer>();
  timer->SetInterval(10);
  loose.AddComponent(*timer);
  int ticks = 0;
  timer->OnTimer = [&](Component&) { ++ticks; };
  const size_t before = backend_->PeerCount();
  backend_->Realize(loose);
  HWND hwnd = Hwnd(loose), labelHwnd = Hwnd(*label);
  ASSERT_TRUE(IsWindow(labelHwnd));
  EXPECT_EQ(backend_->PeerCount(), before + 3);
  label.reset();
  EXPECT_FALSE(IsWindow(labelHwnd));
  EXPECT_EQ(backend_->PeerCount(), before + 2);
  timer.reset();
  EXPECT_EQ(backend_->PeerCount(), before + 1);
  ticks = 0;
  PostMessageA(hwnd, WM_TIMER, 1, 0);  // a tick already waiting finds no timer
  Pump(app_, 60);
  EXPECT_EQ(ticks, 0);
  loose.SetCaption("still here");
  EXPECT_EQ(Text(hwnd), "still here");
  backend_->Release(loose);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(backend_->PeerCount(), before);
  EXPECT_TRUE(IsWindow(main_)) << "the main window runs on";
}

TEST_F(SecondForms, AThousandModalOpeningsLeaveNothingBehind) {
  backend_->Show(*form_);
  auto cycle = [&] {
    Dialog dlg;
    dlg.OnShow = [&](Control&) { PostMessageA(Hwnd(dlg), WM_CLOSE, 0, 0); };
    EXPECT_EQ(app_.ShowModal(dlg), widgets::mrCancel);
  };
  cycle();  // the backend's caches of fonts, brushes and window classes fill once
  Pump(app_);
  const long windows = ThreadWindowCount(), kernel = KernelHandleCount(), gdi = GdiObjectCount();
  const size_t peers = backend_->PeerCount();
  ASSERT_GT(kernel, 0);
  ASSERT_GT(gdi, 0);
  for (int i = 0; i < 1000; ++i) cycle();
  Pump(app_);
  std::printf("after 1000 modal cycles: windows %ld -> %ld, peers %zu -> %zu, kernel %ld -> %ld, gdi %ld -> %ld\n",
              windows, ThreadWindowCount(), peers, backend_->PeerCount(), kernel, KernelHandleCount(), gdi,
              GdiObjectCount());
  EXPECT_EQ(ThreadWindowCount(), windows);
  EXPECT_EQ(backend_->PeerCount(), peers);
  EXPECT_EQ(KernelHandleCount(), kernel);
  EXPECT_EQ(GdiObjectCount(), gdi);
}

TEST_F(SecondForms, TheCountersSeeWhatTheProcessHolds) {  // else the test above proves nothing
  const long kernel = KernelHandleCount(), gdi = GdiObjectCount();
  std::vector<HANDLE> events;
  std::vector<HBRUSH> brushes;
  for (int i = 0; i < 50; ++i) events.push_back(CreateEventA(nullptr, FALSE, FALSE, nullptr));
  for (int i = 0; i < 100; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
  EXPECT_EQ(KernelHandleCount(), kernel + 50);
  EXPECT_EQ(GdiObjectCount(), gdi + 100);
  for (HANDLE e : events) CloseHandle(e);
  for (HBRUSH b : brushes) DeleteObject(b);
  EXPECT_EQ(KernelHandleCount(), kernel);
  EXPECT_EQ(GdiObjectCount(), gdi);
}

TEST_F(SecondForms, TheOwnerIsDisabledWhileAModalFormIsUpAndItsTimerTicks) {
  backend_->Show(*form_);
  form_->Timer1.SetInterval(10);
  Dialog dlg;
  int ticks = 0;
  bool ownerEnabled = true, dialogShown = false;
  form_->Timer1.OnTimer = [&](Component&) {
    if (++ticks != 5) return;
    ownerEnabled = IsWindowEnabled(main_) != 0;
    dialogShown = IsWindowVisible(Hwnd(dlg)) != 0;
    dlg.Close();
  };
  Watchdog watchdog(dlg, 5000);
  EXPECT_EQ(app_.ShowModal(dlg), widgets::mrCancel);
  EXPECT_GE(ticks, 5) << "the main form's timer ran while the modal form was up";
  EXPECT_FALSE(ownerEnabled);
  EXPECT_TRUE(dialogShown);
  EXPECT_TRUE(IsWindowEnabled(main_)) << "enabled again afterwards";
  EXPECT_FALSE(IsWindowVisible(Hwnd(dlg)));
  EXPECT_EQ(GetActiveWindow(), main_) << "and active again";
  EXPECT_EQ(GetWindow(Hwnd(dlg), GW_OWNER), main_) << "a second form is owned by the main window";
}

TEST_F(SecondForms, KeyPreviewSeesCharacterKeysBeforeTheFocusedControl) {
  backend_->Show(*form_);
  Dialog dlg;
  dlg.SetKeyPreview(true);
  std::string keys;
  HWND focused = nullptr;
  dlg.OnKeyPress = [&](Control&, char& key) {
    keys += key;
    if (key == 27) dlg.Close();
  };
  dlg.OnShow = [&](Control&) {
    focused = GetFocus();
    PostMessageW(focused, WM_CHAR, 0x416, 1);  // a Cyrillic letter
    PostKey(focused, 'A');
    PostKey(focused, VK_LEFT);
    PostKey(focused, VK_ESCAPE);
  };
  Watchdog watchdog(dlg, 5000);
  app_.ShowModal(dlg);
  EXPECT_EQ(focused, Hwnd(dlg.ok)) << "the focus starts on the first control in tab order";
  EXPECT_EQ(keys, "\x80" "a\x1b") << "letters (one beyond ASCII as 0x80) and Esc reach the form, an arrow key does not";
}

TEST_F(SecondForms, TheControlsOfASecondFormTakeTheirInput) {
  backend_->Show(*form_);
  Dialog dlg;
  app_.ShowForm(dlg);  // not modal: the test goes on while it shows
  ASSERT_TRUE(IsWindowVisible(Hwnd(dlg)));
  EXPECT_EQ(Class(Hwnd(dlg.line)), "OrvaneBevel");
  EXPECT_EQ(SendMessageA(Hwnd(dlg.line), WM_NCHITTEST, 0, 0), HTTRANSPARENT) << "a bevel line takes no input";
  EXPECT_EQ(GetWindowLongA(Hwnd(dlg.title), GWL_STYLE) & SS_TYPEMASK, SS_CENTER);
  RECT r;
  GetClientRect(Hwnd(dlg.title), &r);
  EXPECT_EQ(r.right, backend_->Scale(213)) << "a label of fixed size keeps its width";

  int clicks = 0;
  dlg.image.OnClick = [&](Control&) { ++clicks; };
  HWND image = Hwnd(dlg.image);
  SendMessageA(image, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageA(image, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 1);
  SendMessageA(image, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageA(image, WM_LBUTTONUP, 0, MAKELPARAM(400, 5));
  EXPECT_EQ(clicks, 1) << "a release outside the image is no click";

  // A link label: mouse moves and clicks, its hand cursor, and a style change shown at once.
  int moves = 0;
  dlg.link.OnMouseMove = [&](Control&, widgets::ShiftState, int x, int y) { moves += x == 3 && y == 2; };
  dlg.link.OnClick = [&](Control&) { ++clicks; };
  HWND link = Hwnd(dlg.link);
  EXPECT_EQ(SendMessageA(link, WM_NCHITTEST, 0, 0), HTCLIENT) << "the mouse does not pass through a label";
  SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(3, 2));
  SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 2));
  SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 2));
  EXPECT_EQ(moves, 1);
  EXPECT_EQ(clicks, 2);
  SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(32761))) << "the program's own hand";
  dlg.link.SetFontStyle(widgets::fsUnderline);
  dlg.link.SetFontColor(0x804000);
  HDC dc = CreateCompatibleDC(nullptr);
  SendMessageA(GetParent(link), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(link));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 64, 128));
  DeleteDC(dc);
  LOGFONTA lf{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(link, WM_GETFONT, 0, 0)), sizeof lf, &lf);
  EXPECT_TRUE(lf.lfUnderline);
  RECT dirty;
  EXPECT_FALSE(GetUpdateRect(link, &dirty, FALSE)) << "repainted at once, nothing left to paint";
  // Of two overlapping labels the later lies on top and gets the mouse; tab stops keep their order.
  POINT onMail{backend_->Scale(50), backend_->Scale(50)};
  EXPECT_EQ(ChildWindowFromPoint(Hwnd(dlg.panel), onMail), Hwnd(dlg.mail));
  POINT onCredits{backend_->Scale(150), backend_->Scale(40)};
  EXPECT_EQ(ChildWindowFromPoint(Hwnd(dlg.panel), onCredits), Hwnd(dlg.credits));
  backend_->Release(dlg);
}

TEST_F(SecondForms, APopupMenuPopsUpForAnyWindowAndRunsTheItemOnceClosed) {
  backend_->Show(*form_);
  Dialog dlg;
  backend_->Realize(dlg);  // the menu's peer comes with the form
  for (UINT vk : {VK_DOWN, VK_DOWN, VK_RETURN}) PostKey(main_, vk);
  dlg.menu.Popup(200, 200, reinterpret_cast<widgets::WindowHandle>(main_));
  EXPECT_EQ(dlg.log, (std::vector<std::string>{"popup", "paste"}));
  Pump(app_);
  backend_->Release(dlg);
}

// A tick that takes longer than the interval, or fails, still lets the loop handle the input
// between ticks: a close posted to a modal form arrives after the next tick at the latest.
TEST_F(SecondForms, ASlowOrFailingTickLetsTheInputThrough) {
  backend_->Show(*form_);
  Dialog dlg;
  int ticks = 0;
  form_->Timer1.SetInterval(10);
  form_->Timer1.OnTimer = [&](Component&) {
    if (++ticks == 1) PostMessageA(Hwnd(dlg), WM_CLOSE, 0, 0);
    if (ticks == 100) dlg.Close();  // the input never came
    Sleep(15);
    if (ticks % 2) throw std::runtime_error("tick failed");
  };
  EXPECT_EQ(app_.ShowModal(dlg), widgets::mrCancel);
  EXPECT_LE(ticks, 2);
}

}  // namespace
}  // namespace win32_tests
