#include "platform/output.hpp"

#include <windows.h>

#include "platform/utf.hpp"

namespace platform {
namespace {

// A handle this process opened itself, closed when it goes.
struct OwnedHandle {
  HANDLE handle = INVALID_HANDLE_VALUE;
  ~OwnedHandle() {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
  bool Valid() const { return handle != INVALID_HANDLE_VALUE; }
};

// The last error of a call that failed, never 0.
DWORD Failure() {
  const DWORD error = GetLastError();
  return error != 0 ? error : ERROR_GEN_FAILURE;
}

bool WriteBytes(HANDLE handle, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
    if (!WriteFile(handle, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// A console takes UTF-16 (WriteConsoleW), in pieces that old consoles accept and that never split
// a surrogate pair; anything else takes the UTF-8 bytes.
bool WriteText(HANDLE handle, std::string_view utf8) {
  DWORD mode;
  if (!GetConsoleMode(handle, &mode)) return WriteBytes(handle, utf8);
  const std::wstring text = Utf8ToUtf16<wchar_t>(utf8);
  for (size_t at = 0; at < text.size();) {
    DWORD chunk = text.size() - at > 8192 ? 8192 : static_cast<DWORD>(text.size() - at);
    if (chunk > 1 && text[at + chunk - 1] >= 0xD800 && text[at + chunk - 1] <= 0xDBFF) --chunk;
    DWORD written = 0;
    if (!WriteConsoleW(handle, text.data() + at, chunk, &written, nullptr) || written == 0) return false;
    at += written;
  }
  return true;
}

// The path in the form that reaches any length (\\?\C:\... or \\?\UNC\server\...); a device path
// (\\.\NUL, which GetFullPathNameW also makes of NUL or CON) as it is.
std::wstring SystemPath(const std::string& path) {
  const std::wstring wide = Utf8ToUtf16<wchar_t>(path);
  if (wide.starts_with(L"\\\\?\\") || wide.starts_with(L"\\\\.\\")) return wide;
  std::wstring full(GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr), L'\0');
  const DWORD n = full.empty() ? 0 : GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (n == 0 || n >= full.size()) return wide;
  full.resize(n);
  if (full.starts_with(L"\\\\.\\")) return full;
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC" + full.substr(1);
  return L"\\\\?\\" + full;
}

// The path of the file an open handle names, links followed (Vista on); empty when unknown.
std::wstring FinalPath(HANDLE file) {
  using Fn = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);
  static const auto finalPath = reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetFinalPathNameByHandleW")));
  if (!finalPath) return {};
  std::wstring path(finalPath(file, nullptr, 0, 0), L'\0');
  const DWORD n = path.empty() ? 0 : finalPath(file, path.data(), static_cast<DWORD>(path.size()), 0);
  path.resize(n < path.size() ? n : 0);
  return path;
}

// A new file beside `target`, opened for writing; its name goes to `temp`.
HANDLE CreateTempBeside(const std::wstring& target, std::wstring& temp) {
  const std::wstring folder = target.substr(0, target.find_last_of(L'\\') + 1);
  DWORD seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
  for (int attempt = 0; attempt < 100; ++attempt, seed = seed * 69069 + 1) {
    temp = folder + L"~orv";
    for (int shift = 28; shift >= 0; shift -= 4) temp += L"0123456789abcdef"[(seed >> shift) & 0xF];
    temp += L".tmp";
    const HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

// Gives the new file what the file it replaces shows of itself: its attributes (hidden, system,
// archive, ...) and its access list. ReplaceFileW would do this too, but not under every system
// that runs the program: Wine's drops the attributes and leaves a file of its own behind when it
// fails. What cannot be copied is left as the folder gives it.
void KeepLook(const std::wstring& from, const std::wstring& to) {
  const DWORD attributes = GetFileAttributesW(from.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(to.c_str(), attributes);
  DWORD size = 0;
  GetFileSecurityW(from.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &size);
  std::string security(size, '\0');
  if (size > 0 && GetFileSecurityW(from.c_str(), DACL_SECURITY_INFORMATION, security.data(), size, &size))
    SetFileSecurityW(to.c_str(), DACL_SECURITY_INFORMATION, security.data());
}

}  // namespace

std::string SystemPathOf(const std::string& path) { return Utf16ToUtf8(SystemPath(path)); }

bool WriteStandardStream(Stream stream, std::string_view utf8) {
  const DWORD which = stream == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
  const HANDLE inherited = GetStdHandle(which);
  if (inherited != nullptr && inherited != INVALID_HANDLE_VALUE && WriteText(inherited, utf8)) return true;
  // A GUI program started from a console gets no handles, or a console's handles it cannot use:
  // write to that console, if there is one. It stays attached until the process ends.
  static const bool attached = AttachConsole(ATTACH_PARENT_PROCESS) != 0;
  if (!attached) return false;
  OwnedHandle console{CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr)};
  return console.Valid() && WriteText(console.handle, utf8);
}

std::uint32_t ReplaceFileWith(const std::string& path, std::string_view bytes) {
  std::wstring target = SystemPath(path);
  // A read-only file is left alone, even where the system would let this process write it.
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
      !(attributes & FILE_ATTRIBUTE_DIRECTORY))
    return ERROR_FILE_READ_ONLY;
  bool replace = false;
  {
    // Opening for writing changes nothing yet; it tells a device from a file, and refuses what
    // may not be written.
    OwnedHandle existing{CreateFileW(target.c_str(), GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (!existing.Valid()) {
      const DWORD error = Failure();
      if (error != ERROR_FILE_NOT_FOUND) return error;  // a folder, a locked file, no such folder
    } else if (GetFileType(existing.handle) != FILE_TYPE_DISK) {
      return WriteText(existing.handle, bytes) ? 0 : Failure();  // NUL, CON, a port, a pipe
    } else {
      replace = true;
      // A link is replaced where it points, so it goes on pointing at the new contents.
      std::wstring final = FinalPath(existing.handle);
      if (!final.empty()) target = std::move(final);
    }
  }
  std::wstring temp;
  DWORD error = 0;
  {
    OwnedHandle file{CreateTempBeside(target, temp)};
    if (!file.Valid()) return Failure();
    if (!WriteBytes(file.handle, bytes) || !FlushFileBuffers(file.handle)) error = Failure();
  }
  if (error == 0 && replace) KeepLook(target, temp);
  // The new file takes the name in one step: the old contents stay until the new ones are complete.
  if (error == 0 && !MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0)))
    error = Failure();
  if (error != 0) DeleteFileW(temp.c_str());
  return error;
}

}  // namespace platform
