#pragma once
// Drives and volumes: which drive letters exist, what each volume reports, its sizes and its type.
#include <cstdint>
#include <string>

namespace platform {

// Bit i set: the drive letter A + i exists.
std::uint32_t QueryLogicalDrives();

// What a volume reports of itself. Texts are read up to their first zero.
struct VolumeInfo {
  std::string label;
  std::uint32_t serial = 0;
  std::uint32_t maxComponentLength = 0;
  std::uint32_t flags = 0;  // FS_* bits
  std::string fileSystem;
};

// The volume at the root path ("C:\"); false when it cannot be read (a drive without a medium,
// a disconnected share). Labels and file-system names of any length the system allows fit.
bool QueryVolumeInfo(const std::string& root, VolumeInfo& out);

// Bytes free for the calling user and bytes in total on the volume at the root path; false on
// failure. Uses the 64-bit query where the system has it, else the cluster counts.
bool QueryDiskSpace(const std::string& root, std::uint64_t& freeToCaller, std::uint64_t& total);

// The system's drive-type number of the root path: 0 unknown, 1 no root, 2 removable, 3 fixed,
// 4 remote, 5 CD-ROM, 6 RAM disk.
std::uint32_t QueryDriveType(const std::string& root);

// While one of these lives, a query of a drive without a medium fails at once instead of asking
// the user to insert a disk; the thread's previous error mode comes back when it ends.
class CriticalErrorsFail {
 public:
  CriticalErrorsFail();
  ~CriticalErrorsFail();
  CriticalErrorsFail(const CriticalErrorsFail&) = delete;
  CriticalErrorsFail& operator=(const CriticalErrorsFail&) = delete;

 private:
  std::uint32_t previous_;
};

}  // namespace platform
