#pragma once
// The fake file system. Attributes and reading use the host's real files (a scripted attribute
// wins); directory entries, time conversions and what the shell knows are scripted.
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/files.hpp"

namespace fake {

struct Files {
  // Scripted.
  std::map<std::string, std::uint32_t> attributes;
  std::map<std::string, platform::FindData> entries;         // what FindFirstEntry finds
  std::map<std::uint64_t, platform::DosDateTime> dosTimes;   // file times that convert; others fail
  std::optional<std::uint64_t> reportedSize;                 // a size other than the real file's
  int associationCode = 42;
  std::string associatedProgram = "C:\\Windows\\notepad.exe";
  std::string typeName = "Text Document";
  bool noIcons = false;
  platform::IconHandle nextIcon = 0x100;
  // Recorded.
  std::vector<std::string> findPaths;
  std::vector<std::pair<std::string, std::string>> associationQueries;  // file, directory
  std::vector<std::uint8_t> openModes;
  int closes = 0;
  std::vector<std::pair<std::uint64_t, std::uint32_t>> reads;  // position, count
  std::vector<platform::IconHandle> createdIcons, destroyedIcons;  // shell icons and copies alike
  std::set<platform::IconHandle> liveIcons;                         // made and not yet destroyed
  std::map<platform::IconHandle, platform::IconHandle> copiedFrom;  // copy -> its source
  // Icons destroyed, copied or handed to the shell while not live (twice destroyed, never made).
  std::vector<platform::IconHandle> misusedIcons;
  // Open files, by handle.
  std::map<platform::FileHandle, std::shared_ptr<std::FILE>> open;
  platform::FileHandle nextFile = 1;
};

// A new live icon, as if the program had loaded one.
platform::IconHandle MakeIcon();
// The icon that `icon` is a copy of (through any number of copies); `icon` itself if none.
platform::IconHandle OriginalIcon(platform::IconHandle icon);
// Records a use of `icon` that needs it live; 0 is no icon and always fine.
void UseIcon(platform::IconHandle icon);

}  // namespace fake
