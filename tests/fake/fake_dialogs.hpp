#pragma once
// The fake message box: what it answers, and every box shown.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/types.hpp"

namespace fake {

struct MessageBoxCall {
  platform::WindowHandle owner = 0;
  std::string text;
  std::string caption;
  std::uint32_t style = 0;
};

struct Dialogs {
  int result = 1;  // the button the user presses
  std::vector<MessageBoxCall> messageBoxes;
};

}  // namespace fake
