// The Other page: uptime, times, mouse position, system colours, printers and cursors.
#include "form/orvane_form.hpp"

void TFormOrvane::OtherPage_Update() {}

void TFormOrvane::Cursor_Combo_Change(widgets::Control&) {}

void TFormOrvane::SysColor_ComboChange(widgets::Control&) {}
