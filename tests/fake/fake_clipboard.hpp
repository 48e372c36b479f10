#pragma once
// The fake clipboard: its text block, failures to script, and what was done to it.
#include <optional>
#include <string>
#include <vector>

#include "platform/types.hpp"

namespace fake {

struct Clipboard {
  // Scripted.
  bool busy = false;                 // another program holds it: opening fails
  std::optional<std::string> block;  // the text block's bytes; nothing: no text on the clipboard
  bool handsOutNoData = false;       // offers text but gives no data block
  bool refusesWrites = false;        // a new text is not taken
  bool emptyFails = false;
  // Recorded.
  bool open = false;
  int opens = 0;
  int closes = 0;
  platform::WindowHandle owner = 0;
  int callsWhileClosed = 0;  // data calls made without the clipboard open
  std::vector<std::string> written;
};

}  // namespace fake
