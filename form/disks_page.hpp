#pragma once
// The Disks page's steps that need no window: one drive's facts as the system reports them, and
// the texts of its row.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/disks.hpp"
#include "platform/locale.hpp"

// Names of the drive types, indexed by the system's drive-type number.
extern const std::array<std::string_view, 7> DriveTypeNames;

// What one drive reports. The volume's values and both sizes stay zero or empty when its volume
// cannot be read.
struct DriveFacts {
  char letter = 'A';
  platform::VolumeInfo volume;
  std::uint64_t freeToCaller = 0;
  std::uint64_t total = 0;
  std::uint32_t driveType = 0;
  bool volumeRead = false, spaceRead = false;  // which queries answered
  std::uint32_t error = 0;                     // the system's error of the one that failed
};

// The root path of a drive letter: "C:\".
inline std::string DriveRoot(char letter) { return std::string{letter, ':', '\\'}; }

// Reads the facts of one drive.
DriveFacts ProbeDrive(char letter);

// A row of the drive list: the caption and the sub-items of columns 1 to 12.
struct DriveRow {
  std::string caption;
  std::array<std::string, 12> subItems;
};

// The row of a drive, with its sizes in the unit of item `unitIndex` of the unit combo (0 bits,
// 1 bytes, 2 KiB, 3 MiB, 4 GiB).
DriveRow FormatDriveRow(const DriveFacts& drive, int unitIndex, const platform::FormatSettings& fs);
