// The tray and about commands of the main window.
#include "form/orvane_form.hpp"

void TFormOrvane::MinimizeTray_Cmd(widgets::Control&) {}

void TFormOrvane::About_Open(widgets::Control&) {}
