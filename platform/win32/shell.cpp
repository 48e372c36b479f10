#include "platform/shell.hpp"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/utf.hpp"

namespace platform {

int ShellExecuteDefault(WindowHandle owner, const std::string& file, const std::string& parameters,
                        const std::string& directory, int showCmd) {
  const std::wstring wideFile = Utf8ToUtf16(file), wideParameters = Utf8ToUtf16(parameters),
                     wideDirectory = Utf8ToUtf16(directory);
  // The result is an HINSTANCE only for compatibility; its value is the code.
  const HINSTANCE result = ShellExecuteW(reinterpret_cast<HWND>(owner), nullptr, wideFile.c_str(),
                                         parameters.empty() ? nullptr : wideParameters.c_str(),
                                         directory.empty() ? nullptr : wideDirectory.c_str(), showCmd);
  return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

std::string ExecutablePath() {
  // A path that does not fit is cut and the whole buffer is reported: try again, larger.
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) return Utf16ToUtf8(std::wstring_view(buffer.data(), n));
    if (buffer.size() >= 32768) return {};  // longer than any path Windows allows
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace platform
