// The System page: facts about the machine in one list, filled on the first visit and again on a
// double-click. The fill itself comes with the page's computer-facts routines.
#include "form/orvane_form.hpp"

void TFormOrvane::SysList_Fill() {}

void TFormOrvane::Sys_ListView_DblClick(widgets::Control&) { SysList_Fill(); }
