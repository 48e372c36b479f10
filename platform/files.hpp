#pragma once
// Files and directories: attributes, directory entries, file times, reading, and what the shell
// knows of a path (associated program, type name, icons).
#include <cstdint>
#include <optional>
#include <string>

#include "platform/types.hpp"

namespace platform {

using FileHandle = std::uintptr_t;  // an open file; 0 means none

inline constexpr std::uint32_t kInvalidFileAttributes = 0xFFFFFFFF;
inline constexpr std::uint32_t kAttributeDirectory = 0x10;

// The attribute bits of `path`; kInvalidFileAttributes when it does not exist.
std::uint32_t QueryFileAttributes(const std::string& path);

// One directory entry. Times are in 100 ns units since 1601 (UTC).
struct FindData {
  std::uint32_t attributes = 0;
  std::uint64_t size = 0;
  std::uint64_t created = 0;
  std::uint64_t accessed = 0;
  std::uint64_t written = 0;
};

// The first directory entry matching `path`; false when none matches.
bool FindFirstEntry(const std::string& path, FindData& out);

struct DosDateTime {
  std::uint16_t date = 0;
  std::uint16_t time = 0;
};

// A file time converted to local time and then to the DOS date and time; nothing when either
// conversion fails (e.g. a date outside 1980..2107).
std::optional<DosDateTime> ToLocalDosDateTime(std::uint64_t fileTime);

// Opens an existing file for reading. `mode` is a file-open mode: bits 0-1 the access (0 read,
// 1 write, 2 both), bits 4-6 the sharing (0 and 4 share reading and writing, 1 exclusive,
// 2 deny writing, 3 deny reading). Returns 0 when it cannot be opened.
FileHandle OpenFileWithMode(const std::string& path, std::uint8_t mode);
// The size of an open file in bytes; false on failure.
bool QueryFileSize(FileHandle file, std::uint64_t& size);
// Reads up to `count` bytes at byte `position`; returns how many were read (0 at the end or on
// failure).
std::uint32_t ReadFileAt(FileHandle file, std::uint64_t position, void* buffer, std::uint32_t count);
// Closes a file; 0 is ignored.
void CloseFileHandle(FileHandle file);

// The program associated with `file` (a name inside `directory`). Returns the shell's code: above
// 32 with `program` set, 31 when there is no association, below 31 on other errors.
int FindAssociatedProgram(const std::string& file, const std::string& directory, std::string& program);
// The shell's type name of `path` ("Text Document"); empty when it has none.
std::string QueryShellTypeName(const std::string& path);
// A new icon for `path` as the shell shows it, large or small; 0 when there is none. The caller
// owns it and frees it with DestroyIconHandle.
IconHandle CreateShellIcon(const std::string& path, bool small);
// A new icon with the same image as `icon`, owned by the caller (free it with DestroyIconHandle);
// 0 when `icon` is 0 or no longer valid.
IconHandle CopyIconHandle(IconHandle icon);
// Frees an icon; 0 is ignored.
void DestroyIconHandle(IconHandle icon);

}  // namespace platform
