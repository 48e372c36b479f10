// Value panels: the hover text that tells whether a value is on the clipboard, and copy on a left
// press. Whether a value counts as copied is decided afresh from the clipboard at every movement,
// so a value another program copied also reads as copied, and a caption that changed since the
// copy is offered again.
#include "form/orvane_form.hpp"
#include "funclib/window.hpp"

void TFormOrvane::Labels_MouseMove(widgets::Control& sender, widgets::ShiftState, int, int) {
  const std::string& caption = sender.Caption();
  // An unreadable clipboard reads as one character of code 0, which never equals a caption.
  const bool copied = funclib::ClipboardText(funclib::kClipboardRead) == caption;
  text_.assign(copied ? "Value Already Copied:" : "Copy Value:");
  text_ += "\r\n\"";
  text_ += caption;
  text_ += '"';
  sender.SetHint(text_);
  text_.clear();
}

void TFormOrvane::Labels_MouseDown(widgets::Control& sender, widgets::MouseButton, widgets::ShiftState shift, int,
                                   int) {
  if (shift & widgets::ssLeft) funclib::ClipboardText(funclib::kClipboardReplace, sender.Caption());
}
