// The scheduler against Wine's real loops: the ticks go on in every loop that pumps the messages,
// at the timer's own interval, and the own loop takes them back without an extra tick.
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "tests/win32/win32_fixture.hpp"

namespace win32_tests {
namespace {

using widgets::Component;

class Scheduler : public RealWindow {
 protected:
  void SetUp() override {
    RealWindow::SetUp();
    backend_->Show(*form_);
    second_.SetClientSize(100, 60);
    second_.AddComponent(late_);
    late_.SetEnabled(false);
    backend_->Realize(second_);
  }
  void TearDown() override {
    backend_->Release(second_);
    RealWindow::TearDown();
  }
  widgets::win32::MessageLoop& Loop() { return backend_->Loop(); }
  // Runs the own loop until done() holds (or 3 s pass).
  void RunOwnLoop(const std::function<bool()>& done) {
    const ULONGLONG until = GetTickCount64() + 3000;
    const UINT_PTR wake = SetTimer(nullptr, 0, 3100, nullptr);  // a loop that stalls wakes to end
    MSG msg{};
    Loop().RunUntil(msg, [&] { return done() || GetTickCount64() > until; });
    KillTimer(nullptr, wake);
  }
  // The own loop has waited once, so the system timers are off: every case starts alike.
  void Settle() {
    RunOwnLoop([&] { return !Loop().OnSystemTimers(); });
  }
  // Ticks Timer1 every `ms`, writing down when.
  void TickEvery(unsigned ms, const std::function<void()>& each = {}) {
    times_.clear();
    form_->Timer1.OnTimer = [this, each](Component&) {
      times_.push_back(GetTickCount64());
      if (each) each();
    };
    form_->Timer1.SetInterval(ms);
  }
  // The shortest and the mean time between the ticks from `from` on.
  ULONGLONG ShortestGap(size_t from) const {
    ULONGLONG gap = ~0ULL;
    for (size_t i = from + 1; i < times_.size(); ++i) gap = std::min(gap, times_[i] - times_[i - 1]);
    return gap;
  }
  double MeanGap(size_t from, size_t to) const {
    return to > from ? static_cast<double>(times_[to - 1] - times_[from]) / static_cast<double>(to - 1 - from) : 0;
  }

  widgets::Form second_{"TTestSecond"};
  widgets::Timer late_;
  std::vector<ULONGLONG> times_;
};

// Ends whatever loop runs after 3 s, if the ticks never came to end it.
struct Watchdog {
  explicit Watchdog(std::function<void()> end) {
    end_ = std::move(end);
    id_ = SetTimer(nullptr, 0, 3000, Fire);
  }
  ~Watchdog() {
    KillTimer(nullptr, id_);
    end_ = nullptr;
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;
  static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD) {
    if (end_) end_();
  }
  static inline std::function<void()> end_;
  UINT_PTR id_;
};

// A window with a long list, whose scroll bar runs the system's scroll loop.
HWND MakeScrollingList() {
  HWND list = CreateWindowExA(0, "ListBox", "", WS_POPUP | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 300, 200,
                              120, 100, nullptr, nullptr, nullptr, nullptr);
  for (int i = 0; i < 100; ++i) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("item"));
  return list;
}

// Each loop of the system's, started by the test itself (no handler of ours runs: the filter hook
// hands over), and a loop nobody announces or filters, run by a handler of ours (the dispatch
// hands over). The main timer ticks at its own interval; a timer started inside the loop ticks
// too; afterwards the own loop ticks on without an extra tick and takes the ticks back.
TEST_F(Scheduler, EveryLoopThatPumpsTheMessagesTicksAtTheTimersOwnInterval) {
  static HWND list = nullptr, owner = nullptr;
  static bool customEnded = false, customRan = false;
  list = MakeScrollingList();
  owner = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  widgets::PopupMenu menu;
  menu.AddItem({"Item1", "&Item", {}, [] {}});
  second_.AddComponent(menu);
  widgets::Button custom;
  custom.SetParent(&second_);
  custom.SetBounds({0, 0, 60, 20});
  backend_->Release(second_);
  backend_->Realize(second_);
  custom.OnClick = [](Component&) {  // a loop of anyone's: no filter, no announcement
    customEnded = false;
    customRan = true;
    MSG m;
    while (!customEnded) {
      if (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
      } else {
        WaitMessage();
      }
    }
  };
  auto box = [](HWND boxOwner) {
    return [boxOwner] { MessageBoxA(boxOwner, "ticking", "Tick test", MB_OK); };
  };
  const auto endBox = [] { PostMessageA(FindWindowA("#32770", "Tick test"), WM_COMMAND, IDOK, 0); };
  RECT arrow{};
  SCROLLBARINFO sbi{};
  sbi.cbSize = sizeof sbi;
  GetScrollBarInfo(list, OBJID_VSCROLL, &sbi);
  arrow = sbi.rcScrollBar;
  const struct {
    const char* loop;
    std::function<void()> run;
    void (*end)();
  } cases[] = {
      {"menu", [&] { menu.Popup(200, 200, reinterpret_cast<widgets::WindowHandle>(owner)); }, [] { EndMenu(); }},
      {"message box with an owner", box(main_), endBox},
      {"message box without an owner", box(nullptr), endBox},
      {"move loop", [&] { SendMessageA(main_, WM_SYSCOMMAND, SC_MOVE, 0); },
       [] { PostMessageA(GetActiveWindow(), WM_KEYDOWN, VK_ESCAPE, 0); }},
      {"scroll bar", [&] {
         SendMessageA(list, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM((arrow.left + arrow.right) / 2, arrow.bottom - 4));
       },
       [] { PostMessageA(list, WM_LBUTTONUP, 0, 0); }},
      {"a handler's own loop", [&] {
         PostMessageA(backend_->HandleOf(custom), BM_CLICK, 0, 0);
         RunOwnLoop([] { return customEnded; });
         EXPECT_TRUE(customRan);
       },
       [] { customEnded = true; }},
  };
  constexpr unsigned kInterval = 30;  // not the 10 ms a fallback might take
  for (const auto& c : cases) {
    Settle();
    ASSERT_FALSE(Loop().OnSystemTimers()) << c.loop;
    int lateTicks = 0;
    late_.OnTimer = [&](Component&) { ++lateTicks; };
    late_.SetEnabled(false);
    bool ended = false;
    size_t inLoop = 0;  // the first tick inside the loop
    TickEvery(kInterval, [&] {
      if (times_.size() == 1) {
        inLoop = 1;
        late_.SetInterval(45);
        late_.SetEnabled(true);  // started while the loop runs
      }
      if (!ended && times_.size() >= 8 && lateTicks >= 3) {
        ended = true;
        c.end();
      }
    });
    {
      Watchdog watchdog(c.end);
      c.run();
    }
    const size_t during = times_.size();
    EXPECT_GE(during, 8u) << c.loop << ": the ticks stopped";
    EXPECT_GE(lateTicks, 3) << c.loop << ": a timer started inside the loop did not tick";
    const double mean = MeanGap(inLoop, during);
    EXPECT_TRUE(mean >= kInterval * 0.8 && mean <= kInterval * 1.6) << c.loop << ": mean period " << mean << " ms";
    // Past the loop's end, with the system timer's next tick already waiting: the own loop ticks
    // on an interval after the last tick, not at once.
    late_.SetEnabled(false);
    Sleep(kInterval + 5);
    RunOwnLoop([&] { return times_.size() >= during + 3; });
    EXPECT_GE(ShortestGap(during - 1), kInterval / 2 - 1) << c.loop << ": an extra tick after the loop ended";
    Settle();
    EXPECT_FALSE(Loop().OnSystemTimers()) << c.loop << ": the own loop took the ticks back";
  }
  form_->Timer1.SetEnabled(false);
  DestroyWindow(list);
  DestroyWindow(owner);
  Pump(app_);
}

// A tick that runs late makes up no ticks, and a timer that falls due while another one's tick
// runs is not left waiting for input.
TEST_F(Scheduler, LateTicksAreNotMadeUpAndADueTimerNeverWaitsForInput) {
  Settle();
  TickEvery(10, [&] {
    if (times_.size() == 3) Sleep(60);
  });
  std::vector<ULONGLONG> other;
  late_.OnTimer = [&](Component&) { other.push_back(GetTickCount64()); };
  Sleep(5);  // falls due after Timer1: while a tick of Timer1 sleeps, past the pass's start
  late_.SetInterval(15);
  late_.SetEnabled(true);
  const ULONGLONG start = GetTickCount64();
  RunOwnLoop([&] { return GetTickCount64() - start >= 600; });
  ASSERT_GE(times_.size(), 6u);
  EXPECT_GE(ShortestGap(3), 4u) << "ticks were made up after the late one";
  // Each timer ticks when it is due, once: not in every pass another timer's tick makes.
  EXPECT_TRUE(other.size() >= 25 && other.size() <= 41) << other.size() << " ticks of 15 ms in 600 ms";
  late_.SetEnabled(false);
  form_->Timer1.SetEnabled(false);
}

// A tick that ends a modal form ends its loop before another message is handled.
TEST_F(Scheduler, ATickThatEndsAModalFormEndsItsLoopAtOnce) {
  constexpr UINT kMarker = WM_APP + 17;
  widgets::Form dlg("TTestModal");
  dlg.SetClientSize(80, 40);
  TickEvery(20, [&] {
    if (times_.size() != 2) return;
    PostMessageA(main_, kMarker, 0, 0);  // waiting before the form ends
    dlg.SetModalResult(widgets::mrOk);
  });
  Watchdog watchdog([&] { dlg.SetModalResult(widgets::mrCancel); });
  EXPECT_EQ(app_.ShowModal(dlg), widgets::mrOk);
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, main_, kMarker, kMarker, PM_REMOVE)) << "a message was handled after the end";
  form_->Timer1.SetEnabled(false);
}

}  // namespace
}  // namespace win32_tests
