#include "platform/output.hpp"

#include <windows.h>

#include <vector>

namespace platform {
namespace {

bool WriteAll(HANDLE handle, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
    if (!WriteFile(handle, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// A handle this process opened itself, closed when it goes.
struct OwnedHandle {
  HANDLE handle = INVALID_HANDLE_VALUE;
  ~OwnedHandle() {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};

}  // namespace

bool WriteStandardStream(Stream stream, std::string_view bytes) {
  const DWORD which = stream == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
  const HANDLE inherited = GetStdHandle(which);
  if (inherited != nullptr && inherited != INVALID_HANDLE_VALUE) return WriteAll(inherited, bytes);
  // A GUI program started from a console gets no handles: write to that console, if there is one.
  // The console stays attached until the process ends, so both streams can reach it.
  static const bool attached = AttachConsole(ATTACH_PARENT_PROCESS) != 0;
  if (!attached) return false;
  OwnedHandle console{CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr)};
  return console.handle != INVALID_HANDLE_VALUE && WriteAll(console.handle, bytes);
}

bool ReplaceFileWith(const std::string& path, std::string_view bytes) {
  // The temporary file lies in the target's folder, so the rename never crosses volumes.
  const std::size_t cut = path.find_last_of("\\/:");
  std::string folder = cut == std::string::npos ? std::string(".") : path.substr(0, cut + 1);
  if (folder.back() == ':') folder += '.';
  char temp[MAX_PATH + 1] = {};
  if (folder.size() >= MAX_PATH - 14 || GetTempFileNameA(folder.c_str(), "orv", 0, temp) == 0) return false;
  bool ok;
  {
    OwnedHandle file{CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
    ok = file.handle != INVALID_HANDLE_VALUE && WriteAll(file.handle, bytes) && FlushFileBuffers(file.handle);
  }
  ok = ok && MoveFileExA(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) DeleteFileA(temp);
  return ok;
}

std::string AnsiToUtf8(std::string_view ansi) {
  if (ansi.empty()) return {};
  const int size = static_cast<int>(ansi.size());
  const int wide = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
  if (wide <= 0) return {};
  std::vector<wchar_t> w(static_cast<size_t>(wide));
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, w.data(), wide);
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string utf8(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, utf8.data(), bytes, nullptr, nullptr);
  return utf8;
}

}  // namespace platform
