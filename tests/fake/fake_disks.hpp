#pragma once
// The fake drives: which letters exist and what each answers. Records which roots were queried and
// whether critical-error boxes were off at the time.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/disks.hpp"

namespace fake {

struct Drive {
  std::optional<platform::VolumeInfo> volume;  // nothing: the volume query fails (no medium)
  std::optional<std::pair<std::uint64_t, std::uint64_t>> space;  // free to caller, total; nothing: fails
  std::uint32_t type = 3;
  std::uint32_t error = 21;  // the system error of a failing query (21: the device is not ready)
};

struct Disks {
  // Scripted. The drive mask is made from the letters of `drives` unless `mask` is set.
  std::map<char, Drive> drives;
  std::optional<std::uint32_t> mask;
  bool typeQueryThrows = false;  // an unexpected failure in the middle of a fill
  // Recorded.
  std::vector<std::string> volumeQueries, spaceQueries;
  int queriesWithBoxesOn = 0;  // volume or space queries made while critical errors showed boxes
  int errorModeDepth = 0;      // CriticalErrorsFail objects alive
  int errorModeSets = 0;
};

}  // namespace fake
