#pragma once
// The fake shell: what starting a document answers, and every start asked for.
#include <string>
#include <vector>

#include "platform/types.hpp"

namespace fake {

struct ShellExecuteCall {
  platform::WindowHandle owner = 0;
  std::string file, parameters, directory;
  int showCmd = 0;
};

struct Shell {
  int result = 42;
  std::vector<ShellExecuteCall> executed;
};

}  // namespace fake
