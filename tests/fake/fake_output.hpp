#pragma once
// The fake standard streams and files of the report.
#include <map>
#include <string>

namespace fake {

struct Output {
  std::string standardOutput, standardError;
  bool streamsWork = true;
  std::map<std::string, std::string> files;  // every file written whole, by path
  bool filesFail = false;                    // every write fails, and leaves nothing
};

}  // namespace fake
