#pragma once
// The fake standard streams and files of the report.
#include <map>
#include <string>

namespace fake {

struct Output {
  std::string standardOutput, standardError;
  std::map<std::string, std::string> files;  // every file written, by path
  bool streamsWork = true, filesFail = false;
};

}  // namespace fake
