#pragma once
// Factories of the peers for each kind of control.
#include <memory>

#include "widgets/form.hpp"
#include "widgets/win32/window_peer.hpp"

namespace widgets::win32 {

// The peer of a form: a top-level window of the form's own class.
class FormPeerBase : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  // Menu short-cuts of the form; true when msg was one and has been handled.
  virtual bool TranslateAccelerator(MSG& msg) = 0;
};

std::unique_ptr<WindowPeer> MakeFormPeer(Backend& backend, Form& form);

}  // namespace widgets::win32
