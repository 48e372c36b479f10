#pragma once
// What the system knows of a path: kind, size, times, attributes, associated program, shell type
// name and icons, and optionally the CRC-32 of a file's contents.
#include <cstdint>
#include <string>

#include "platform/types.hpp"

namespace funclib {

// GetFileDetails flags.
inline constexpr int kFdExecutable = 0x01;  // fill Executable
inline constexpr int kFdTimes = 0x02;       // fill Created, Modified, Accessed
inline constexpr int kFdCrc32 = 0x04;       // fill Crc32 of a file below 5 MiB
inline constexpr int kFdSmallIcon = 0x08;   // fill SmallIcon
inline constexpr int kFdLargeIcon = 0x10;   // fill LargeIcon
inline constexpr int kFdTypeName = 0x20;    // fill TypeName
inline constexpr int kFdAnySize = 0x40;     // with kFdCrc32: whatever the file's size
inline constexpr int kFdRelease = 0x80;     // only destroy the record's icons

// A file time as a DOS date-time: the DOS time in the low 16 bits, the DOS date in the high ones;
// -1 when the time cannot be converted.
using DosDateTime32 = std::int32_t;

struct TFileDetails {
  std::uint8_t Kind = 0;  // 0 nothing found, 1 file, 2 directory, 3 a drive path not found as an entry
  char TypeName[80] = {};
  char Executable[260] = {};  // the associated program, or why there is none
  std::int32_t Size = 0;      // the low 32 bits of the size
  DosDateTime32 Created = 0;  // local time
  DosDateTime32 Modified = 0;
  DosDateTime32 Accessed = 0;
  std::uint32_t Attributes = 0;
  std::uint32_t Crc32 = 0;
  // The record's owner owns these and frees them (platform::DestroyIconHandle, or GetFileDetails
  // with kFdRelease). A query with an icon flag overwrites the field without freeing what it held.
  platform::IconHandle LargeIcon = 0;
  platform::IconHandle SmallIcon = 0;
};

// Fills the parts of `details` that `flags` ask for; Kind always, Size and Attributes when `path`
// is found as a directory entry, which the result tells. A drive path such as "C:\" is no entry,
// but gets Kind 3, the drive's attributes and the icons and texts asked for. Fields not filled keep
// their value. With kFdRelease only destroys the icons held in `details` and zeroes them.
bool GetFileDetails(std::string path, int flags, TFileDetails& details);

}  // namespace funclib
