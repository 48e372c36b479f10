#include "platform/files.hpp"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/utf.hpp"

namespace platform {
namespace {

std::uint64_t ToUint64(const FILETIME& t) {
  return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

FILETIME ToFileTime(std::uint64_t t) {
  FILETIME f;
  f.dwLowDateTime = static_cast<DWORD>(t);
  f.dwHighDateTime = static_cast<DWORD>(t >> 32);
  return f;
}

// The text of a fixed character array up to its first zero, or all of it when it has none.
template <size_t N>
std::string FixedToString(const wchar_t (&text)[N]) {
  return Utf16ToUtf8(text, N);
}

// What the shell reports of `path`; false when it knows nothing.
bool ShellFileInfo(const std::string& path, UINT flags, SHFILEINFOW& info) {
  info = {};
  return SHGetFileInfoW(Utf8ToUtf16(path).c_str(), 0, &info, sizeof info, flags) != 0;
}

}  // namespace

std::uint32_t QueryFileAttributes(const std::string& path) { return GetFileAttributesW(Utf8ToUtf16(path).c_str()); }

bool FindFirstEntry(const std::string& path, FindData& out) {
  WIN32_FIND_DATAW data;
  const HANDLE find = FindFirstFileW(Utf8ToUtf16(path).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  FindClose(find);
  out.attributes = data.dwFileAttributes;
  out.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  out.created = ToUint64(data.ftCreationTime);
  out.accessed = ToUint64(data.ftLastAccessTime);
  out.written = ToUint64(data.ftLastWriteTime);
  return true;
}

std::optional<DosDateTime> ToLocalDosDateTime(std::uint64_t fileTime) {
  const FILETIME utc = ToFileTime(fileTime);
  FILETIME local;
  if (!FileTimeToLocalFileTime(&utc, &local)) return std::nullopt;
  WORD date, time;
  if (!FileTimeToDosDateTime(&local, &date, &time)) return std::nullopt;
  return DosDateTime{date, time};
}

FileHandle OpenFileWithMode(const std::string& path, std::uint8_t mode) {
  static constexpr DWORD kAccess[4] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE, GENERIC_READ};
  static constexpr DWORD kShare[8] = {FILE_SHARE_READ | FILE_SHARE_WRITE, 0, FILE_SHARE_READ, FILE_SHARE_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, 0, 0, 0};
  const HANDLE file = CreateFileW(Utf8ToUtf16(path).c_str(), kAccess[mode & 3], kShare[(mode >> 4) & 7], nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  return file == INVALID_HANDLE_VALUE ? 0 : reinterpret_cast<FileHandle>(file);
}

bool QueryFileSize(FileHandle file, std::uint64_t& size) {
  LARGE_INTEGER n;
  if (!GetFileSizeEx(reinterpret_cast<HANDLE>(file), &n) || n.QuadPart < 0) return false;
  size = static_cast<std::uint64_t>(n.QuadPart);
  return true;
}

std::uint32_t ReadFileAt(FileHandle file, std::uint64_t position, void* buffer, std::uint32_t count) {
  const HANDLE h = reinterpret_cast<HANDLE>(file);
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(position);
  if (!SetFilePointerEx(h, at, nullptr, FILE_BEGIN)) return 0;
  DWORD read = 0;
  if (!ReadFile(h, buffer, count, &read, nullptr)) return 0;
  return read;
}

void CloseFileHandle(FileHandle file) {
  if (file) CloseHandle(reinterpret_cast<HANDLE>(file));
}

int FindAssociatedProgram(const std::string& file, const std::string& directory, std::string& program) {
  wchar_t result[MAX_PATH] = {};  // the size FindExecutable writes into
  const HINSTANCE code = FindExecutableW(Utf8ToUtf16(file).c_str(), Utf8ToUtf16(directory).c_str(), result);
  program = FixedToString(result);
  return static_cast<int>(reinterpret_cast<INT_PTR>(code));
}

std::string QueryShellTypeName(const std::string& path) {
  SHFILEINFOW info;
  if (!ShellFileInfo(path, SHGFI_TYPENAME, info)) return {};
  return FixedToString(info.szTypeName);
}

IconHandle CreateShellIcon(const std::string& path, bool small) {
  SHFILEINFOW info;
  if (!ShellFileInfo(path, SHGFI_ICON | (small ? SHGFI_SMALLICON : 0), info)) return 0;
  return reinterpret_cast<IconHandle>(info.hIcon);
}

IconHandle CopyIconHandle(IconHandle icon) {
  if (!icon) return 0;
  return reinterpret_cast<IconHandle>(CopyIcon(reinterpret_cast<HICON>(icon)));
}

void DestroyIconHandle(IconHandle icon) {
  if (icon) DestroyIcon(reinterpret_cast<HICON>(icon));
}

}  // namespace platform
