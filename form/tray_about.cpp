// The tray and about commands of the main window.
#include "about/about_box.hpp"
#include "form/orvane_form.hpp"
#include "orvane_version.h"

// Swaps the window and its tray icon: one call hides the window and shows the icon, the next
// brings the window back and removes the icon. The timer runs on either way, and the page, the
// interval and the stay-on-top state are left as they are.
void TFormOrvane::MinimizeTray_Cmd(widgets::Control&) {
  SetVisible(!Visible());
  TrayCtrl1.SetVisible(!TrayCtrl1.Visible());
}

// The about box, modal over the window; the timer keeps refreshing the page meanwhile.
void TFormOrvane::About_Open(widgets::Control&) { ShowAbout(app_, "Orvane v" ORVANE_VERSION_TEXT); }
