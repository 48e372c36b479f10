#include "platform/shell.hpp"

#include <windows.h>
#include <shellapi.h>

namespace platform {
namespace {

const char* OrNull(const std::string& s) { return s.empty() ? nullptr : s.c_str(); }

}  // namespace

int ShellExecuteDefault(WindowHandle owner, const std::string& file, const std::string& parameters,
                        const std::string& directory, int showCmd) {
  // The result is an HINSTANCE only for compatibility; its value is the code.
  const HINSTANCE result = ShellExecuteA(reinterpret_cast<HWND>(owner), nullptr, file.c_str(),
                                         OrNull(parameters), OrNull(directory), showCmd);
  return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

}  // namespace platform
