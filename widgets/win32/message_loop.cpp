#include "widgets/win32/message_loop.hpp"

#include <algorithm>
#include <utility>

namespace widgets::win32 {

MessageLoop::MessageLoop(std::function<bool(MSG&)> preTranslate) : preTranslate_(std::move(preTranslate)) {
  current_ = this;
  filter_ = SetWindowsHookExW(WH_MSGFILTER, ForeignLoopFilter, nullptr, GetCurrentThreadId());
}

MessageLoop::~MessageLoop() {
  TakeBackFromSystemTimers();
  if (filter_) UnhookWindowsHookEx(filter_);
  if (current_ == this) current_ = nullptr;
}

void MessageLoop::Schedule(LoopTimer& timer) {
  timer.due = GetTickCount64() + timer.interval;
  if (timer.systemTimer) {
    KillTimer(nullptr, timer.systemTimer);
    timer.systemTimer = 0;
  }
  if (std::find(timers_.begin(), timers_.end(), &timer) == timers_.end()) timers_.push_back(&timer);
  if (onSystemTimers_) timer.systemTimer = SetTimer(nullptr, 0, timer.interval, SystemTimerTicked);
}

void MessageLoop::Unschedule(LoopTimer& timer) {
  std::erase(timers_, &timer);
  if (timer.systemTimer) KillTimer(nullptr, timer.systemTimer);
  timer.systemTimer = 0;
}

void MessageLoop::HandToSystemTimers() {
  if (onSystemTimers_) return;
  onSystemTimers_ = true;
  for (LoopTimer* t : timers_)
    if (!t->systemTimer) t->systemTimer = SetTimer(nullptr, 0, t->interval, SystemTimerTicked);
}

void MessageLoop::TakeBackFromSystemTimers() {
  if (!onSystemTimers_) return;
  onSystemTimers_ = false;
  for (LoopTimer* t : timers_) {
    if (t->systemTimer) KillTimer(nullptr, t->systemTimer);
    t->systemTimer = 0;
  }
}

void MessageLoop::Resettle() {
  if (handlers_ > 0) HandToSystemTimers();
}

void MessageLoop::Tick(LoopTimer& timer, ULONGLONG now) {
  timer.last = now;
  try {
    timer.Fire();
  } catch (...) {
    // Nothing may cross back into Windows: the tick is dropped, as a failing handler's message is.
    OutputDebugStringW(L"Orvane: a timer handler failed\n");
  }
}

void CALLBACK MessageLoop::SystemTimerTicked(HWND, UINT, UINT_PTR id, DWORD) {
  MessageLoop* self = current_;
  if (!self) return;
  const auto it = std::find_if(self->timers_.begin(), self->timers_.end(),
                               [id](const LoopTimer* t) { return t->systemTimer == id; });
  if (it == self->timers_.end()) return;  // stopped meanwhile
  LoopTimer& t = **it;
  // A WM_TIMER that the own loop fetches during a burst of input may follow one of its own ticks
  // closely: a tick less than half an interval after the last one is left out.
  const ULONGLONG now = GetTickCount64();
  if (now - t.last < t.interval / 2) return;
  t.due = now + t.interval;
  ++self->handlers_;  // inside another loop's dispatch
  self->Tick(t, now);
  --self->handlers_;
}

LRESULT CALLBACK MessageLoop::ForeignLoopFilter(int code, WPARAM wp, LPARAM lp) {
  if (code >= 0 && current_) current_->HandToSystemTimers();
  return CallNextHookEx(nullptr, code, wp, lp);
}

DWORD MessageLoop::RunDueTimers() {
  if (timers_.empty()) return INFINITE;
  // Only timers due when the pass starts tick, so none ticks twice and input is handled between
  // passes however long a tick takes. A tick may stop, start or destroy timers (its own too): the
  // registry is walked by index, and one moved meanwhile waits for the next pass.
  const ULONGLONG start = GetTickCount64();
  ULONGLONG now = start;
  for (size_t i = 0; i < timers_.size(); ++i) {
    LoopTimer* t = timers_[i];
    if (t->due > start) continue;
    // On time, the ticks keep their cadence; late, they make up nothing: two ticks of a timer are
    // never less than half an interval apart, whichever loop runs them.
    t->due += t->interval;
    if (t->due < now + t->interval / 2) t->due = now + t->interval;
    Tick(*t, now);
    now = GetTickCount64();
  }
  ULONGLONG next = ~0ULL;
  for (const LoopTimer* t : timers_) next = std::min(next, t->due);
  if (next == ~0ULL) return INFINITE;
  return next <= now ? 0 : static_cast<DWORD>(std::min<ULONGLONG>(next - now, INFINITE - 1));
}

void MessageLoop::Handle(MSG& msg) {
  // The handler may run a loop of its own, announced or not: the system timers keep the ticks
  // going until this loop finds the queue empty again. A paint handler never does.
  if (msg.message != WM_PAINT) HandToSystemTimers();
  struct Running {  // also when a handler throws
    int& count;
    ~Running() { --count; }
  } running{++handlers_};
  if (preTranslate_ && preTranslate_(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

bool MessageLoop::RunUntil(MSG& msg, const std::function<bool()>& done) {
  struct Leave {  // also when a handler throws
    MessageLoop& loop;
    ~Leave() { loop.Resettle(); }
  } leave{*this};
  for (;;) {
    // What is waiting, each message after the ticks that are due.
    for (;;) {
      RunDueTimers();
      if (done()) return true;
      if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) break;
      if (msg.message == WM_QUIT) return false;
      Handle(msg);
    }
    // Nothing waiting: this loop runs the ticks and sleeps until input comes or the next tick is
    // due. A tick needs no look at the queue; input needs one.
    TakeBackFromSystemTimers();
    for (;;) {
      const DWORD wait = RunDueTimers();
      if (done()) return true;
      if (MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE) != WAIT_TIMEOUT) break;
    }
  }
}

void MessageLoop::ProcessMessages() {
  MSG msg{};
  RunDueTimers();
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // left for the outer loop
      break;
    }
    Handle(msg);
    RunDueTimers();
  }
  Resettle();
}

}  // namespace widgets::win32
