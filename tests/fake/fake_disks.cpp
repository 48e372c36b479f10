#include "tests/fake/fake_disks.hpp"

#include <stdexcept>

#include "tests/fake/fake_platform.hpp"

namespace platform {
namespace {

const fake::Drive* Find(const std::string& root) {
  const auto& drives = fake::Fake().disks.drives;
  const auto it = root.empty() ? drives.end() : drives.find(root[0]);
  return it == drives.end() ? nullptr : &it->second;
}

void Record(std::vector<std::string>& queries, const std::string& root) {
  fake::Disks& d = fake::Fake().disks;
  queries.push_back(root);
  if (d.errorModeDepth == 0) ++d.queriesWithBoxesOn;
}

}  // namespace

std::uint32_t QueryLogicalDrives() {
  const fake::Disks& d = fake::Fake().disks;
  if (d.mask) return *d.mask;
  std::uint32_t mask = 0;
  for (const auto& [letter, drive] : d.drives)
    if (letter >= 'A' && letter <= 'Z') mask |= 1u << (letter - 'A');
  return mask;
}

bool QueryVolumeInfo(const std::string& root, VolumeInfo& out) {
  Record(fake::Fake().disks.volumeQueries, root);
  const fake::Drive* drive = Find(root);
  if (!drive || !drive->volume) return fake::Fake().lastError = drive ? drive->error : 3, false;
  out = *drive->volume;
  return true;
}

bool QueryDiskSpace(const std::string& root, std::uint64_t& freeToCaller, std::uint64_t& total) {
  Record(fake::Fake().disks.spaceQueries, root);
  const fake::Drive* drive = Find(root);
  if (!drive || !drive->space) return fake::Fake().lastError = drive ? drive->error : 3, false;
  freeToCaller = drive->space->first;
  total = drive->space->second;
  return true;
}

std::uint32_t QueryDriveType(const std::string& root) {
  if (fake::Fake().disks.typeQueryThrows) throw std::runtime_error("drive type");
  const fake::Drive* drive = Find(root);
  return drive ? drive->type : 1;  // no root
}

CriticalErrorsFail::CriticalErrorsFail() : previous_(0) {
  ++fake::Fake().disks.errorModeDepth;
  ++fake::Fake().disks.errorModeSets;
}

CriticalErrorsFail::~CriticalErrorsFail() { --fake::Fake().disks.errorModeDepth; }

}  // namespace platform
