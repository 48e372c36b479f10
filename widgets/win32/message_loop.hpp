#pragma once
// The scheduler: the program's own message loop and the one registry of its timers.
//
// While the own loop runs, a timer needs no message: the loop waits for input or the next due
// tick, whichever comes first, and ticks from there (under Wine one wait per tick, where a
// WM_TIMER costs a fetch, a wait and a second fetch). Any other loop that pumps the messages (a
// menu's, a message box's, a scroll bar's, the move and size loop, a list header's tracking, a
// loop of anyone's) would starve such ticks, so whenever another loop may be running the timers
// are handed to system timers (SetTimer with the timer's own interval), whose WM_TIMER every loop
// dispatches:
// - from the moment the own loop dispatches a message until it next finds the queue empty, since
//   a handler may start any loop, announced or not;
// - at the first message any of the system's loops takes outside such a dispatch (a thread
//   message-filter hook: the system's loops call it for every message they take);
// and taken back when the own loop waits again.
#include <windows.h>

#include <functional>
#include <vector>

namespace widgets::win32 {

// A timer the scheduler runs.
class LoopTimer {
 public:
  virtual ~LoopTimer() = default;
  // One tick.
  virtual void Fire() = 0;

  unsigned interval = 0;    // ms
  ULONGLONG due = 0;        // GetTickCount64 of the next tick of the own loop
  ULONGLONG last = 0;       // and of the last tick, whoever ran it
  UINT_PTR systemTimer = 0;  // the system timer's id while the system timers run the ticks
};

class MessageLoop {
 public:
  // preTranslate handles a message before it is dispatched (short-cuts, dialog keys); true when
  // it has dealt with it.
  explicit MessageLoop(std::function<bool(MSG&)> preTranslate);
  ~MessageLoop();
  MessageLoop(const MessageLoop&) = delete;
  MessageLoop& operator=(const MessageLoop&) = delete;

  // Lets the scheduler run the timer, its first tick an interval from now (again from now if it
  // runs already).
  void Schedule(LoopTimer& timer);
  void Unschedule(LoopTimer& timer);

  // Handles messages and ticks until done() holds (true) or WM_QUIT comes (false, WM_QUIT in msg).
  bool RunUntil(MSG& msg, const std::function<bool()>& done);
  // Handles what is waiting and the ticks that are due, then returns; WM_QUIT is posted again
  // for the outer loop.
  void ProcessMessages();

  // Whether the system timers run the ticks now.
  bool OnSystemTimers() const { return onSystemTimers_; }

 private:
  // Pre-translates and dispatches one message.
  void Handle(MSG& msg);
  // Runs the ticks that are due, each timer at most once; returns the ms until the next is due.
  DWORD RunDueTimers();
  // One tick of the timer at `now` (GetTickCount64).
  void Tick(LoopTimer& timer, ULONGLONG now);
  // Another loop may pump the messages from now on: every timer gets its system timer.
  void HandToSystemTimers();
  // The own loop waits again and runs the ticks itself: the system timers stop.
  void TakeBackFromSystemTimers();
  // After a nested own loop: the system timers again if a handler of ours is still running.
  void Resettle();
  static void CALLBACK SystemTimerTicked(HWND, UINT, UINT_PTR id, DWORD);
  static LRESULT CALLBACK ForeignLoopFilter(int code, WPARAM wp, LPARAM lp);

  std::function<bool(MSG&)> preTranslate_;
  std::vector<LoopTimer*> timers_;  // the registry
  bool onSystemTimers_ = false;
  int handlers_ = 0;  // dispatches and system-timer ticks of ours in progress
  HHOOK filter_ = nullptr;
  static inline MessageLoop* current_ = nullptr;  // the loop of the program's one GUI thread
};

}  // namespace widgets::win32
