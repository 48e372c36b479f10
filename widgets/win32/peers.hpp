#pragma once
// The peers of each kind of widget, made by the backend.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "widgets/components.hpp"
#include "widgets/form.hpp"
#include "widgets/win32/window_peer.hpp"

namespace widgets::win32 {

// The peer of a form: a top-level window of the form's own class.
class FormPeerBase : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  // The form's short-cuts; true when msg was one and has been handled.
  virtual bool TranslateAccelerator(MSG& msg) = 0;
  Form& GetForm() { return static_cast<Form&>(control_); }
  // Whether the window is minimised: nobody sees what its controls would draw.
  bool Minimized() const { return minimized_; }

 protected:
  bool minimized_ = false;
};

// The peer of a non-visual component.
class ComponentPeer : public Peer, public Detachable {
 public:
  ~ComponentPeer() override = default;
};

// The real menu of a PopupMenu: its HMENU and its short-cut table. It pops up at a screen point
// for any window (TrackAt).
class MenuPeerBase : public PopupMenuPeer, public Detachable {
 public:
  virtual HMENU Menu() const = 0;
  virtual HACCEL Accelerators() const = 0;
  // The command id of menu item i.
  static constexpr UINT kFirstCommand = 0x8000;
};

class ImageListPeerBase : public ComponentPeer {
 public:
  virtual HIMAGELIST List() const = 0;
};

std::unique_ptr<WindowPeer> MakeFormPeer(Backend& backend, Form& form);
std::unique_ptr<WindowPeer> MakePageControlPeer(Backend& backend, Control& control);
std::unique_ptr<WindowPeer> MakeTabSheetPeer(Backend& backend, Control& control);
// Shows or hides a tab sheet's window after its page control changed page.
void UpdateSheetShown(WindowPeer& sheet);
std::unique_ptr<WindowPeer> MakePanelPeer(Backend& backend, Control& control);
std::unique_ptr<WindowPeer> MakeGroupBoxPeer(Backend& backend, Control& control);
std::unique_ptr<WindowPeer> MakeImagePeer(Backend& backend, Control& control);
std::unique_ptr<WindowPeer> MakeBevelPeer(Backend& backend, Control& control);
std::unique_ptr<WindowPeer> MakeLabelPeer(Backend& backend, Control& control);
std::unique_ptr<WindowPeer> MakeButtonPeer(Backend& backend, Control& control);
std::unique_ptr<WindowPeer> MakeSpeedButtonPeer(Backend& backend, Control& control);
std::unique_ptr<WindowPeer> MakeCheckBoxPeer(Backend& backend, Control& control);
std::unique_ptr<WindowPeer> MakeComboBoxPeer(Backend& backend, Control& control);
std::unique_ptr<WindowPeer> MakeListViewPeer(Backend& backend, Control& control);
std::unique_ptr<WindowPeer> MakeTrackBarPeer(Backend& backend, Control& control);

std::unique_ptr<ComponentPeer> MakeTimerPeer(Backend& backend, Timer& timer);
std::unique_ptr<MenuPeerBase> MakeMenuPeer(Backend& backend, PopupMenu& menu);
std::unique_ptr<ImageListPeerBase> MakeImageListPeer(Backend& backend, ImageList& list);

}  // namespace widgets::win32
