#pragma once
// The Win32 backend: makes every widget a real window and keeps it in step with the widget.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "widgets/application.hpp"
#include "widgets/form.hpp"
#include "widgets/win32/gdi_cache.hpp"
#include "widgets/win32/message_loop.hpp"
#include "widgets/win32/tooltips.hpp"

namespace widgets::win32 {

class WindowPeer;

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

  // The fonts and brushes the controls draw with.
  GdiCache& Gdi() { return gdi_; }
  // The screen cursor of the number from the application's table (cursors.cpp); crNone and
  // numbers outside the table give nullptr. Shared handles: never freed.
  HCURSOR CursorHandle(Cursor c) const;

  // The scheduler and the tooltip of the hints.
  MessageLoop& Loop() { return loop_; }
  Tooltips& Tips() { return tips_; }

  // ApplicationPeer
  void ScreenCursorChanged() override;
  void ProcessMessages() override;
  void ShowForm(Form& form) override { Show(form); }
  void RunModal(Form& form) override;

  // Called by the main form's peer when its window is destroyed.
  void MainWindowDestroyed();

  // Registers a window class once; returns its name.
  const wchar_t* EnsureClass(const std::string& name, UINT style, HBRUSH background, HICON icon, HICON smallIcon);

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

  Application& app_;
  HINSTANCE instance_;
  int dpi_ = 96;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  Form* mainForm_ = nullptr;
  std::vector<std::unique_ptr<FormPeers>> forms_;
  GdiCache gdi_;
  std::vector<std::wstring> classes_;
  MessageLoop loop_;
  Tooltips tips_;
};

}  // namespace widgets::win32
