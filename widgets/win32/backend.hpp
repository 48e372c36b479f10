#pragma once
// The Win32 backend: makes every widget a real window and keeps it in step with the widget.
#include <windows.h>

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

class Backend : public ApplicationPeer {
 public:
  Backend(Application& app, HINSTANCE instance);
  ~Backend() override;
  Backend(const Backend&) = delete;
  Backend& operator=(const Backend&) = delete;

  // Creates the windows of the form, its controls and its components. The form stays hidden.
  void Realize(Form& form);
  // Shows the form (and activates it).
  void Show(Form& form);
  // Runs the message loop until the main form is destroyed; returns the exit code.
  int Run();

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

  // ApplicationPeer
  void ScreenCursorChanged() override;
  void ProcessMessages() override;

  // A WM_TIMER of a form: ticks the timer component with that id.
  void TimerFired(UINT_PTR id);

  // Called by the main form's peer when its window is destroyed.
  void MainWindowDestroyed();
  // Dispatches one message through the dialog navigation of the main form.
  bool PreTranslate(MSG& msg);

  // Registers a window class once; returns its name.
  const char* EnsureClass(const std::string& name, UINT style, HBRUSH background, HICON icon, HICON smallIcon);

 private:
  // Fills the application's table of screen cursors (cursors.cpp).
  void LoadScreenCursors();
  void CreateChildren(Control& parent, HWND parentHwnd);
  std::unique_ptr<WindowPeer> MakePeer(Control& control);

  Application& app_;
  HINSTANCE instance_;
  int dpi_ = 96;
  HICON bigIcon_ = nullptr;
  HWND tooltip_ = nullptr;
  std::set<HWND> tipped_;  // windows that have a tool in tooltip_
  HICON smallIcon_ = nullptr;
  Form* mainForm_ = nullptr;
  std::vector<std::unique_ptr<WindowPeer>> peers_;
  std::vector<std::unique_ptr<Peer>> componentPeers_;
  std::map<UINT_PTR, Timer*> timers_;
  std::map<std::tuple<std::string, int, int>, HFONT> fonts_;
  std::map<Color, HBRUSH> brushes_;
  std::vector<std::string> classes_;
};

}  // namespace widgets::win32
