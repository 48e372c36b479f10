#pragma once
// The fake shell: what starting a document answers, every start asked for, and where the program
// lies.
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
  std::string executablePath = "C:\\Orvane\\Orvane.exe";
  std::vector<ShellExecuteCall> executed;
};

}  // namespace fake
