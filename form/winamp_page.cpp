// The Winamp page: the state of a running player, its seek bar and transport buttons.
#include "form/orvane_form.hpp"

void TFormOrvane::UpdateWinampPage() {}

void TFormOrvane::WinampCtrl_Click(widgets::Control&, widgets::MouseButton, widgets::ShiftState, int, int) {}

void TFormOrvane::Winamp_TrackBar_Change(widgets::Control&) {}
