// The Feature Flags page: the processor's feature word bit by bit, filled once at start-up, and a
// warning on every visit. Both come with the processor routines.
#include "form/orvane_form.hpp"

void TFormOrvane::CpuIdList_Fill() {}

void TFormOrvane::CpuIdPage_Activate() {}
