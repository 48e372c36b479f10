// The Disks page: every drive with its sizes and flags, filled on the first visit (the shell
// presses "&Update") and on every press of that button.
#include "form/orvane_form.hpp"

void TFormOrvane::DiskUpd_Cmd(widgets::Control&) { DiskList_Fill(); }

void TFormOrvane::DiskList_Fill() {
  // The list counts as filled from the first fill on, so the shell fills it only once by itself.
  Disk_ListView.SetTag(1);
}
