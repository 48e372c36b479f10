#include "funclib/file_details.hpp"

#include "funclib/crc32.hpp"
#include "funclib/text.hpp"
#include "platform/files.hpp"

namespace funclib {
namespace {

constexpr std::uint64_t kCrcSizeLimit = 0x500000;  // 5 MiB

DosDateTime32 ToDosDateTime32(std::uint64_t fileTime) {
  const auto dos = platform::ToLocalDosDateTime(fileTime);
  if (!dos) return -1;
  return static_cast<DosDateTime32>((static_cast<std::uint32_t>(dos->date) << 16) | dos->time);
}

// The position after the last path delimiter: where the file-name part begins.
size_t FileNameStart(const std::string& path) {
  const size_t last = path.find_last_of("\\/:");
  return last == std::string::npos ? 0 : last + 1;
}

void FillExecutable(const std::string& path, TFileDetails& details) {
  const size_t nameStart = FileNameStart(path);
  std::string program;
  const int code = platform::FindAssociatedProgram(path.substr(nameStart), path.substr(0, nameStart), program);
  if (code < 31) {
    SetFixedText(details.Executable, "Undefined error finding association!");
  } else if (code == 31) {
    SetFixedText(details.Executable, "The file is not associated!");
  } else {
    SetFixedText(details.Executable, program);
  }
}

}  // namespace

bool GetFileDetails(std::string path, int flags, TFileDetails& details) {
  details.Kind = 0;
  if (flags & kFdRelease) {
    platform::DestroyIconHandle(details.LargeIcon);
    platform::DestroyIconHandle(details.SmallIcon);
    details.LargeIcon = 0;
    details.SmallIcon = 0;
    return true;
  }
  if (path.size() >= 2 && path[1] == ':') {
    details.Kind = 3;
    details.Attributes = platform::QueryFileAttributes(path);
  }
  // A directory is found without its trailing backslash; a drive root keeps it.
  if (path.size() > 3 && path.back() == '\\') path.pop_back();

  platform::FindData entry;
  const bool found = platform::FindFirstEntry(path, entry);
  if (found) {
    details.Size = static_cast<std::int32_t>(static_cast<std::uint32_t>(entry.size));
    details.Attributes = entry.attributes;
    details.Kind = (entry.attributes & platform::kAttributeDirectory) ? 2 : 1;
    if (flags & kFdTimes) {
      details.Created = ToDosDateTime32(entry.created);
      details.Modified = ToDosDateTime32(entry.written);
      details.Accessed = ToDosDateTime32(entry.accessed);
    }
    // The limit applies to the whole size: the low 32 bits of a 4 GiB file can look small.
    if ((flags & kFdCrc32) && details.Kind == 1 && (entry.size < kCrcSizeLimit || (flags & kFdAnySize))) {
      details.Crc32 = FileCrc32(path);
    }
  }

  if (flags & kFdExecutable) FillExecutable(path, details);
  if (flags & kFdLargeIcon) details.LargeIcon = platform::CreateShellIcon(path, false);
  if (flags & kFdSmallIcon) details.SmallIcon = platform::CreateShellIcon(path, true);
  if (flags & kFdTypeName) SetFixedText(details.TypeName, platform::QueryShellTypeName(path));
  return found;
}

}  // namespace funclib
