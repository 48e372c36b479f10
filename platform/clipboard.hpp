#pragma once
// The clipboard's plain text (CF_TEXT).
#include <string>

#include "platform/types.hpp"

namespace platform {

// Opens the clipboard for `owner` (0: no owner window); false when another program holds it.
bool ClipboardOpen(WindowHandle owner);
// Closes what ClipboardOpen opened.
void ClipboardClose();
// Whether the clipboard offers plain text.
bool ClipboardHasText();
// The bytes of the clipboard's text block, never more than the block holds (the text up to its
// terminating zero and whatever follows it inside the block); empty when it hands out no data.
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
