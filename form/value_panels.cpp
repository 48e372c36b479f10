// Value panels: the hover text that tells whether a value is on the clipboard, and copy on click.
#include "form/orvane_form.hpp"

void TFormOrvane::Labels_MouseMove(widgets::Control&, widgets::ShiftState, int, int) {}

void TFormOrvane::Labels_MouseDown(widgets::Control&, widgets::MouseButton, widgets::ShiftState, int, int) {}
