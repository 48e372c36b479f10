#pragma once
// The Win32 backend: makes every widget a real window and keeps it in step with the widget.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "widgets/application.hpp"
#include "widgets/form.hpp"

namespace widgets {
class Timer;
}

namespace widgets::win32 {

class WindowPeer;

// A timer the message loop runs: the loop waits for input or the next due tick, whichever comes
// first, and ticks from there. Under Wine that is one wait per tick, where a WM_TIMER costs a
// fetch of the message, a wait and a second fetch. While another loop pumps the messages (a
// menu, a message box, the system's move and size loop) the timer runs as a WM_TIMER of its
// window instead, so the ticks go on.
class LoopTimer {
 public:
  virtual ~LoopTimer() = default;
  // One tick.
  virtual void Fire() = 0;
  // Runs the timer as a WM_TIMER of its window, or stops that.
  virtual void Arm(bool on) = 0;

  unsigned interval = 0;  // ms
  ULONGLONG due = 0;      // GetTickCount64 of the next tick
};

// The backend keeps the peers of each form apart. Every peer is tied to its component by a free
// notification: a component destroyed before the backend takes its peer, its window and the
// handles the peer owns with it at once; a backend destroyed first detaches every peer from its
// component. Neither order matters.
class Backend : public ApplicationPeer {
 public:
  Backend(Application& app, HINSTANCE instance);
  ~Backend() override;
  Backend(const Backend&) = delete;
  Backend& operator=(const Backend&) = delete;

  // Creates the windows of the form, its controls and its components. The form stays hidden.
  // The first form realized is the main form; the others are owned by it.
  void Realize(Form& form);
  // Destroys the form's windows and its peers with every handle they own. The form may be
  // realized again.
  void Release(Form& form);
  // Shows the form (and activates it), realizing it first if it has no window.
  void Show(Form& form);
  // Runs the message loop until the main form is destroyed; returns the exit code.
  int Run();
  // The number of peers alive, over all forms.
  size_t PeerCount() const;

  HWND HandleOf(const Component& c) const;
  HINSTANCE Instance() const { return instance_; }
  Application& App() { return app_; }
  HICON SmallIcon() const { return smallIcon_; }
  bool IsMainForm(const Form& f) const { return mainForm_ == &f; }

  // Screen dots per inch and the scaling of 96-dpi layout pixels to it.
  int Dpi() const { return dpi_; }
  int Scale(int px) const { return MulDiv(px, dpi_, 96); }

  // The font to draw f with: its handed-over handle (owned by the Font), else one made from the
  // description and scaled to the screen, which the backend owns until it is destroyed.
  HFONT FontFor(const Font& f);
  // The size of a one-line text in the font as a static control shows it ('&' marks a mnemonic),
  // measured on a memory DC of the backend's: no window DC to get and release.
  SIZE TextSize(const Font& f, const std::string& text);
  // A solid brush of the colour; owned by the backend.
  HBRUSH BrushFor(Color c);
  static COLORREF ToColorRef(Color c);
  // The screen cursor of the number from the application's table (cursors.cpp); crNone and
  // numbers outside the table give nullptr. Shared handles: never freed.
  HCURSOR CursorHandle(Cursor c) const;

  // The tooltip window that shows the controls' hints (nullptr until a control has one).
  HWND Tooltip() const { return tooltip_; }
  // Adds, updates or removes the control's tooltip after its hint or ShowHint changed.
  void HintChanged(WindowPeer& peer);
  // Hands a mouse message of the window to the tooltip, if the window has a tool there.
  void RelayToTooltip(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  // ApplicationPeer
  void ScreenCursorChanged() override;
  void ProcessMessages() override;
  void ShowForm(Form& form) override { Show(form); }
  void RunModal(Form& form) override;

  // A WM_TIMER of a form's window: ticks that form's timer component with that id.
  void TimerFired(const Form& form, UINT_PTR id);
  // Lets the loop run the timer, its first tick an interval from now; again from now if it runs.
  void Schedule(LoopTimer& timer);
  void Unschedule(LoopTimer& timer);
  // Another loop pumps the messages from now until this backend's loop runs again: the timers
  // run as WM_TIMER meanwhile.
  void OtherLoopRuns();

  // Called by the main form's peer when its window is destroyed.
  void MainWindowDestroyed();
  // Handles one message the way the active form wants it: key preview, Ctrl+Tab on a page
  // control, the form's short-cuts, then the dialog keys (Tab, Esc, Enter, mnemonics). True when
  // the message has been dealt with.
  bool PreTranslate(MSG& msg);
  // Whether the window can take keyboard input: it is shown, and it and the windows it lies in
  // are enabled.
  static bool TakesInput(HWND hwnd);
  // Where the focus goes when the window that held it, or one it lies in, is hidden or disabled:
  // the tab strip of the page control it lies in, else the form's first tab stop, else the form.
  HWND FocusHome(HWND gone);
  // Called when a child window has been hidden or disabled: moves the focus home if that window
  // held it (or had it dropped).
  void FocusLeaves(HWND gone);
  // Removes the window's tool from the tooltip (its window is going away).
  void DropHint(HWND hwnd);

  // Registers a window class once; returns its name.
  const char* EnsureClass(const std::string& name, UINT style, HBRUSH background, HICON icon, HICON smallIcon);

 private:
  struct FormPeers;
  // Takes ownership of a peer and ties it to its component's lifetime.
  void Adopt(FormPeers& record, Component& component, std::unique_ptr<Peer> peer);
  void ComponentDestroyed(FormPeers& record, Peer* peer, Component& component);
  void ReleaseRecord(FormPeers& record);
  FormPeers* RecordOf(const Form& form) const;
  void CreateChildren(FormPeers& record, Control& parent, HWND parentHwnd);
  // Fills the application's table of screen cursors (cursors.cpp).
  void LoadScreenCursors();
  std::unique_ptr<WindowPeer> MakePeer(Control& control);
  bool CyclePages(HWND focus, bool forward);
  // Handles one waiting message, if any; Quit leaves WM_QUIT in msg.
  enum class Pumped { One, None, Quit };
  Pumped PumpOne(MSG& msg);
  // Handles messages and ticks until done() holds or WM_QUIT comes (false, WM_QUIT in msg).
  bool Loop(MSG& msg, const std::function<bool()>& done);
  // Runs the ticks that are due, each timer at most once; returns the ms until the next is due.
  DWORD RunDueTimers();
  // This backend's loop runs again: the timers stop coming as WM_TIMER.
  void OwnLoopRuns();

  Application& app_;
  HINSTANCE instance_;
  int dpi_ = 96;
  HICON bigIcon_ = nullptr;
  HWND tooltip_ = nullptr;
  HDC measureDc_ = nullptr;
  std::set<HWND> tipped_;  // windows that have a tool in tooltip_
  HICON smallIcon_ = nullptr;
  Form* mainForm_ = nullptr;
  std::vector<std::unique_ptr<FormPeers>> forms_;
  std::map<std::tuple<std::string, int, int>, HFONT> fonts_;
  std::map<Color, HBRUSH> brushes_;
  std::vector<std::string> classes_;
  std::vector<LoopTimer*> loopTimers_;
  bool otherLoop_ = false;  // the timers are armed as WM_TIMER
};

}  // namespace widgets::win32
