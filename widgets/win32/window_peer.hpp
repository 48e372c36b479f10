#pragma once
// A widget's real window. Subclasses add what their kind of control needs; the base handles what
// every control has (caption, bounds, visibility, enabled state, font) and routes the
// notifications that Windows sends to a parent back to the child's own peer.
#include <windows.h>

#include <string>

#include "widgets/control.hpp"

namespace widgets::win32 {

class Backend;

// A peer whose component can go first. Once detached, the peer never touches its component again.
class Detachable {
 public:
  virtual ~Detachable() = default;
  void Detach() { detached_ = true; }
  bool Detached() const { return detached_; }

 protected:
  bool detached_ = false;
};

class WindowPeer : public Peer, public Detachable {
 public:
  WindowPeer(Backend& backend, Control& control) : backend_(backend), control_(control) {}
  // Destroys the peer's window (and with it the windows inside) if it still exists.
  ~WindowPeer() override;

  // Creates the window under parent (nullptr for a top-level window) and attaches the peer.
  virtual void Create(HWND parent) = 0;
  // Called once the windows of all children exist.
  virtual void ChildrenCreated() {}

  void Changed(Prop what) override;
  WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(hwnd_); }
  HWND Hwnd() const { return hwnd_; }
  Control& Model() { return control_; }

  // Once the control is going away (Detach), the window gets only default processing until it
  // is destroyed.
  // The window that the control's children are made in.
  virtual HWND ChildParent() const { return hwnd_; }

  // The peer of a window we created, or nullptr.
  static WindowPeer* FromHwnd(HWND hwnd);

  // A notification (WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_CTLCOLOR*, WM_DRAWITEM) that the
  // parent received about this control. Returns true when handled, with the result in `result`.
  virtual bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

 protected:
  // Creates a window of class cls with the control's caption and scaled bounds (or these).
  HWND CreateChild(HWND parent, const wchar_t* cls, DWORD style, DWORD exStyle, const RECT* bounds = nullptr);
  // Subclasses a window of a system class so its messages reach Handle().
  void Subclass();
  // Registers hwnd as this peer's window (for FromHwnd) and applies the font.
  void Adopt(HWND hwnd);

  // Every message of the window; default processing happens when this returns false.
  virtual bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // Routes a parent's notification to the child's peer; true when the child handled it.
  static bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // Paints a static-like child's background and text colours from its widget.
  LRESULT ColorStatic(HDC dc);

  RECT ScaledBounds() const;
  // The caption in UTF-16, for the system's calls: kept from call to call, so a caption no longer
  // than the ones before costs no heap call (live pages set captions on every tick).
  const std::wstring& Caption16();

  Backend& backend_;
  Control& control_;
  HWND hwnd_ = nullptr;
  // Whether the window text is the caption. Kinds whose window text is something else (the
  // selected item, nothing) say no; for the others no other program can change the text.
  bool textIsCaption_ = true;
  // A window made hidden whatever the control's visibility (a tab sheet: its page control shows it).
  bool createHidden_ = false;
  // The system class's procedure of a subclassed window.
  WNDPROC systemProc_ = nullptr;

 private:
  std::wstring caption16_;  // Caption16's buffer

 public:
  // The window procedure of our own window classes, and the one that replaces a system class's
  // procedure (Subclass) and hands on to it.
  static LRESULT CALLBACK OwnClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK SystemClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp, bool ownClass);
};

}  // namespace widgets::win32
