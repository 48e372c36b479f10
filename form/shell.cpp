// Start-up and window-level commands of the main window.
#include "form/orvane_form.hpp"

#include "funclib/owner_window.hpp"

namespace {
constexpr const char* kCaption = "Kelvo Orvane v1.61 beta";
}

TFormOrvane::TFormOrvane(widgets::Application& app) : Form("TFormOrvane"), app_(app) {
  SetName("FormOrvane");
  SetCaption("*");
  SetClientSize(376, 331);
  SetBorderStyle(widgets::BorderStyle::Single);
  SetBorderIcons(widgets::biSystemMenu | widgets::biMinimize);
  SetPosition(widgets::FormPosition::ScreenCenter);
  SetColor(widgets::clBtnFace);
}

void TFormOrvane::FormCreate() {
  funclib::OwnerWindow = app_.Handle();
  SetCaption(kCaption);
  app_.SetTitle(Caption());
}
