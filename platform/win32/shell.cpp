#include "platform/shell.hpp"

#include <windows.h>
#include <shellapi.h>

#include <vector>

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

std::string ExecutablePath() {
  // A path that does not fit is cut and the whole buffer is reported: try again, larger.
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) return std::string(buffer.data(), n);
    if (buffer.size() >= 32768) return {};  // longer than any path Windows allows
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace platform
