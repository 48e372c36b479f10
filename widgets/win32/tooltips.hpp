#pragma once
// The one tooltip window that shows the controls' hints. Each control's peer relays its window's
// mouse messages to it (no subclass per tool).
#include <windows.h>

#include <set>
#include <string>

namespace widgets::win32 {

class WindowPeer;

class Tooltips {
 public:
  // maxWidth: the widest a tip may be, in screen pixels (a limit turns on line breaks at "\r\n").
  Tooltips(HINSTANCE instance, int maxWidth) : instance_(instance), maxWidth_(maxWidth) {}
  ~Tooltips();
  Tooltips(const Tooltips&) = delete;
  Tooltips& operator=(const Tooltips&) = delete;

  // The tooltip window (nullptr until a control has a hint).
  HWND Window() const { return tooltip_; }
  // Adds, updates or removes the control's tool after its hint or ShowHint changed. The tooltip
  // is made on first use.
  void HintChanged(WindowPeer& peer);
  // Hands a mouse message of the window to the tooltip, if the window has a tool there.
  void Relay(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  // Removes the window's tool (its window is going away).
  void Drop(HWND hwnd);
  // Hides a tip that shows now.
  void Pop();

 private:
  HINSTANCE instance_;
  int maxWidth_;
  HWND tooltip_ = nullptr;
  std::set<HWND> tipped_;  // windows that have a tool
  std::wstring hint16_;    // the hint given to the tooltip, in UTF-16
};

}  // namespace widgets::win32
