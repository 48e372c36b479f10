#pragma once
// The clipboard's text, as Unicode (CF_UNICODETEXT) on the clipboard and UTF-8 here.
#include <string>

#include "platform/types.hpp"

namespace platform {

// Opens the clipboard for `owner` (0: no owner window); false when another program holds it.
bool ClipboardOpen(WindowHandle owner);
// Closes what ClipboardOpen opened.
void ClipboardClose();
// Whether the clipboard offers text.
bool ClipboardHasText();
// The clipboard's text, never read past the end of its block (a block without its terminating
// zero ends there); empty when it hands out no data.
std::string ClipboardReadTextBlock();
// Empties the clipboard and hands it `text` plus a terminating zero in a new block, which the
// clipboard then owns. False, with the clipboard as it was, when the block cannot be made; false
// when the clipboard refuses it (the block is freed then).
bool ClipboardWriteText(const std::string& text);
// Empties the clipboard; false on failure.
bool ClipboardEmpty();

// Keeps the clipboard open for one scope.
class ClipboardSession {
 public:
  explicit ClipboardSession(WindowHandle owner) : open_(ClipboardOpen(owner)) {}
  ~ClipboardSession() {
    if (open_) ClipboardClose();
  }
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;

  bool IsOpen() const { return open_; }

 private:
  bool open_;
};

}  // namespace platform
